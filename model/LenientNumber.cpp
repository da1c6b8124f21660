#include "model/LenientNumber.h"

#include <QByteArray>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace vrm {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the decimal number at the start of `s`, 0 when there is none.
std::size_t decimalPrefixLength(const QByteArray& s)
{
    std::size_t i = 0;
    const std::size_t n = std::size_t(s.size());
    if (i < n && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < n && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    // An exponent counts only when at least one digit follows its letter and sign.
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < n && isDigit(s[j])) {
            while (j < n && isDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

} // namespace

double leadingDecimal(QStringView text)
{
    QString normalised = text.toString();
    normalised.replace(QLatin1Char(','), QLatin1Char('.'));
    // Non-ASCII characters can never be part of the number; Latin-1 keeps positions.
    QByteArray s = normalised.toLatin1();
    qsizetype start = 0;
    while (start < s.size() && (s[start] == ' ' || (s[start] >= '\t' && s[start] <= '\r')))
        ++start;
    s = s.mid(start);
    const std::size_t length = decimalPrefixLength(s);
    if (length == 0)
        return 0.0;

    // from_chars takes no leading '+' and ignores the locale.
    const char* first = s.constData();
    const char* last = first + length;
    bool negative = false;
    if (*first == '+' || *first == '-') {
        negative = *first == '-';
        ++first;
    }
    double value = 0.0;
    const auto [ptr, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too large gives infinity; too small gives zero, like the C library.
        const bool tooLarge = [&] {
            const char* e = std::find_if(first, last, [](char c) { return c == 'e' || c == 'E'; });
            return e == last || e[1] != '-';
        }();
        value = tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc()) {
        value = 0.0;
    }
    (void)ptr;
    return negative ? -value : value;
}

double leadingFloatValue(QStringView text)
{
    const double largest = std::numeric_limits<float>::max();
    return std::clamp(leadingDecimal(text), -largest, largest);
}

QString generalFormat(double value, int significantDigits)
{
    if (value == 0.0 || std::isnan(value))
        return QStringLiteral("0");
    QString text = QString::number(value, 'g', significantDigits);
    // Rounding a tiny negative value can still give "-0".
    if (text == QLatin1String("-0"))
        return QStringLiteral("0");
    return text;
}

} // namespace vrm
