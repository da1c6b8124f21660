#pragma once
// Value rules of the power, temperature, indication and tamper page: the
// generated lists, the temperature level coding and the interlocks that keep
// the limits in order.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace vrm::powerLimits {

// Averaging and message-interval lists: item i stands for 2^(i+1) units
// (2 to 256); `unit` is " Sec." or " Min.".
QStringList doublingItems(const QString& unit);

// Output-control temperature levels: item i stands for 89 - i degrees, from 89 down to -39.
inline constexpr int kHighestLevel = 89;
inline constexpr int kLevelItems = 129;
QStringList temperatureLevelItems(const QString& unit);
// The item for a stored level, or -1 when the level has no item (above 89 or below -39).
int levelIndex(int8_t stored);
int8_t levelFromIndex(int index);

// Output-control levels: the low level never lies above the high one.
// Each returns the other box's index after the named box changed.
int lowIndexAfterHighChanged(int highIndex, int lowIndex);
int highIndexAfterLowChanged(int lowIndex, int highIndex);

// Battery discharge limits, as track bar positions: percent = 100 - position.
inline constexpr int kDischargeRange = 100;
inline constexpr int kLowestWarnPosition = 10; // the first limit is at most 90 %
int dischargePercent(int position);
int dischargePosition(int storedPercent);

struct DischargePositions {
    int warn = 0;  // first limit
    int alarm = 0; // second limit, never above the first in percent
    bool operator==(const DischargePositions&) const = default;
};
// One step of the interlock after the first limit's track bar moved.
DischargePositions afterWarnMoved(DischargePositions positions);
// One step of the interlock after the second limit's track bar moved.
DischargePositions afterAlarmMoved(DischargePositions positions);

// Notification limits in degrees (track bar range -40..90): at least 2 degrees apart.
inline constexpr int kNotifyRangeLow = -40;
inline constexpr int kNotifyRangeHigh = 90;
struct NotifyLimits {
    int low = 0;
    int high = 0;
    bool operator==(const NotifyLimits&) const = default;
};
NotifyLimits afterHighNotifyMoved(NotifyLimits limits);
NotifyLimits afterLowNotifyMoved(NotifyLimits limits);

} // namespace vrm::powerLimits
