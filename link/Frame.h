#pragma once
// The controller's wire frame: 05, command, payload length (16-bit LE),
// payload, check byte. Builders for every request the tool sends and
// validators for every reply it accepts; all pure functions on bytes.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vrm::frame {

constexpr uint8_t kStart = 0x05;
constexpr int kOverhead = 5;         // start, command, two length bytes, check byte
constexpr int kMaxChunk = 256;       // data bytes per area exchange
constexpr int kMaxRecord = 295;      // largest query record or command payload the engine carries
constexpr int kCommandReplySize = 6; // 05, command, length, status, check
constexpr int kAreaWriteReplySize = 13;
constexpr int kAreaHeaderSize = 10;  // 05, command, length, address (4), chunk length (2)

// Negated XOR of the bytes a frame's check covers (command, length, payload).
uint8_t FrameCheck(std::span<const uint8_t> covered);
// True when the last byte of `frame` is the check of its bytes 1 .. size-2.
bool checkByteValid(std::span<const uint8_t> frame);

std::vector<uint8_t> buildFrame(uint8_t command, std::span<const uint8_t> payload = {});
// Area write: payload is address, chunk length, chunk bytes.
std::vector<uint8_t> buildAreaWrite(uint8_t command, uint32_t address, std::span<const uint8_t> chunk);
// Area read: payload is address, chunk length, status 0, reserved 0.
std::vector<uint8_t> buildAreaRead(uint8_t command, uint32_t address, uint16_t length);

// Commands of memory areas 1..7; the read command is always the write command + 1.
std::optional<uint8_t> areaWriteCommand(int area);
std::optional<uint8_t> areaReadCommand(int area);

constexpr int queryReplySize(int recordSize) { return recordSize + kOverhead; }
constexpr int areaReadReplySize(int chunk) { return chunk + kAreaHeaderSize + 1; }
constexpr int chunkLength(int size, int offset) { return size - offset < kMaxChunk ? size - offset : kMaxChunk; }

enum class Verdict {
    Accepted,
    WrongSize,        // not the number of bytes the request expects
    BadCheck,         // check byte wrong
    BadEcho,          // header does not echo the request, or an unknown status
    FlashError,       // status 1
    PasswordRequired, // status 2 on a command
};

// Each validator expects the whole reply, exactly as many bytes as the request asks for.
Verdict validateQueryReply(std::span<const uint8_t> reply, uint8_t command, int recordSize);
Verdict validateCommandReply(std::span<const uint8_t> reply, uint8_t command);
Verdict validateAreaWriteReply(std::span<const uint8_t> reply, uint8_t command, uint32_t address,
                               uint16_t length);
Verdict validateAreaReadReply(std::span<const uint8_t> reply, uint8_t command, uint32_t address,
                              uint16_t length);

} // namespace vrm::frame
