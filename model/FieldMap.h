#pragma once
// The main block as a flat list of what an installer can name: every element
// of every declared field, with its page and readable name, and the runs of
// bits that no field owns. Compare and the text form walk this list, so both
// see the same fields in the same order.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/Layout.h"

namespace vrm {

struct FieldEntry {
    int page = -1;          // tree page that edits it, -1 when none does
    QString name;           // "Вход 3 · Название входа", unique in the block
    std::size_t base = 0;   // absolute offset of the record holding the field
    const FieldInfo* field = nullptr;
    std::size_t element = 0;
    const RecordInfo* record = nullptr; // the record type declaring the field

    // Absolute offset of the element's first byte and its byte count.
    std::size_t offset() const { return base + field->elementOffset(element); }
    std::size_t size() const { return field->kind == FieldKind::Bits ? 1 : field->width; }
    // The bits of each byte that the element owns (0xFF but for bit fields).
    uint8_t bitMask() const;
};

// Bytes, or bits of bytes, that no declared field owns: one run of adjacent bytes.
struct OtherBytes {
    int page = -1;
    std::size_t offset = 0;
    std::vector<uint8_t> masks; // per byte, the bits that no field owns

    std::size_t size() const { return masks.size(); }
    QString name() const;       // "Прочие байты по смещению N"
};

struct FieldMap {
    Block block;
    std::vector<FieldEntry> fields; // image order of the records, declaration order inside
    std::vector<OtherBytes> others; // by offset
};

// The map of the main block (built once).
const FieldMap& mainBlockMap();

} // namespace vrm
