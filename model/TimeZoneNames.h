#pragma once
// The time zone list of the clock page: 26 zones from GMT-12 to GMT+13, the
// item index being the stored UTC offset plus 12.

#include <QStringList>
#include <optional>

namespace vrm {

inline constexpr int kTimeZoneOffsetMin = -12;
inline constexpr int kTimeZoneOffsetMax = 13;

QStringList timeZoneNames();

// Item index of a stored offset; none for an offset outside the list.
std::optional<int> timeZoneIndex(int8_t offset);
int8_t timeZoneOffset(int index);

} // namespace vrm
