#pragma once
// How the communication pages read numbers and addresses out of edit texts and
// write them back: lenient parsing (no error messages, text that is no number
// gets a fixed default) and clamping to the field's range.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace vrm::kit {

// The whole text as a decimal integer with an optional sign; nullopt when it is no
// number. Values far beyond 32 bits saturate instead of failing.
std::optional<long long> parseInteger(QStringView text);

// parseInteger with `fallback` for text that is no number, clamped to [low, high].
long long clampedInteger(QStringView text, long long fallback, long long low, long long high);

// Digits after leading blanks up to the first non-digit; no digit reads 0.
long long leadingNumber(QStringView text);

// A decimal fraction as typed: "," reads as ".", blanks around it are ignored,
// and text that is no number reads 0.
float parseReal(const QString& text);

// A masked dotted address: four 3-character slots at positions 0, 4, 8 and 12,
// each read as a leading number and clamped to 255. The first number is the most
// significant byte of the result.
uint32_t readDottedAddress(const QString& displayText);
// The four bytes without leading zeros, most significant first, each
// right-aligned in its 3-character slot of a masked address edit
// ("192.168.  1.  1"); the edit's text() then reads "192.168.1.1".
QString slottedAddress(uint32_t address);
// A number right-aligned in a masked edit of `width` digit places.
QString rightAligned(const QString& digits, int width);

// A period edit in minutes stored in units of 5 minutes: 1-252 (5-1260 minutes).
uint8_t periodUnits(const QString& text);
// The text an exit from a period edit leaves: "1260" above the range, "5" below
// it, else the text as typed.
QString fixedPeriodText(const QString& text);

} // namespace vrm::kit
