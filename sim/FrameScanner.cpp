#include "sim/FrameScanner.h"

#include "sim/Frame.h"

namespace vrm::sim {

namespace {
const QByteArray kBinary = QByteArrayLiteral("BINARY\r");
}

std::vector<FrameScanner::Event> FrameScanner::feed(const QByteArray& bytes, qint64 nowMs)
{
    if (!buffer_.isEmpty() && nowMs - lastFeedMs_ > kStaleMs)
        buffer_.clear();
    lastFeedMs_ = nowMs;
    buffer_.append(bytes);

    std::vector<Event> events;
    qsizetype pos = 0;
    const qsizetype size = buffer_.size();
    while (pos < size) {
        const auto rest = size - pos;
        const char first = buffer_[pos];
        if (first == 'B') {
            const auto n = std::min<qsizetype>(rest, kBinary.size());
            if (buffer_.mid(pos, n) == kBinary.left(n)) {
                if (n < kBinary.size())
                    break; // wait for the rest of the entry text
                events.push_back({true, 0, {}});
                pos += kBinary.size();
                continue;
            }
            ++pos;
            continue;
        }
        if (uint8_t(first) != frame::kStart) {
            ++pos;
            continue;
        }
        if (rest < 4)
            break;
        const int length = frame::le16(buffer_, int(pos + 2));
        if (length > kMaxPayload) {
            ++pos;
            continue;
        }
        if (rest < length + frame::kOverhead)
            break;
        const QByteArray candidate = buffer_.mid(pos, length + frame::kOverhead);
        if (frame::check(candidate) != uint8_t(candidate.back())) {
            ++pos; // not a frame after all: look for the next start byte
            continue;
        }
        events.push_back({false, uint8_t(candidate[1]), candidate.mid(4, length)});
        pos += candidate.size();
    }
    buffer_.remove(0, pos);
    return events;
}

} // namespace vrm::sim
