#include "sim/Frame.h"

namespace vrm::sim::frame {

uint8_t check(const QByteArray& frame)
{
    uint8_t x = 0;
    for (qsizetype i = 1; i + 1 < frame.size(); ++i)
        x ^= static_cast<uint8_t>(frame[i]);
    return static_cast<uint8_t>(0x100 - x);
}

QByteArray build(uint8_t command, const QByteArray& payload)
{
    QByteArray frame;
    frame.reserve(payload.size() + kOverhead);
    frame.append(char(kStart));
    frame.append(char(command));
    appendLe16(frame, static_cast<uint16_t>(payload.size()));
    frame.append(payload);
    frame.append('\0');
    reseal(frame);
    return frame;
}

void reseal(QByteArray& frame)
{
    if (!frame.isEmpty())
        frame[frame.size() - 1] = char(check(frame));
}

QByteArray status(uint8_t command, uint8_t status)
{
    return build(command, QByteArray(1, char(status)));
}

uint16_t le16(const QByteArray& bytes, int offset)
{
    return static_cast<uint16_t>(uint8_t(bytes[offset]) | uint8_t(bytes[offset + 1]) << 8);
}

uint32_t le32(const QByteArray& bytes, int offset)
{
    return uint32_t(le16(bytes, offset)) | uint32_t(le16(bytes, offset + 2)) << 16;
}

void appendLe16(QByteArray& bytes, uint16_t value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char(value >> 8));
}

void appendLe32(QByteArray& bytes, uint32_t value)
{
    appendLe16(bytes, static_cast<uint16_t>(value & 0xFFFF));
    appendLe16(bytes, static_cast<uint16_t>(value >> 16));
}

} // namespace vrm::sim::frame
