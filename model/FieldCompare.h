#pragma once
// Which fields of the main block differ between two images, named and valued
// as an installer reads them.

#include <QList>
#include <QString>

#include "model/ConfigImage.h"

namespace vrm {

struct FieldDifference {
    int page = -1;        // the tree page that edits the field, -1 when none does
    QString name;         // "Вход 3 · Название входа", or "Прочие байты по смещению N"
    QString ownValue;     // in the first image (the tool's)
    QString otherValue;   // in the second (the controller's or a file's)
    std::size_t offset = 0;
};

// Fields first, in the order of the field map, then the unowned bytes; empty when the main blocks are equal.
QList<FieldDifference> compareMainBlocks(const ConfigImage& own, const ConfigImage& other);

} // namespace vrm
