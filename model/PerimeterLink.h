#pragma once
// The link of an input to a perimeter: two bits per perimeter in one byte of
// the input record, shown as a three-state check box on the perimeter page.

#include <cstdint>

namespace vrm {

// The check box states: unchecked, greyed (code 1), checked (code 2).
enum class PerimeterLink : uint8_t { None = 0, Greyed = 1, Checked = 2 };

// Perimeter p (1-4) uses bits 2(p-1) and 2(p-1)+1; code 3 shows as unchecked.
PerimeterLink perimeterLink(uint8_t links, int perimeter);
// The byte with perimeter p's two bits replaced; the other perimeters' bits kept.
uint8_t withPerimeterLink(uint8_t links, int perimeter, PerimeterLink link);

} // namespace vrm
