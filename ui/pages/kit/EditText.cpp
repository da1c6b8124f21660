#include "ui/pages/kit/EditText.h"

#include <QStringList>

namespace vrm::kit {

namespace {
constexpr long long kSaturation = 1'000'000'000'000LL;

long long appendDigit(long long value, QChar digit)
{
    return value >= kSaturation ? kSaturation : value * 10 + digit.digitValue();
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
} // namespace

std::optional<long long> parseInteger(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!isAsciiDigit(text[i]))
            return std::nullopt;
        value = appendDigit(value, text[i]);
    }
    return negative ? -value : value;
}

long long clampedInteger(QStringView text, long long fallback, long long low, long long high)
{
    return std::clamp(parseInteger(text).value_or(fallback), low, high);
}

long long leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    long long value = 0;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i)
        value = appendDigit(value, text[i]);
    return value;
}

uint32_t readDottedAddress(const QString& displayText)
{
    uint32_t address = 0;
    for (int slot = 0; slot < 4; ++slot) {
        const long long number = leadingNumber(QStringView(displayText).mid(4 * slot, 3));
        address = address << 8 | uint32_t(std::min(number, 255LL));
    }
    return address;
}

QString slottedAddress(uint32_t address)
{
    QStringList numbers;
    for (int shift = 24; shift >= 0; shift -= 8)
        numbers << rightAligned(QString::number(address >> shift & 0xFF), 3);
    return numbers.join(u'.');
}

QString rightAligned(const QString& digits, int width)
{
    return digits.rightJustified(width, u' ');
}

namespace {
long long periodQuotient(const QString& text)
{
    return leadingNumber(text.trimmed()) / 5;
}
} // namespace

uint8_t periodUnits(const QString& text)
{
    return uint8_t(std::clamp(periodQuotient(text), 1LL, 252LL));
}

QString fixedPeriodText(const QString& text)
{
    const long long q = periodQuotient(text);
    if (q >= 253)
        return QStringLiteral("1260");
    if (q == 0)
        return QStringLiteral("5");
    return text;
}

float parseReal(const QString& text)
{
    QString normal = text.trimmed();
    normal.replace(u',', u'.');
    bool ok = false;
    const float value = normal.toFloat(&ok);
    return ok ? value : 0.0f;
}

} // namespace vrm::kit
