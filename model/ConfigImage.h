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

    // Typed field access: the record's place and one of its fields. A field of
    // another record type, or a field of the wrong kind, does not compile.
    template <class R, FieldKind K>
        requires(isUnsignedKind(K))
    uint32_t get(RecordAt<R> at, const Field<R, K>& field, std::size_t element = 0) const
    {
        return numberAt(at.base, field.info, field.checkedElement(element));
    }
    template <class R, FieldKind K>
        requires(isUnsignedKind(K))
    void set(RecordAt<R> at, const Field<R, K>& field, uint32_t value, std::size_t element = 0)
    {
        setNumberAt(at.base, field.info, value, field.checkedElement(element));
    }
    template <class R> int getSigned(RecordAt<R> at, const Field<R, FieldKind::I8>& field) const
    {
        return int8_t(byte(at.base + field.info.offset));
    }
    template <class R> void setSigned(RecordAt<R> at, const Field<R, FieldKind::I8>& field, int value)
    {
        setByte(at.base + field.info.offset, uint8_t(int8_t(value)));
    }
    template <class R> float real(RecordAt<R> at, const Field<R, FieldKind::Float>& field) const
    {
        return realAt(at.base, field.info);
    }
    template <class R> void setReal(RecordAt<R> at, const Field<R, FieldKind::Float>& field, float value)
    {
        setRealAt(at.base, field.info, value);
    }
    // Text fields: bytes up to the first NUL inside the field's width.
    template <class R> QByteArray text(RecordAt<R> at, const Field<R, FieldKind::Text>& field) const
    {
        return textAt(at.base, field.info);
    }
    // Copies at most width-1 bytes and pads the rest of the field with NUL.
    template <class R>
    void setTextPadded(RecordAt<R> at, const Field<R, FieldKind::Text>& field, const QByteArray& text)
    {
        setTextPaddedAt(at.base, field.info, text);
    }
    // Copies at most width-1 bytes and one NUL; the bytes behind it keep their value.
    template <class R>
    void setTextTerminated(RecordAt<R> at, const Field<R, FieldKind::Text>& field, const QByteArray& text)
    {
        setTextTerminatedAt(at.base, field.info, text);
    }
    // The bytes of a field of any kind, all its elements.
    template <class R, FieldKind K> std::span<uint8_t> bytes(RecordAt<R> at, const Field<R, K>& field)
    {
        return bytesAt(at.base, field.info);
    }
    template <class R, FieldKind K> std::span<const uint8_t> bytes(RecordAt<R> at, const Field<R, K>& field) const
    {
        return bytesAt(at.base, field.info);
    }

    // Untyped access for code that walks the declarations (checks, compare,
    // export): `base` is the record's absolute offset. Pages use the typed
    // calls above.
    uint32_t numberAt(std::size_t base, const FieldInfo& field, std::size_t element = 0) const;
    void setNumberAt(std::size_t base, const FieldInfo& field, uint32_t value, std::size_t element = 0);
    float realAt(std::size_t base, const FieldInfo& field) const;
    void setRealAt(std::size_t base, const FieldInfo& field, float value);
    QByteArray textAt(std::size_t base, const FieldInfo& field) const;
    void setTextPaddedAt(std::size_t base, const FieldInfo& field, const QByteArray& text);
    void setTextTerminatedAt(std::size_t base, const FieldInfo& field, const QByteArray& text);
    std::span<uint8_t> bytesAt(std::size_t base, const FieldInfo& field);
    std::span<const uint8_t> bytesAt(std::size_t base, const FieldInfo& field) const;

    bool operator==(const ConfigImage&) const = default;

private:
    std::array<uint8_t, kSize> bytes_;
};

// Negated XOR check: (256 - XOR of the bytes) mod 256, so that the XOR of the
// bytes plus the check byte is 0 mod 256.
uint8_t negatedXor(std::span<const uint8_t> bytes);

} // namespace vrm
