#pragma once
// One row of the touch-memory key grid of the perimeter pages, and the codings
// of its columns: the arm/disarm rights of each perimeter and the profile number.

#include <QString>
#include <cstdint>

namespace vrm {

struct TouchKeyRow {
    QString code;         // 16 hexadecimal digits, or 16 blanks for an unused entry
    QString name;         // user name
    bool arm = false;     // " О": the key may arm the page's perimeter
    bool disarm = false;  // " Н": the key may disarm it
    QString profile;      // "1" ... "8", or "-" for none

    bool operator==(const TouchKeyRow&) const = default;
};

// The row of an unused table entry.
TouchKeyRow emptyTouchKeyRow();

// The rights byte holds two bits per perimeter p (1-4): bit 2(p-1) arm, bit 2(p-1)+1 disarm.
bool keyMayArm(uint8_t rights, int perimeter);
bool keyMayDisarm(uint8_t rights, int perimeter);
// The byte with perimeter p's two bits replaced; the other perimeters' bits kept.
uint8_t withKeyRights(uint8_t rights, int perimeter, bool arm, bool disarm);

// The profile column: profile 1-8 as its number, 0 (none) as "-".
QString keyProfileText(uint8_t profile);
// A column text of 1-8 gives that profile; anything else ("-", "9", empty) gives 0.
uint8_t keyProfileFromText(const QString& text);

} // namespace vrm
