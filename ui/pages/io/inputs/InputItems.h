#pragma once
// Item lists of the input and profile pages.

#include <QStringList>

namespace vrm::inputs {

// Suggestions for the names of an input's active and passive state.
QStringList stateNameSuggestions();
// step x n followed by `unit`, for n in [first, last]: "10 Sec.", "20 Sec." ...
QStringList steppedItems(int first, int last, int step, const QString& unit);

} // namespace vrm::inputs
