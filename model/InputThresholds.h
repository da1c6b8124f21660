#pragma once
// The alarm thresholds of an input (raw 0-4095) and when a reading counts as
// active. Shared by the input pages and the profile pages.

#include <optional>

namespace vrm {

struct Thresholds {
    int low;
    int high;
};

// The high threshold was moved: a high below the low one takes the low one along.
Thresholds afterHighMoved(Thresholds thresholds);
// The low threshold was moved: a low above the high one takes the high one along.
Thresholds afterLowMoved(Thresholds thresholds);

// Active level, the item index of " Активный входной уровень ".
namespace activelevel {
constexpr int lowOrHigh = 0;
constexpr int low = 1;
constexpr int window = 2;
constexpr int high = 3;
constexpr int lowHysteresis = 4;  // active at or below low, normal again at or above high
constexpr int highHysteresis = 5; // active at or above high, normal again at or below low
} // namespace activelevel

// Whether reading `raw` counts as active for `level`; nullopt where the reading
// lies in a hysteresis band (or the level is unknown) and the state stays as it was.
std::optional<bool> readingIsActive(int level, int raw, Thresholds thresholds);

} // namespace vrm
