#pragma once
// The declared memory map of the configuration image: blocks, record arrays
// and fields. Pages bind their controls through these declarations, so every
// offset lives here once.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vrm {

struct Block {
    std::size_t offset;
    std::size_t size;
    constexpr std::size_t end() const { return offset + size; }
};

enum class FieldKind : uint8_t { Bits, U8, U16, U32, Float, Text, IPv4, Raw };

struct Field {
    std::string_view name;
    uint16_t offset;    // relative to its record
    uint16_t width;     // bytes
    FieldKind kind;
    uint8_t firstBit = 0;
    uint8_t bitCount = 0;
};

constexpr Field bitField(std::string_view name, uint16_t offset, uint8_t first, uint8_t count)
{
    return {name, offset, 1, FieldKind::Bits, first, count};
}
constexpr Field u8Field(std::string_view name, uint16_t offset) { return {name, offset, 1, FieldKind::U8}; }
constexpr Field u16Field(std::string_view name, uint16_t offset) { return {name, offset, 2, FieldKind::U16}; }
constexpr Field u32Field(std::string_view name, uint16_t offset) { return {name, offset, 4, FieldKind::U32}; }
constexpr Field floatField(std::string_view name, uint16_t offset) { return {name, offset, 4, FieldKind::Float}; }
constexpr Field ipv4Field(std::string_view name, uint16_t offset) { return {name, offset, 4, FieldKind::IPv4}; }
constexpr Field textField(std::string_view name, uint16_t offset, uint16_t width)
{
    return {name, offset, width, FieldKind::Text};
}
constexpr Field rawField(std::string_view name, uint16_t offset, uint16_t width)
{
    return {name, offset, width, FieldKind::Raw};
}

// `count` records of `size` bytes from `base`; a single block is a count of 1.
struct RecordArray {
    std::size_t base;
    std::size_t size;
    std::size_t count;
    constexpr std::size_t at(std::size_t index) const { return base + size * index; }
    constexpr std::size_t end() const { return base + size * count; }
};

// One record type with the fields declared in it, for checks and readable names.
struct RecordLayout {
    std::string_view name;
    RecordArray array;
    std::span<const Field> fields;
};

namespace blocks {
constexpr Block image{0, 23360};
constexpr Block main{0, 5292};
constexpr Block modes{5292, 10};
constexpr Block gap{5302, 2};
constexpr Block systemParameters{5304, 24};
constexpr Block phoneListHeader{5328, 32};
constexpr Block phoneRecords{5360, 18000};
constexpr Block phoneList{5328, 18032}; // header and records, one controller area
} // namespace blocks

namespace layout {

// --- Image signature (offsets 0-11) ---
namespace signature {
constexpr RecordArray array{0, 12, 1};
constexpr Field format = u8Field("format", 0);
constexpr Field version = textField("version", 1, 8);
constexpr Field versionNumber = rawField("version number", 3, 5); // "01.02", carried by file headers
constexpr Field reserved = rawField("reserved", 9, 3);
} // namespace signature

// --- Common connection parameters and security (page 1) ---
namespace common {
constexpr RecordArray array{12, 56, 1};
constexpr Field systemPassword = textField("administrator password", 8, 9); // image offset 20
constexpr Field pin = textField("SIM PIN", 17, 9);                        // 29
constexpr Field dtmfPassword = textField("DTMF password", 26, 5);         // 38
constexpr Field smsPassword = textField("SMS password", 31, 9);           // 43
constexpr Field smsCentre = textField("SMS centre", 40, 16);              // 52
} // namespace common

// --- Connections 1-8 (pages 2-9) ---
constexpr RecordArray connections{68, 36, 8};
namespace connection {
constexpr Field phone = textField("phone", 0, 16);
} // namespace connection

// --- Inputs ---
constexpr RecordArray inputsCommon{356, 4, 1};
constexpr RecordArray inputs{360, 92, 16};
namespace input {
constexpr Field name = textField("name", 0, 17);
constexpr Field activeText = textField("active text", 17, 17);
constexpr Field inactiveText = textField("inactive text", 34, 17);
} // namespace input

// --- Relays 1-2 and outputs 1-5 ---
constexpr RecordArray outputs{1832, 52, 7};
namespace output {
constexpr Field name = textField("name", 0, 17);
constexpr Field onText = textField("on text", 17, 17);
constexpr Field offText = textField("off text", 34, 17);
} // namespace output

// --- Control scenarios: 17 little-endian words each ---
constexpr RecordArray scenarios{2196, 34, 14};

// --- Clock and task scheduler; power, temperature, indication, tamper ---
constexpr RecordArray scheduler{2672, 136, 1};
constexpr RecordArray power{2808, 10, 1};
constexpr RecordArray balance{2818, 24, 1};
constexpr RecordArray powerTail{2842, 10, 1};

// --- GPRS common parameters (page 10) ---
namespace gprs {
constexpr RecordArray array{2852, 88, 1};
constexpr Field apn = textField("APN", 0, 33);                 // 2852
constexpr Field userName = textField("GPRS login", 33, 17);    // 2885
constexpr Field password = textField("GPRS password", 50, 17); // 2902
constexpr Field strategy = rawField("connection strategy", 82, 4); // 2934-2937
} // namespace gprs

// --- Servers 1-3 (pages 11-13) ---
constexpr RecordArray servers{2940, 44, 3};

// --- Offsets no page edits ---
constexpr RecordArray reserved3072{3072, 15, 1};

// --- Perimeters 1-4 and the touch-memory key table ---
constexpr RecordArray perimeters{3087, 51, 4};
namespace perimeter {
constexpr Field name = textField("name", 0, 17);
} // namespace perimeter
constexpr RecordArray touchMemoryKeys{3292, 32, 32};

// --- Profiles 1-8 ---
constexpr RecordArray profiles{4316, 122, 8};
namespace profile {
constexpr Field name = textField("name", 0, 17);
} // namespace profile

// --- Control phone list records (never edited, only their check byte is computed) ---
constexpr RecordArray phoneRecords{5360, 36, 500};
namespace phoneRecord {
constexpr Field check = u8Field("check byte", 32);
}

// Every record type with its declared fields.
std::span<const RecordLayout> records();

} // namespace layout
} // namespace vrm
