#pragma once
// Readable names of the declared records and fields, as an installer reads
// them: "Вход 3 · Название входа", for compare and export.

#include <QString>
#include <cstddef>

#include "model/Layout.h"

namespace vrm {

// "Вход 3", "Реле 2", "Общие параметры GPRS".
QString recordTitle(const layout::Placement& placement, std::size_t index);

// The record's title and the field's caption; an element of a field with
// several gets its number ("... · Шаги 3"); `path` holds the captions of the
// sub-records between (outermost first).
QString fieldName(const QString& recordTitle, const FieldInfo& field, std::size_t element = 0,
                  const QString& path = {});

} // namespace vrm
