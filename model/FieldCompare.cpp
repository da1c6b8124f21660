#include "model/FieldCompare.h"

#include "model/FieldMap.h"
#include "model/FieldText.h"

namespace vrm {

QList<FieldDifference> compareMainBlocks(const ConfigImage& own, const ConfigImage& other)
{
    QList<FieldDifference> differences;
    const FieldMap& map = mainBlockMap();
    for (const FieldEntry& entry : map.fields) {
        if (!sameValue(own, other, entry))
            differences.append({entry.page, entry.name, readableValue(own, entry), readableValue(other, entry),
                                entry.offset()});
    }
    for (const OtherBytes& bytes : map.others) {
        if (!sameValue(own, other, bytes))
            differences.append({bytes.page, bytes.name(), exactValue(own, bytes), exactValue(other, bytes),
                                bytes.offset});
    }
    return differences;
}

} // namespace vrm
