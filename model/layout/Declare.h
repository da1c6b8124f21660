#pragma once
// How the memory map of the configuration image is declared: record types,
// the fields of each record and where the record arrays lie in the image.
//
// Every field is declared once, in a list per record type:
//
//   namespace input {
//   struct Record { static constexpr std::size_t size = 92;
//                   static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Вход %1"); };
//   #define VRM_INPUT_FIELDS(F)  F(name, text(0, 17), QT_TRANSLATE_NOOP("Ui", "Название входа")) ...
//   VRM_DECLARE_FIELDS(VRM_INPUT_FIELDS)
//   }
//
// which declares the typed constants `input::name`, `input::sensorType`, the
// list `input::fields` that checks, compare and export walk, and
// `input::record`, the record type's description. A field is typed by its
// record and its kind, so reading a field at another record's place or a text
// as a number does not compile.

#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>

#include "model/layout/Domain.h"
#include "model/layout/Items.h"

namespace vrm {

enum class FieldKind : uint8_t {
    Bits,    // bit field inside one byte
    U8,      // unsigned byte
    I8,      // signed byte
    U16,     // little-endian word
    U32,     // little-endian double word
    Float,   // IEEE single, little-endian
    Text,    // code page 1251, NUL-terminated inside its width
    IPv4,    // address as a little-endian number, first dotted number most significant
    Raw,     // bytes no control interprets
    Records, // an array of sub-records of another record type
};

constexpr bool isUnsignedKind(FieldKind kind)
{
    return kind == FieldKind::Bits || kind == FieldKind::U8 || kind == FieldKind::U16 || kind == FieldKind::U32
           || kind == FieldKind::IPv4;
}

struct RecordInfo;

// What a declaration knows of itself, for walking the layout.
struct FieldInfo {
    std::string_view id;      // the constant's name in code
    std::string_view caption; // readable, as the page calls the setting
    uint16_t offset = 0;      // first byte, from the record's start
    uint16_t width = 0;       // bytes of one element (a bit field's byte: 1)
    uint16_t count = 1;       // elements: equal fields one after the other
    FieldKind kind = FieldKind::Raw;
    uint8_t firstBit = 0;     // bit fields: element k holds bits firstBit + k * bitCount ...
    uint8_t bitCount = 0;
    const RecordInfo* sub = nullptr; // kind Records: the sub-record type
    Domain domain;                   // what the value means (items, range, unit)
    Shown shown = Shown::Number;     // how a reader sees it

