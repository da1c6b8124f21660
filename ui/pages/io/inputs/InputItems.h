#pragma once
// Item lists of the input and profile pages.

#include <QStringList>

namespace vrm::inputs {

// The action on an output, index = stored value: none, on, off, scenario 1-14.
QStringList actionItems();
// "Реле 1", "Реле 2", "Выход 1" ... "Выход 5": the labels of the seven action boxes.
QStringList outputLabels();
// Suggestions for the names of an input's active and passive state.
QStringList stateNameSuggestions();
// step x n followed by `unit`, for n in [first, last]: "10 Sec.", "20 Sec." ...
QStringList steppedItems(int first, int last, int step, const QString& unit);

} // namespace vrm::inputs
