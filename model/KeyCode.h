#pragma once
// Touch-memory key codes: 8 bytes, most significant byte first, as the key
// table stores them and the key reader reports them; shown as 16 upper-case
// hexadecimal digits.

#include <QString>
#include <array>
#include <cstdint>
#include <span>

namespace vrm {

using KeyCode = std::array<uint8_t, 8>;

// The grid's text of an unused key row: 16 blanks.
QString emptyKeyCodeText();

// 16 upper-case hexadecimal digits, two per byte, byte 0 first.
QString keyCodeText(std::span<const uint8_t, 8> code);

// A typed code: surrounding blanks dropped, read as one hexadecimal number and
// stored right-aligned (a short code leaves the leading bytes 0). An empty text,
// a text with anything but hexadecimal digits or more than 16 digits gives 0.
KeyCode keyCodeFromText(const QString& text);

// All eight bytes 0: the table entry is unused.
bool isEmptyKeyCode(std::span<const uint8_t, 8> code);

} // namespace vrm