    // Bytes the field covers (a bit field array stays inside its one byte).
    constexpr uint16_t extent() const { return kind == FieldKind::Bits ? width : uint16_t(width * count); }
    // Offset of element `element` from the record's start.
    constexpr std::size_t elementOffset(std::size_t element) const
    {
        return kind == FieldKind::Bits ? offset : offset + width * element;
    }
    constexpr uint8_t elementFirstBit(std::size_t element) const { return uint8_t(firstBit + bitCount * element); }
};

// A record type: its size, its readable title ("%1" stands for the record's
// number) and its fields in declaration order.
struct RecordInfo {
    std::string_view title;
    std::size_t size = 0;
    std::span<const FieldInfo> fields;
};

// The place of one record of type R in the image.
template <class R> struct RecordAt {
    std::size_t base = 0;
};

// A field of record type R whose kind is K.
template <class R, FieldKind K> struct Field {
    FieldInfo info;
    // Elements are numbered from 0; an element outside the field fails in every build.
    constexpr std::size_t checkedElement(std::size_t element) const
    {
        if (element >= info.count)
            throw std::out_of_range("field element out of range");
        return element;
    }
};

// An array of sub-records of type Sub inside a record of type R.
template <class R, class Sub> struct SubRecords {
    FieldInfo info;
    constexpr RecordAt<Sub> operator()(RecordAt<R> parent, std::size_t index = 0) const
    {
        if (index >= info.count)
            throw std::out_of_range("sub-record index out of range");
        return {parent.base + info.offset + Sub::size * index};
    }
};

// The tree page that edits record `index` of an array whose record 0 is edited
// on `firstPage` and whose first `pages` records have a page of their own; with
// `pages` 1 one page edits them all. -1: no page.
constexpr int pageOfRecord(int firstPage, int pages, std::size_t count, std::size_t index)
{
    if (firstPage < 0 || index >= count)
        return -1;
    if (pages == 1)
        return firstPage;
    return index < std::size_t(pages) ? firstPage + int(index) : -1;
}

// `count` records of type R from `base`, edited from `firstPage` on (see pageOfRecord).
template <class R> struct RecordArray {
    std::size_t base = 0;
    std::size_t count = 1;
    int firstPage = -1;
    int pages = 0;

    static constexpr std::size_t size = R::size;
    constexpr RecordAt<R> operator[](std::size_t index) const
    {
        if (index >= count)
            throw std::out_of_range("record index out of range");
        return {base + size * index};
    }
    constexpr std::size_t end() const { return base + size * count; }
    // The tree page that edits record `index`, or -1.
    constexpr int pageOf(std::size_t index) const { return pageOfRecord(firstPage, pages, count, index); }
};

// How each field is declared: the arguments of a field list entry.
namespace decl {
template <FieldKind K> struct Shape {
    uint16_t offset;
    uint16_t width;
    uint16_t count = 1;
    uint8_t firstBit = 0;
    uint8_t bitCount = 0;
};
template <class Sub> struct SubShape {
    uint16_t offset;
    uint16_t count = 1;
};

// `count` bit fields of `bits` bits each, side by side from bit `first` of byte `offset`.
constexpr Shape<FieldKind::Bits> bits(uint16_t offset, uint8_t first, uint8_t bits, uint16_t count = 1)
{
    return {offset, 1, count, first, bits};
}
constexpr Shape<FieldKind::U8> u8(uint16_t offset, uint16_t count = 1) { return {offset, 1, count}; }
constexpr Shape<FieldKind::I8> i8(uint16_t offset) { return {offset, 1}; }
constexpr Shape<FieldKind::U16> u16(uint16_t offset, uint16_t count = 1) { return {offset, 2, count}; }
constexpr Shape<FieldKind::U32> u32(uint16_t offset) { return {offset, 4}; }
constexpr Shape<FieldKind::Float> real(uint16_t offset) { return {offset, 4}; }
constexpr Shape<FieldKind::IPv4> ipv4(uint16_t offset) { return {offset, 4}; }
constexpr Shape<FieldKind::Text> text(uint16_t offset, uint16_t width) { return {offset, width}; }
constexpr Shape<FieldKind::Raw> raw(uint16_t offset, uint16_t width) { return {offset, width}; }
template <class Sub> constexpr SubShape<Sub> records(uint16_t offset, uint16_t count = 1) { return {offset, count}; }
} // namespace decl

constexpr Shown shownByKind(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Text: return Shown::Text;
    case FieldKind::IPv4: return Shown::IPv4;
    case FieldKind::Float: return Shown::Float;
    case FieldKind::Raw:
    case FieldKind::Records: return Shown::Hex;
    default: return Shown::Number;
    }
}

template <class R, FieldKind K>
constexpr Field<R, K> declareField(std::string_view id, std::string_view caption, decl::Shape<K> shape,
                                   Domain domain = {})
{
    return {FieldInfo{id, caption, shape.offset, shape.width, shape.count, K, shape.firstBit, shape.bitCount, nullptr,
                      domain, domain.shownSet ? domain.shown : shownByKind(K)}};
}

template <class R, class Sub>
constexpr SubRecords<R, Sub> declareField(std::string_view id, std::string_view caption, decl::SubShape<Sub> shape)
{
    // `recordInfo` is found beside the sub-record type, declared by VRM_DECLARE_FIELDS.
    return {FieldInfo{id, caption, shape.offset, uint16_t(Sub::size), shape.count, FieldKind::Records, 0, 0,
                      recordInfo(static_cast<const Sub*>(nullptr)), Domain{}, Shown::Hex}};
}

} // namespace vrm

#define VRM_LAYOUT_FIELD_DECLARATION(id, shape, caption, ...) \
    inline constexpr auto id = ::vrm::declareField<Record>(#id, caption, ::vrm::decl::shape __VA_OPT__(, ::vrm::dom::__VA_ARGS__));
#define VRM_LAYOUT_FIELD_INFO(id, shape, caption, ...) id.info,

// Declares, in a namespace whose `Record` is the record type, every field of
// FIELDS (a list macro of F(id, shape, caption) or F(id, shape, caption,
// domain) entries, the domain one of model/layout/Domain.h), the list
// `fields` of them in order and `record`, the record type's description.
#define VRM_DECLARE_FIELDS(FIELDS)                                                                  \
    FIELDS(VRM_LAYOUT_FIELD_DECLARATION)                                                            \
    inline constexpr ::vrm::FieldInfo fields[] = {FIELDS(VRM_LAYOUT_FIELD_INFO)};                   \
    inline constexpr ::vrm::RecordInfo record{Record::title, Record::size, fields};                 \
    constexpr const ::vrm::RecordInfo* recordInfo(const Record*) { return &record; }
