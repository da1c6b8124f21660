#include "link/TraceFormat.h"

#include <algorithm>
#include <vector>

#include "link/Frame.h"
#include "model/layout/Comms.h"

namespace vrm::trace {
namespace {

constexpr uint8_t kPasswordCommand = 17;
constexpr uint8_t kStatusQuery = 12;
constexpr int kAreaAddressOffset = 4;
constexpr int kAreaLengthOffset = 8;
constexpr uint8_t kBinaryEntry[] = {'B', 'I', 'N', 'A', 'R', 'Y', '\r'};

// Where the password lies in memory area 1 (the main block).
constexpr uint32_t kPasswordFirst =
    uint32_t(layout::commonBlock[0].base + layout::common::systemPassword.info.offset);
constexpr uint32_t kPasswordLast = kPasswordFirst + uint32_t(layout::common::systemPassword.info.width) - 1;

bool isBinaryEntry(std::span<const uint8_t> bytes)
{
    return std::equal(bytes.begin(), bytes.end(), std::begin(kBinaryEntry), std::end(kBinaryEntry));
}

bool isFrame(std::span<const uint8_t> bytes)
{
    return bytes.size() >= std::size_t(frame::kOverhead) && bytes[0] == frame::kStart;
}

uint32_t dwordAt(std::span<const uint8_t> bytes, std::size_t offset)
{
    return uint32_t(bytes[offset]) | uint32_t(bytes[offset + 1]) << 8 | uint32_t(bytes[offset + 2]) << 16
        | uint32_t(bytes[offset + 3]) << 24;
}

uint16_t wordAt(std::span<const uint8_t> bytes, std::size_t offset)
{
    return uint16_t(bytes[offset] | bytes[offset + 1] << 8);
}

// An area command's memory area, or 0 for other commands.
int areaOf(uint8_t command)
{
    for (int area = 1; area <= 7; ++area) {
        if (frame::areaWriteCommand(area) == command || frame::areaReadCommand(area) == command)
            return area;
    }
    return 0;
}

bool isAreaWrite(uint8_t command)
{
    const int area = areaOf(command);
    return area != 0 && frame::areaWriteCommand(area) == command;
}

bool hasAreaHeader(std::span<const uint8_t> bytes)
{
    return bytes.size() >= std::size_t(frame::kAreaHeaderSize) && areaOf(bytes[1]) != 0;
}

// Marks the bytes from `first` on that carry main block bytes of the password,
// the first of them standing at main block address `address`.
bool maskPasswordData(std::vector<bool>& mask, std::size_t first, uint32_t address)
{
    bool any = false;
    for (std::size_t i = first; i < mask.size(); ++i) {
        const uint32_t at = address + uint32_t(i - first);
        if (at >= kPasswordFirst && at <= kPasswordLast) {
            mask[i] = true;
            any = true;
        }
    }
    return any;
}

QString hexOf(std::span<const uint8_t> bytes, const std::vector<bool>& mask)
{
    static const char digits[] = "0123456789ABCDEF";
    QString text;
    text.reserve(qsizetype(bytes.size()) * 3);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(' ');
        if (mask[i]) {
            text += QLatin1String("**");
        } else {
            text += QLatin1Char(digits[bytes[i] >> 4]);
            text += QLatin1Char(digits[bytes[i] & 15]);
        }
    }
    return text;
}

QString areaMeaning(std::span<const uint8_t> bytes)
{
    return QStringLiteral(" @0x%1 %2 bytes")
        .arg(dwordAt(bytes, kAreaAddressOffset), 0, 16)
        .arg(wordAt(bytes, kAreaLengthOffset));
}

QString withCheck(QString meaning, std::span<const uint8_t> frameBytes)
{
    if (!frame::checkByteValid(frameBytes))
        meaning += QStringLiteral(", check byte wrong");
    return meaning;
}

} // namespace

