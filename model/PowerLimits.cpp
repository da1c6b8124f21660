#include "model/PowerLimits.h"

#include <algorithm>

namespace vrm::powerLimits {

QStringList doublingItems(const QString& unit)
{
    QStringList items;
    for (int i = 0; i < 8; ++i)
        items << QString::number(2 << i) + unit;
    return items;
}

QStringList temperatureLevelItems(const QString& unit)
{
    QStringList items;
    for (int i = 0; i < kLevelItems; ++i)
        items << QString::number(kHighestLevel - i) + unit;
    return items;
}

int levelIndex(int8_t stored)
{
    const int index = kHighestLevel - stored;
    return index >= 0 && index < kLevelItems ? index : -1;
}

int8_t levelFromIndex(int index) { return int8_t(kHighestLevel - index); }

int lowIndexAfterHighChanged(int highIndex, int lowIndex) { return lowIndex < highIndex ? highIndex : lowIndex; }

int highIndexAfterLowChanged(int lowIndex, int highIndex) { return lowIndex < highIndex ? lowIndex : highIndex; }

int dischargePercent(int position) { return kDischargeRange - position; }

int dischargePosition(int storedPercent) { return std::clamp(kDischargeRange - storedPercent, 0, kDischargeRange); }

DischargePositions afterWarnMoved(DischargePositions positions)
{
    positions.warn = std::max(positions.warn, kLowestWarnPosition);
    if (positions.alarm < positions.warn)
        positions.alarm = positions.warn;
    return positions;
}

DischargePositions afterAlarmMoved(DischargePositions positions)
{
    if (positions.warn > positions.alarm)
        positions.warn = positions.alarm;
    return positions;
}

NotifyLimits afterHighNotifyMoved(NotifyLimits limits)
{
    limits.high = std::clamp(limits.high, -30, 82);
    if (limits.low >= limits.high - 2)
        limits.low = limits.high - 2;
    return limits;
}

NotifyLimits afterLowNotifyMoved(NotifyLimits limits)
{
    limits.low = std::clamp(limits.low, -32, 80);
    if (limits.low + 2 >= limits.high)
        limits.high = limits.low + 2;
    return limits;
}

} // namespace vrm::powerLimits
