#pragma once
// Numbers typed into the pages' free-text fields. The pages never reject what the
// user typed: a text is read as far as it forms a decimal number, and a comma
// counts as the decimal point, so "5,5" and "5.5" mean the same.

#include <QString>
#include <QStringView>

namespace vrm {

// The value of the longest leading part of `text` (after blanks) that forms a
// decimal number: optional sign, digits with an optional point, optional
// exponent. Every "," is read as ".". A text without such a part gives 0. A value
// beyond the range of double gives +-infinity, one too small for it gives 0.
double leadingDecimal(QStringView text);

// A value for a 32-bit floating-point image field: leadingDecimal() held inside
// the finite range of float, so that no infinity reaches the image or a scale.
double leadingFloatValue(QStringView text);

// `value` with at most `significantDigits` significant digits, trailing zeros
// dropped, exponent form only for very large or very small values; never "-0".
QString generalFormat(double value, int significantDigits);

} // namespace vrm
