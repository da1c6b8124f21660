#include "model/ConfigImage.h"

#include <bit>
#include <cassert>
#include <cstring>
#include <stdexcept>

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

namespace {
// A wrong kind is a fault in the caller's code: it fails in every build.
void requireKind(bool ok)
{
    if (!ok)
        throw std::logic_error("configuration field used as the wrong kind");
}
} // namespace

uint32_t ConfigImage::numberAt(std::size_t base, const FieldInfo& field, std::size_t element) const
{
    requireKind(isUnsignedKind(field.kind) && element < field.count);
    const std::size_t at = base + field.elementOffset(element);
    switch (field.kind) {
    case FieldKind::Bits: return bits(at, field.elementFirstBit(element), field.bitCount);
    case FieldKind::U8: return bytes_.at(at);
    case FieldKind::U16: return word(at);
    default: return dword(at); // U32, IPv4
    }
}

void ConfigImage::setNumberAt(std::size_t base, const FieldInfo& field, uint32_t value, std::size_t element)
{
    requireKind(isUnsignedKind(field.kind) && element < field.count);
    const std::size_t at = base + field.elementOffset(element);
    switch (field.kind) {
    case FieldKind::Bits: setBits(at, field.elementFirstBit(element), field.bitCount, value); break;
    case FieldKind::U8: bytes_.at(at) = uint8_t(value); break;
    case FieldKind::U16: setWord(at, uint16_t(value)); break;
    default: setDword(at, value); // U32, IPv4
    }
}

float ConfigImage::realAt(std::size_t base, const FieldInfo& field) const
{
    requireKind(field.kind == FieldKind::Float);
    return std::bit_cast<float>(dword(base + field.offset));
}

void ConfigImage::setRealAt(std::size_t base, const FieldInfo& field, float value)
{
    requireKind(field.kind == FieldKind::Float);
    setDword(base + field.offset, std::bit_cast<uint32_t>(value));
}

std::span<uint8_t> ConfigImage::bytesAt(std::size_t base, const FieldInfo& field)
{
    if (base + field.offset + field.extent() > kSize)
        throw std::out_of_range("configuration field outside the image");
    return {bytes_.data() + base + field.offset, field.extent()};
}

std::span<const uint8_t> ConfigImage::bytesAt(std::size_t base, const FieldInfo& field) const
{
    if (base + field.offset + field.extent() > kSize)
        throw std::out_of_range("configuration field outside the image");
    return {bytes_.data() + base + field.offset, field.extent()};
}

QByteArray ConfigImage::textAt(std::size_t base, const FieldInfo& field) const
{
    requireKind(field.kind == FieldKind::Text);
    const auto bytes = bytesAt(base, field);
    std::size_t n = 0;
    while (n < bytes.size() && bytes[n] != 0)
        ++n;
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(n));
}

void ConfigImage::setTextPaddedAt(std::size_t base, const FieldInfo& field, const QByteArray& text)
{
    requireKind(field.kind == FieldKind::Text);
    auto bytes = bytesAt(base, field);
    const std::size_t n = std::min<std::size_t>(std::size_t(text.size()), bytes.size() - 1);
    std::fill(bytes.begin(), bytes.end(), 0);
    std::memcpy(bytes.data(), text.constData(), n);
}

void ConfigImage::setTextTerminatedAt(std::size_t base, const FieldInfo& field, const QByteArray& text)
{
    requireKind(field.kind == FieldKind::Text);
    auto bytes = bytesAt(base, field);
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
