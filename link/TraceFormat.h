#pragma once
// How the serial trace writes a frame: what it means ("cmd 7 read area 1
// @0x100 256 bytes") and its bytes in hexadecimal. The administrator password
// never reaches a trace: the password command's payload, the password's bytes
// in a main block chunk, and the check byte of any frame that carries them
// are written as "**" (a check byte would give away the password's XOR).

#include <QString>
#include <cstdint>
#include <span>

namespace vrm::trace {

struct FrameText {
    QString meaning;
    QString hex; // "05 05 00 00 FB"; masked bytes as "**"
};

// Name of a command code: "identity query", "write area 1", ...
QString commandName(uint8_t command);

// A request as the tool wrote it (a frame, or the binary-mode entry text).
FrameText describeRequest(std::span<const uint8_t> request);

// The bytes a read brought, for the request last written; `expected` is the
// count the read asked for (a shorter reply is a time-out, told separately).
FrameText describeReply(std::span<const uint8_t> reply, int expected, std::span<const uint8_t> request);

} // namespace vrm::trace
