#pragma once
// The rows of the touch-memory key grid as one list: taking in a key that the
// controller's reader presented, and moving a row to another place.

#include <QList>
#include <QString>

#include "model/TouchKeyRow.h"

namespace vrm {

inline constexpr int kTouchKeyCount = 32;

enum class KeyArrival { Added, AlreadyInTable, MemoryFull };

struct KeyArrivalResult {
    KeyArrival outcome;
    int row = -1; // 0-based row that holds the key (Added, AlreadyInTable)
};

// A presented code (16 hexadecimal digits): a row that already holds the same
// code (compared as a number, so "ABC" matches "0000000000000ABC") is reported;
// otherwise the first unused row (a blank code) takes it, named "KEY" and the row
// number, with both rights ticked and no profile.
KeyArrivalResult receiveKey(QList<TouchKeyRow>& rows, const QString& code);

// Moves row `from` to place `to` (0-based); the rows in between shift by one.
// Row numbers are positions, so the moved rows are renumbered by this alone.
void moveKeyRow(QList<TouchKeyRow>& rows, int from, int to);

} // namespace vrm
