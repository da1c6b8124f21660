#pragma once
// The configuration image: one flat byte record that mirrors the controller's
// memory areas. Fields are addressed through the declarations in Layout.h.

#include <QByteArray>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "model/Layout.h"

namespace vrm {

class ConfigImage {
public:
    static constexpr std::size_t kSize = 23360;

    ConfigImage() { bytes_.fill(0); }

    uint8_t* data() { return bytes_.data(); }
    const uint8_t* data() const { return bytes_.data(); }
    std::span<uint8_t> span(Block block) { return {bytes_.data() + block.offset, block.size}; }
    std::span<const uint8_t> span(Block block) const { return {bytes_.data() + block.offset, block.size}; }

    uint8_t byte(std::size_t offset) const { return bytes_.at(offset); }
    void setByte(std::size_t offset, uint8_t value) { bytes_.at(offset) = value; }

    // Raw little-endian access by absolute offset.
    uint16_t word(std::size_t offset) const;
    void setWord(std::size_t offset, uint16_t value);
    uint32_t dword(std::size_t offset) const;
    void setDword(std::size_t offset, uint32_t value);

    // Read-modify-write of `count` bits starting at bit `first` of one byte:
    // the only place that stores into a shared option byte.
    uint32_t bits(std::size_t offset, int first, int count) const;
    void setBits(std::size_t offset, int first, int count, uint32_t value);

    // Field access: `base` is the record's absolute offset (0 for single fields).
    uint32_t get(std::size_t base, const Field& field) const;
    void set(std::size_t base, const Field& field, uint32_t value);
    float real(std::size_t base, const Field& field) const;
    void setReal(std::size_t base, const Field& field, float value);

    // Text fields: bytes up to the first NUL inside the field's width.
    QByteArray text(std::size_t base, const Field& field) const;
    // Copies at most width-1 bytes and pads the rest of the field with NUL.
    void setTextPadded(std::size_t base, const Field& field, const QByteArray& text);
    // Copies at most width-1 bytes and one NUL; the bytes behind it keep their value.
    void setTextTerminated(std::size_t base, const Field& field, const QByteArray& text);

    std::span<uint8_t> fieldBytes(std::size_t base, const Field& field);
    std::span<const uint8_t> fieldBytes(std::size_t base, const Field& field) const;

    bool operator==(const ConfigImage&) const = default;

private:
    std::array<uint8_t, kSize> bytes_;
};

// Negated XOR check: (256 - XOR of the bytes) mod 256, so that the XOR of the
// bytes plus the check byte is 0 mod 256.
uint8_t negatedXor(std::span<const uint8_t> bytes);

} // namespace vrm
