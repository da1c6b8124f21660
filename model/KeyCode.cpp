#include "model/KeyCode.h"

#include <algorithm>

namespace vrm {

QString emptyKeyCodeText()
{
    return QString(16, QLatin1Char(' '));
}

QString keyCodeText(std::span<const uint8_t, 8> code)
{
    QString text;
    text.reserve(16);
    for (uint8_t byte : code)
        text += QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    return text;
}

KeyCode keyCodeFromText(const QString& text)
{
    KeyCode code{};
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 16)
        return code;
    uint64_t value = 0;
    for (QChar c : digits) {
        const int digit = QStringView(&c, 1).toInt(nullptr, 16);
        const bool isHexDigit = (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            || (c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F'));
        if (!isHexDigit)
            return KeyCode{};
        value = (value << 4) | uint64_t(digit);
    }
    for (int i = 7; i >= 0; --i) {
        code[std::size_t(i)] = uint8_t(value & 0xFF);
        value >>= 8;
    }
    return code;
}

bool isEmptyKeyCode(std::span<const uint8_t, 8> code)
{
    return std::all_of(code.begin(), code.end(), [](uint8_t b) { return b == 0; });
}

} // namespace vrm
