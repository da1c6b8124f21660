#include "model/InputRange.h"

#include "model/LenientNumber.h"

namespace vrm {

StoredRange storedRange(QStringView minText, QStringView maxText)
{
    StoredRange range{float(leadingFloatValue(minText)), float(leadingFloatValue(maxText))};
    if (range.min == range.max) {
        range.min -= 1.0f;
        range.max += 1.0f;
    }
    return range;
}

UserScale typedScale(QStringView minText, QStringView maxText)
{
    return {leadingFloatValue(minText), leadingFloatValue(maxText)};
}

UserScale calibratedScale(UserScale scale, int raw, double wanted)
{
    const double shift = wanted - rawToUserUnits(raw, scale);
    return {scale.min + shift, scale.max + shift};
}

QString userValueText(double value) { return generalFormat(value, 7); }

} // namespace vrm
