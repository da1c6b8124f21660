#pragma once
// Wire frames of the controller protocol: 0x05, command, payload length
// (little-endian 16-bit), payload, check byte. The check byte is the negated
// XOR of the command, both length bytes and the payload.

#include <QByteArray>
#include <cstdint>

namespace vrm::sim::frame {

constexpr uint8_t kStart = 0x05;
constexpr int kOverhead = 5;

uint8_t check(const QByteArray& frame); // over bytes 1 .. size-2
QByteArray build(uint8_t command, const QByteArray& payload);
// Recomputes the check byte after a change to the frame's bytes.
void reseal(QByteArray& frame);
// A command reply: 05, command, 01 00, status, check.
QByteArray status(uint8_t command, uint8_t status);

uint16_t le16(const QByteArray& bytes, int offset);
uint32_t le32(const QByteArray& bytes, int offset);
void appendLe16(QByteArray& bytes, uint16_t value);
void appendLe32(QByteArray& bytes, uint32_t value);

} // namespace vrm::sim::frame