QString commandName(uint8_t command)
{
    if (const int area = areaOf(command))
        return QStringLiteral("%1 area %2").arg(isAreaWrite(command) ? QLatin1String("write") : QLatin1String("read")).arg(area);
    switch (command) {
    case 5: return QStringLiteral("identity query");
    case kStatusQuery: return QStringLiteral("status query");
    case 13: return QStringLiteral("set clock");
    case 14: return QStringLiteral("key query");
    case 15: return QStringLiteral("reconfigure");
    case 16: return QStringLiteral("restart");
    case kPasswordCommand: return QStringLiteral("password");
    case 20: return QStringLiteral("control command");
    case 21: return QStringLiteral("query 21");
    default: return QStringLiteral("unknown command");
    }
}

FrameText describeRequest(std::span<const uint8_t> request)
{
    std::vector<bool> mask(request.size(), false);
    if (isBinaryEntry(request))
        return {QStringLiteral("binary mode entry"), hexOf(request, mask)};
    if (!isFrame(request))
        return {QStringLiteral("%1 bytes, not a frame").arg(request.size()), hexOf(request, mask)};

    const uint8_t command = request[1];
    QString meaning = QStringLiteral("cmd %1 %2").arg(command).arg(commandName(command));
    bool masked = false;
    if (command == kPasswordCommand) {
        std::fill(mask.begin() + 4, mask.end(), true); // the check byte with it
        meaning += QStringLiteral(", payload hidden");
    } else if (hasAreaHeader(request)) {
        meaning += areaMeaning(request);
        if (command == frame::areaWriteCommand(1))
            masked = maskPasswordData(mask, std::size_t(frame::kAreaHeaderSize), dwordAt(request, kAreaAddressOffset));
    } else if (request.size() > std::size_t(frame::kOverhead)) {
        meaning += QStringLiteral(", payload %1 bytes").arg(request.size() - std::size_t(frame::kOverhead));
    }
    if (masked) {
        mask.back() = true;
        meaning += QStringLiteral(", password hidden");
    }
    return {meaning, hexOf(request, mask)};
}

FrameText describeReply(std::span<const uint8_t> reply, int expected, std::span<const uint8_t> request)
{
    std::vector<bool> mask(reply.size(), false);
    const bool complete = int(reply.size()) == expected;
    if (isBinaryEntry(request))
        return {QStringLiteral("binary mode answer"), hexOf(reply, mask)};

    // A read of area 1 brings the password's bytes when its chunk covers them,
    // whatever the reply's own header says.
    bool masked = false;
    if (isFrame(request) && hasAreaHeader(request) && request[1] == frame::areaReadCommand(1))
        masked = maskPasswordData(mask, std::size_t(frame::kAreaHeaderSize), dwordAt(request, kAreaAddressOffset));
    if (masked && complete)
        mask.back() = true;

    QString meaning;
    if (!isFrame(reply)) {
        meaning = QStringLiteral("%1 bytes, not a frame").arg(reply.size());
    } else {
        const uint8_t command = reply[1];
        meaning = QStringLiteral("cmd %1 %2 reply").arg(command).arg(commandName(command));
        if (hasAreaHeader(reply)) {
            meaning += areaMeaning(reply);
            if (isAreaWrite(command) && reply.size() == std::size_t(frame::kAreaWriteReplySize))
                meaning += QStringLiteral(", status %1").arg(reply[frame::kAreaHeaderSize]);
        } else if (reply.size() == std::size_t(frame::kCommandReplySize)) {
            meaning += QStringLiteral(", status %1").arg(reply[4]);
        } else {
            meaning += QStringLiteral(", record %1 bytes").arg(reply.size() - std::size_t(frame::kOverhead));
        }
        if (complete)
            meaning = withCheck(meaning, reply);
    }
    if (masked)
        meaning += QStringLiteral(", password hidden");
    return {meaning, hexOf(reply, mask)};
}

} // namespace vrm::trace
