#pragma once
// A live input reading (raw 0-4095) in the unit its input's type gives it in
// the image: volts for a disabled or discrete input, the user scale of an
// analogue sensor, degrees of a temperature probe.

#include <QString>

#include "model/ConfigImage.h"

namespace vrm {

struct InputLiveValue {
    double value = 0;
    QString unit; // "В", "ед.", "°C"
};

// Input 1-8 (the inputs the live status record reads).
InputLiveValue inputLiveValue(const ConfigImage& image, int input, int raw);

} // namespace vrm
