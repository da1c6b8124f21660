#pragma once
// The steps a transaction is made of: the binary-mode entry and the four
// framed primitives. Each primitive reports its own failure text and returns
// false; the transaction then stops.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "link/Frame.h"
#include "link/Transaction.h"

namespace vrm {

class TransactionPrimitives {
public:
    TransactionPrimitives(SerialLink& link, const QStringList& messages, TransactionSink& sink);

    // Purges the port and sends "BINARY\r".
    bool enterBinaryMode();

    // Command without payload answered by a `record.size()`-byte record; the
    // record is written only when the reply is valid.
    bool queryRecord(uint8_t command, std::span<uint8_t> record);
    // Command with a payload answered by a status byte.
    bool sendCommand(uint8_t command, std::span<const uint8_t> payload);
    bool writeArea(int area, uint32_t baseAddress, std::span<const uint8_t> data);
    // Fills `into` chunk by chunk; on failure it holds what arrived so far.
    bool readArea(int area, uint32_t baseAddress, std::span<uint8_t> into);

    void show(int messageIndex, StatusKind kind);
    void showText(const QString& text, StatusKind kind);
    void showWithPortName(int messageIndex);

private:
    enum : int { kPortError = -1 };

    // Up to three attempts of one request, repeated only while the count of
    // reply bytes is wrong. Returns the count of the last attempt or kPortError.
    int exchange(const std::vector<uint8_t>& request, std::vector<uint8_t>& reply);
    // The controller's one-byte answer to "BINARY\r", read once per primitive.
    bool discardBinaryAnswer();
    // False when the exchange failed (already reported) or the reply has the
    // wrong length, which is reported here.
    bool replyComplete(int received, const std::vector<uint8_t>& reply);
    // True for an accepted reply; otherwise shows the failure's text.
    bool accepted(frame::Verdict verdict);
    // Progress at zero, the binary-mode answer read, the area known.
    bool startAreaTransfer(int size, std::optional<uint8_t> command);

    SerialLink& link_;
    const QStringList& messages_;
    TransactionSink& sink_;
};

} // namespace vrm
