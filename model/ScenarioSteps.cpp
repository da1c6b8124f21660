#include "model/ScenarioSteps.h"

namespace vrm::scenario {

int cellValue(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

Row show(const Words& words)
{
    Row row;
    if (words[0] != kSingleRun) {
        row.repeats = true;
        row.count = QString::number(int16_t(words[0]));
    }
    for (int m = 0; m < kSteps; ++m) {
        const uint16_t step = words[m + 1];
        if ((step & kDurationMask) == 0)
            break;
        if (m == 0)
            row.firstLevel = (step & kHigh) ? FirstLevel::High : FirstLevel::Low;
        row.durations[m] = QString::number(step & kDurationMask);
    }
    return row;
}

Words store(const Row& row, const Words& previous)
{
    Words words = previous;
    uint16_t level = row.firstLevel == FirstLevel::High ? kHigh : 0;
    int stoppedAt = kSteps;
    for (int k = 0; k < kSteps; ++k) {
        const int duration = cellValue(row.durations[k]);
        if (duration == 0) {
            words[k + 1] = level;
            stoppedAt = k;
            break;
        }
        words[k + 1] = uint16_t((duration & kDurationMask) | level);
        level ^= kHigh;
    }
    if (row.repeats) {
        // A repeating scenario's terminator carries the last step's level.
        if (stoppedAt < kSteps)
            words[stoppedAt + 1] = level ^ kHigh;
        words[0] = uint16_t(cellValue(row.count) & 0xFFFF);
    } else {
        words[0] = kSingleRun;
    }
    return words;
}

} // namespace vrm::scenario
