#pragma once
// The user scale of an analogue input as typed on its page: the two texts that
// become the 32-bit floats of the input record, and the calibration that shifts
// the scale so that the present reading shows a wanted value.

#include <QString>
#include <QStringView>

#include "model/InputScale.h"

namespace vrm {

struct StoredRange {
    float min;
    float max;
};

// The minimum and maximum as stored: each text read by leadingFloatValue(); two
// equal values are spread to min - 1 and max + 1 so that the scale never collapses.
StoredRange storedRange(QStringView minText, QStringView maxText);

// The scale of the page's two texts as the labels use it (no spreading).
UserScale typedScale(QStringView minText, QStringView maxText);

// `scale` moved by one offset so that `raw` reads `wanted`; its width is kept.
UserScale calibratedScale(UserScale scale, int raw, double wanted);

// A minimum or maximum as its edit field shows it: 7 significant digits.
QString userValueText(double value);

} // namespace vrm
