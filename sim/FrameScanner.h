#pragma once
// Cuts the byte stream from the tool into "BINARY\r" entries and frames.
// Garbage is skipped: only a 0x05 that starts a frame with a right check
// byte counts, so the scanner falls back into step after noise, and a frame
// with a wrong check byte produces nothing.

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace vrm::sim {

class FrameScanner {
public:
    // The tool's buffers hold 300 bytes: no request carries a longer payload.
    static constexpr int kMaxPayload = 295;
    // The tool writes each request at once; a partial frame left this long is
    // the tail of noise or of an abandoned request, not the start of a new one.
    static constexpr qint64 kStaleMs = 250;

    struct Event {
        bool binaryEntry = false; // "BINARY\r" rather than a frame
        uint8_t command = 0;
        QByteArray payload;
    };

    std::vector<Event> feed(const QByteArray& bytes, qint64 nowMs);
    void reset() { buffer_.clear(); }
    qsizetype pending() const { return buffer_.size(); }

private:
    QByteArray buffer_;
    qint64 lastFeedMs_ = 0;
};

} // namespace vrm::sim
