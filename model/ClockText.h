#pragma once
// The controller's clock as text ("DD.MM.YY HH:MM:SS") and as the 6-byte
// payload that sets it (year, month, day, hour, minute, second).

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <span>

namespace vrm {

using ClockPayload = std::array<uint8_t, 6>; // year 0-99, month, day, hour, minute, second

// The fields at character positions 0, 3, 6, 9, 12 and 15 of a DD.MM.YY HH:MM:SS
// text, each read as a decimal number (blanks and missing characters read as 0)
// and kept as its low byte.
ClockPayload clockPayloadFromText(const QString& text);

// What a typed clock text is refused for, checked in this order.
enum class ClockEntryFault { None, Day, Month, Year, Hour, Minute };

// Day below 32, month below 13, year below 100, hour below 24, minute below 60;
// seconds are not checked.
ClockEntryFault checkClockPayload(const ClockPayload& payload);
// The message box text of a fault ("Не верно установлено число", ...); empty for None.
QString clockEntryFaultText(ClockEntryFault fault);

// The clock bytes of the live status record (year, month, day, hour, minute,
// second) as "DD.MM.YY HH:MM:SS", each byte as its tens followed by its units.
QString controllerClockText(std::span<const uint8_t, 6> clock);
// The computer's time in the same layout.
QString computerClockText(const QDateTime& time);

} // namespace vrm
