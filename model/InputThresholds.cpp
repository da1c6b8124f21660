#include "model/InputThresholds.h"

namespace vrm {

Thresholds afterHighMoved(Thresholds t)
{
    if (t.high < t.low)
        t.low = t.high;
    return t;
}

Thresholds afterLowMoved(Thresholds t)
{
    if (t.low > t.high)
        t.high = t.low;
    return t;
}

std::optional<bool> readingIsActive(int level, int raw, Thresholds t)
{
    const bool atOrBelowLow = raw <= t.low;
    const bool atOrAboveHigh = raw >= t.high;
    switch (level) {
    case activelevel::lowOrHigh: return atOrBelowLow || atOrAboveHigh;
    case activelevel::low: return atOrBelowLow;
    case activelevel::window: return t.low <= raw && raw <= t.high;
    case activelevel::high: return atOrAboveHigh;
    case activelevel::lowHysteresis:
        if (atOrBelowLow)
            return true;
        if (atOrAboveHigh)
            return false;
        return std::nullopt;
    case activelevel::highHysteresis:
        if (atOrAboveHigh)
            return true;
        if (atOrBelowLow)
            return false;
        return std::nullopt;
    default: return std::nullopt;
    }
}

} // namespace vrm
