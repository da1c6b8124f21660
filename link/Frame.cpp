#include "link/Frame.h"

#include "model/ConfigImage.h"

namespace vrm::frame {
namespace {

void putWord(std::vector<uint8_t>& out, uint16_t value)
{
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void putDword(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(uint8_t(value >> shift));
}

uint16_t wordAt(std::span<const uint8_t> bytes, std::size_t offset)
{
    return uint16_t(bytes[offset] | bytes[offset + 1] << 8);
}

uint32_t dwordAt(std::span<const uint8_t> bytes, std::size_t offset)
{
    return uint32_t(bytes[offset]) | uint32_t(bytes[offset + 1]) << 8 | uint32_t(bytes[offset + 2]) << 16
        | uint32_t(bytes[offset + 3]) << 24;
}

bool headerEchoes(std::span<const uint8_t> reply, uint8_t command)
{
    return reply[0] == kStart && reply[1] == command;
}

bool areaEchoes(std::span<const uint8_t> reply, uint8_t command, uint32_t address, uint16_t length)
{
    return headerEchoes(reply, command) && dwordAt(reply, 4) == address && wordAt(reply, 8) == length;
}

} // namespace

uint8_t FrameCheck(std::span<const uint8_t> covered)
{
    return negatedXor(covered);
}

bool checkByteValid(std::span<const uint8_t> frame)
{
    if (frame.size() < 2)
        return false;
    return FrameCheck(frame.subspan(1, frame.size() - 2)) == frame.back();
}

std::vector<uint8_t> buildFrame(uint8_t command, std::span<const uint8_t> payload)
{
    std::vector<uint8_t> out;
    out.reserve(payload.size() + kOverhead);
    out.push_back(kStart);
    out.push_back(command);
    putWord(out, uint16_t(payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
    out.push_back(FrameCheck(std::span(out).subspan(1)));
    return out;
}

std::vector<uint8_t> buildAreaWrite(uint8_t command, uint32_t address, std::span<const uint8_t> chunk)
{
    std::vector<uint8_t> payload;
    payload.reserve(chunk.size() + 6);
    putDword(payload, address);
    putWord(payload, uint16_t(chunk.size()));
    payload.insert(payload.end(), chunk.begin(), chunk.end());
    return buildFrame(command, payload);
}

std::vector<uint8_t> buildAreaRead(uint8_t command, uint32_t address, uint16_t length)
{
    std::vector<uint8_t> payload;
    putDword(payload, address);
    putWord(payload, length);
    payload.push_back(0); // status
    payload.push_back(0); // reserved
    return buildFrame(command, payload);
}

std::optional<uint8_t> areaWriteCommand(int area)
{
    static constexpr uint8_t commands[] = {6, 1, 3, 8, 18, 22, 10};
    if (area < 1 || area > 7)
        return std::nullopt;
    return commands[area - 1];
}

std::optional<uint8_t> areaReadCommand(int area)
{
    if (auto write = areaWriteCommand(area))
        return uint8_t(*write + 1);
    return std::nullopt;
}

Verdict validateQueryReply(std::span<const uint8_t> reply, uint8_t command, int recordSize)
{
    if (recordSize < 0 || reply.size() != std::size_t(queryReplySize(recordSize)))
        return Verdict::WrongSize;
    if (!checkByteValid(reply))
        return Verdict::BadCheck;
    return headerEchoes(reply, command) ? Verdict::Accepted : Verdict::BadEcho;
}

Verdict validateCommandReply(std::span<const uint8_t> reply, uint8_t command)
{
    if (reply.size() != std::size_t(kCommandReplySize))
        return Verdict::WrongSize;
    if (!checkByteValid(reply))
        return Verdict::BadCheck;
    const uint8_t status = reply[4];
    if (headerEchoes(reply, command) && status == 0)
        return Verdict::Accepted;
    // The status decides even when the header is wrong: the controller refuses
    // with 1 when its flash memory fails and with 2 when it wants the password.
    if (status == 1)
        return Verdict::FlashError;
    if (status == 2)
        return Verdict::PasswordRequired;
    return Verdict::BadEcho;
}

Verdict validateAreaWriteReply(std::span<const uint8_t> reply, uint8_t command, uint32_t address,
                               uint16_t length)
{
    if (reply.size() != std::size_t(kAreaWriteReplySize))
        return Verdict::WrongSize;
    if (!checkByteValid(reply))
        return Verdict::BadCheck;
    const uint8_t status = reply[10];
    if (areaEchoes(reply, command, address, length) && status == 0)
        return Verdict::Accepted;
    // An area write knows no password status: everything but 1 is an echo fault.
    return status == 1 ? Verdict::FlashError : Verdict::BadEcho;
}

Verdict validateAreaReadReply(std::span<const uint8_t> reply, uint8_t command, uint32_t address,
                              uint16_t length)
{
    if (reply.size() != std::size_t(areaReadReplySize(length)))
        return Verdict::WrongSize;
    if (!checkByteValid(reply))
        return Verdict::BadCheck;
    return areaEchoes(reply, command, address, length) ? Verdict::Accepted : Verdict::BadEcho;
}

} // namespace vrm::frame
