#pragma once
// The item texts with which the window offers a number field as a list (the
// stored value is the item's index plus an offset). The window's pages make
// them known as they are built; a comparison then reads "Аналоговый" where the
// field holds 2. Without them (the command-line tool) values stay numbers.

#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>

namespace vrm {

struct RecordInfo;

void registerFieldItems(const RecordInfo& record, std::string_view fieldId, const QStringList& items, int offset);

// The item `value` stands for, if the field is offered as a list holding it.
std::optional<QString> fieldItemText(const RecordInfo& record, std::string_view fieldId, uint32_t value);

} // namespace vrm
