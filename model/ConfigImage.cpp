#include "model/ConfigImage.h"

#include <bit>
#include <cassert>
#include <cstring>

namespace vrm {

uint16_t ConfigImage::word(std::size_t offset) const
{
    return uint16_t(bytes_.at(offset) | bytes_.at(offset + 1) << 8);
}

void ConfigImage::setWord(std::size_t offset, uint16_t value)
{
    bytes_.at(offset) = uint8_t(value);
    bytes_.at(offset + 1) = uint8_t(value >> 8);
}

uint32_t ConfigImage::dword(std::size_t offset) const
{
    return uint32_t(word(offset)) | uint32_t(word(offset + 2)) << 16;
}

void ConfigImage::setDword(std::size_t offset, uint32_t value)
{
    setWord(offset, uint16_t(value));
    setWord(offset + 2, uint16_t(value >> 16));
}

uint32_t ConfigImage::bits(std::size_t offset, int first, int count) const
{
    assert(first >= 0 && count > 0 && first + count <= 8);
    return (bytes_.at(offset) >> first) & ((1u << count) - 1);
}

void ConfigImage::setBits(std::size_t offset, int first, int count, uint32_t value)
{
    assert(first >= 0 && count > 0 && first + count <= 8);
    const uint32_t mask = ((1u << count) - 1) << first;
    bytes_.at(offset) = uint8_t((bytes_.at(offset) & ~mask) | ((value << first) & mask));
}

uint32_t ConfigImage::get(std::size_t base, const Field& field) const
{
    const std::size_t at = base + field.offset;
    switch (field.kind) {
    case FieldKind::Bits: return bits(at, field.firstBit, field.bitCount);
    case FieldKind::U8: return bytes_.at(at);
    case FieldKind::U16: return word(at);
    case FieldKind::U32:
    case FieldKind::IPv4: return dword(at);
    default: assert(!"not an integer field"); return 0;
    }
}

void ConfigImage::set(std::size_t base, const Field& field, uint32_t value)
{
    const std::size_t at = base + field.offset;
    switch (field.kind) {
    case FieldKind::Bits: setBits(at, field.firstBit, field.bitCount, value); break;
    case FieldKind::U8: bytes_.at(at) = uint8_t(value); break;
    case FieldKind::U16: setWord(at, uint16_t(value)); break;
    case FieldKind::U32:
    case FieldKind::IPv4: setDword(at, value); break;
    default: assert(!"not an integer field");
    }
}

float ConfigImage::real(std::size_t base, const Field& field) const
{
    assert(field.kind == FieldKind::Float);
    return std::bit_cast<float>(dword(base + field.offset));
}

void ConfigImage::setReal(std::size_t base, const Field& field, float value)
{
    assert(field.kind == FieldKind::Float);
    setDword(base + field.offset, std::bit_cast<uint32_t>(value));
}

std::span<uint8_t> ConfigImage::fieldBytes(std::size_t base, const Field& field)
{
    assert(base + field.offset + field.width <= kSize);
    return {bytes_.data() + base + field.offset, field.width};
}

std::span<const uint8_t> ConfigImage::fieldBytes(std::size_t base, const Field& field) const
{
    assert(base + field.offset + field.width <= kSize);
    return {bytes_.data() + base + field.offset, field.width};
}

QByteArray ConfigImage::text(std::size_t base, const Field& field) const
{
    const auto bytes = fieldBytes(base, field);
    std::size_t n = 0;
    while (n < bytes.size() && bytes[n] != 0)
        ++n;
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(n));
}

void ConfigImage::setTextPadded(std::size_t base, const Field& field, const QByteArray& text)
{
    auto bytes = fieldBytes(base, field);
    const std::size_t n = std::min<std::size_t>(std::size_t(text.size()), bytes.size() - 1);
    std::fill(bytes.begin(), bytes.end(), 0);
    std::memcpy(bytes.data(), text.constData(), n);
}

void ConfigImage::setTextTerminated(std::size_t base, const Field& field, const QByteArray& text)
{
    auto bytes = fieldBytes(base, field);
    const std::size_t n = std::min<std::size_t>(std::size_t(text.size()), bytes.size() - 1);
    std::memcpy(bytes.data(), text.constData(), n);
    bytes[n] = 0;
}

uint8_t negatedXor(std::span<const uint8_t> bytes)
{
    uint8_t x = 0;
    for (uint8_t b : bytes)
        x ^= b;
    return uint8_t(0x100 - x);
}

} // namespace vrm
