#include "model/FieldText.h"

#include <QStringList>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>

#include "model/Cp1251.h"
#include "model/FactoryImage.h"
#include "model/FieldDomain.h"
#include "model/UiText.h"

namespace vrm {

namespace {

// The character each code page 1251 byte reads as, or a null QChar where the
// byte must be written as \xHH: control bytes, the quote, the backslash and
// bytes that do not come back unchanged through the code page.
const std::array<QChar, 256>& characterOfByte()
{
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> chars{};
        for (int b = 0x20; b < 256; ++b) {
            if (b == '"' || b == '\\' || b == 0x7F)
                continue;
            const QString decoded = fromCp1251(QByteArray(1, char(b)));
            if (decoded.size() == 1 && toCp1251(decoded) == QByteArray(1, char(b)))
                chars[std::size_t(b)] = decoded[0];
        }
        return chars;
    }();
    return table;
}

QString hexDigits(uint32_t value, int digits)
{
    return QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

QString hexBytes(std::span<const uint8_t> bytes)
{
    QString out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i)
            out += u' ';
        out += hexDigits(bytes[i], 2);
    }
    return out;
}

// Hexadecimal pairs separated by blanks; false when malformed.
bool parseHex(const QString& text, QByteArray& bytes)
{
    bytes.clear();
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        bool ok = false;
        const uint value = part.toUInt(&ok, 16);
        if (!ok || part.size() != 2)
            return false;
        bytes.append(char(value));
    }
    return true;
}

QString quotedText(std::span<const uint8_t> bytes)
{
    QString out(QLatin1Char('"'));
    for (uint8_t b : bytes) {
        const QChar c = characterOfByte()[b];
        if (b == '"' || b == '\\')
            out += QStringLiteral("\\") + QChar(b);
        else if (c.isNull())
            out += QStringLiteral("\\x") + hexDigits(b, 2);
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

// Reads a quoted text from the start of `text`; `rest` gets what follows the closing quote.
bool parseQuoted(const QString& text, QByteArray& bytes, QString& rest, QString& reason)
{
    bytes.clear();
    if (!text.startsWith(u'"')) {
        reason = Ui::tr("текст должен быть в кавычках");
        return false;
    }
    for (qsizetype i = 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"') {
            rest = text.mid(i + 1);
            return true;
        }
        if (c == u'\\') {
            if (i + 1 < text.size() && (text[i + 1] == u'"' || text[i + 1] == u'\\')) {
                bytes.append(char(text[++i].unicode()));
                continue;
            }
            bool ok = false;
            const uint value = text.mid(i + 2, 2).toUInt(&ok, 16);
            if (i + 3 >= text.size() || text[i + 1] != u'x' || !ok) {
                reason = Ui::tr("неверная escape-последовательность в тексте");
                return false;
            }
            if (value == 0) {
                reason = Ui::tr("символ NUL внутри текста");
                return false;
            }
            bytes.append(char(value));
            i += 3;
            continue;
        }
        const QByteArray encoded = toCp1251(QString(c));
        if (encoded.size() != 1 || fromCp1251(encoded) != QString(c) || uint8_t(encoded[0]) < 0x20) {
            reason = Ui::tr("символ «%1» не входит в кодовую страницу 1251").arg(c);
            return false;
        }
        bytes.append(encoded);
    }
    reason = Ui::tr("нет закрывающей кавычки");
    return false;
}

QString floatText(uint32_t bits)
{
    const float value = std::bit_cast<float>(bits);
    if (std::isfinite(value)) {
        for (int digits = 6; digits <= 9; ++digits) {
            const QString text = QString::number(double(value), 'g', digits);
            if (std::bit_cast<uint32_t>(text.toFloat()) == bits)
                return text;
        }
    }
    return QStringLiteral("0x") + hexDigits(bits, 8);
}

QString ipv4Text(uint32_t value)
{
    return QStringLiteral("%1.%2.%3.%4").arg(value >> 24).arg((value >> 16) & 0xFF).arg((value >> 8) & 0xFF).arg(value & 0xFF);
}

long long numberValue(const ConfigImage& image, const FieldEntry& entry)
{
    if (entry.field->kind == FieldKind::I8)
        return int8_t(image.byte(entry.offset()));
    return image.numberAt(entry.base, *entry.field, entry.element);
}

// The factory configuration: a value it holds imports even where it lies outside the declared domain.
const ConfigImage& factory()
{
    static const ConfigImage image = buildFactoryImage();
    return image;
}

std::span<const uint8_t> elementBytes(const ConfigImage& image, const FieldEntry& entry)
{
    return {image.data() + entry.offset(), entry.size()};
}

QString textValue(const ConfigImage& image, const FieldEntry& entry)
{
    const auto bytes = elementBytes(image, entry);
    std::size_t length = 0;
    while (length < bytes.size() && bytes[length] != 0)
        ++length;
    QString out = quotedText(bytes.first(length));
    const auto tail = bytes.subspan(length);
    if (std::any_of(tail.begin(), tail.end(), [](uint8_t b) { return b != 0; }))
        out += QStringLiteral(" + ") + hexBytes(tail);
    return out;
}

bool parseText(const QString& text, const FieldEntry& entry, QByteArray& bytes, QString& reason)
{
    QString rest;
    if (!parseQuoted(text, bytes, rest, reason))
        return false;
    const int width = entry.field->width;
    rest = rest.trimmed();
    if (rest.isEmpty()) {
        if (bytes.size() > width) {
            reason = Ui::tr("текст длиннее поля (%1 байт)").arg(width);
            return false;
        }
        bytes.append(QByteArray(width - bytes.size(), '\0'));
        return true;
    }
    QByteArray tail;
    if (!rest.startsWith(u'+') || !parseHex(rest.mid(1), tail) || tail.isEmpty() || tail[0] != '\0') {
        reason = Ui::tr("после текста ожидается + и байты, начиная с 00");
        return false;
    }
    if (bytes.size() + tail.size() != width) {
        reason = Ui::tr("текст и байты за ним должны занимать ровно %1 байт").arg(width);
        return false;
    }
    bytes.append(tail);
    return true;
}

bool parseNumber(const QString& text, const FieldEntry& entry, ConfigImage& image, QString& reason)
{
    // An item text, a unit or a remark may follow as a comment: "2 # выключить".
    const QString value = text.section(u'#', 0, 0).trimmed();
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok, 10);
    if (!ok) {
        reason = Ui::tr("значение не число: «%1»").arg(value);
        return false;
    }
    const FieldInfo& field = *entry.field;
    const NumberBounds kind = kindBounds(field);
    const bool fits = number >= kind.low && number <= kind.high;
    if (!fits || (!inDomain(field, number) && number != numberValue(factory(), entry))) {
        reason = Ui::tr("значение %1 вне диапазона %2").arg(number).arg(allowedValues(field));
        return false;
    }
    if (field.kind == FieldKind::I8)
        image.setByte(entry.offset(), uint8_t(int8_t(number)));
    else
        image.setNumberAt(entry.base, field, uint32_t(number), entry.element);
    return true;
}

bool parseFloat(const QString& text, const FieldEntry& entry, ConfigImage& image, QString& reason)
{
    const QString value = text.trimmed();
    bool ok = false;
    uint32_t bits = 0;
    if (value.startsWith(QStringLiteral("0x"))) {
        bits = value.mid(2).toUInt(&ok, 16);
        ok = ok && value.size() == 10;
    } else {
        const float number = value.toFloat(&ok);
        ok = ok && std::isfinite(number);
        bits = std::bit_cast<uint32_t>(number);
    }
    if (!ok) {
        reason = Ui::tr("значение не число: «%1»").arg(value);
        return false;
    }
    image.setDword(entry.offset(), bits);
    return true;
}

bool parseIpv4(const QString& text, const FieldEntry& entry, ConfigImage& image, QString& reason)
{
    const QStringList parts = text.trimmed().split(u'.');
    uint32_t value = 0;
    bool ok = parts.size() == 4;
    for (int i = 0; ok && i < 4; ++i) {
        const uint part = parts[i].toUInt(&ok, 10);
        ok = ok && part <= 255;
        value = value << 8 | part;
    }
    if (!ok) {
        reason = Ui::tr("ожидается адрес вида 192.168.1.10");
        return false;
    }
    image.setDword(entry.offset(), value);
    return true;
}

bool parseBytes(const QString& text, std::size_t size, QByteArray& bytes, QString& reason)
{
    if (!parseHex(text, bytes)) {
        reason = Ui::tr("ожидаются байты в шестнадцатеричном виде (0A FF ...)");
        return false;
    }
    if (std::size_t(bytes.size()) != size) {
        reason = Ui::tr("ожидается %1 байт, задано %2").arg(size).arg(bytes.size());
        return false;
    }
    return true;
}

} // namespace

QString exportComment(const ConfigImage& image, const FieldEntry& entry)
{
    if (entry.field->shown != Shown::Number)
        return {};
    const FieldInfo& field = *entry.field;
    const long long value = numberValue(image, entry);
    if (!inDomain(field, value)) {
        if (value == numberValue(factory(), entry))
            return {};
        // Marked, so that the installer sees why an import of this line is refused.
        return Ui::tr("вне допустимых значений %1").arg(allowedValues(field));
    }
    QStringList parts;
    if (const std::optional<QString> item = itemText(field, value, true))
        parts << *item;
    if (const QString unit = unitText(field, true); !unit.isEmpty())
        parts << unit;
    return parts.join(u' ');
}

QString exactValue(const ConfigImage& image, const FieldEntry& entry)
{
    switch (entry.field->shown) {
    case Shown::Number: return QString::number(numberValue(image, entry));
    case Shown::Float: return floatText(image.dword(entry.offset()));
    case Shown::IPv4: return ipv4Text(image.dword(entry.offset()));
    case Shown::Text: return textValue(image, entry);
    case Shown::Hex: break;
    }
    return hexBytes(elementBytes(image, entry));
}

QString exactValue(const ConfigImage& image, const OtherBytes& other)
{
    std::vector<uint8_t> bytes(other.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = image.byte(other.offset + i) & other.masks[i];
    return hexBytes(bytes);
}

bool parseExactValue(const QString& text, const FieldEntry& entry, ConfigImage& image, QString& reason)
{
    // Read in the form it is shown in.
    QByteArray bytes;
    switch (entry.field->shown) {
    case Shown::Number: return parseNumber(text, entry, image, reason);
    case Shown::Float: return parseFloat(text, entry, image, reason);
    case Shown::IPv4: return parseIpv4(text, entry, image, reason);
    case Shown::Text:
        if (!parseText(text, entry, bytes, reason))
            return false;
        break;
    case Shown::Hex:
        if (!parseBytes(text, entry.size(), bytes, reason))
            return false;
        break;
    }
    std::memcpy(image.data() + entry.offset(), bytes.constData(), std::size_t(bytes.size()));
    return true;
}

bool parseExactValue(const QString& text, const OtherBytes& other, ConfigImage& image, QString& reason)
{
    QByteArray bytes;
    if (!parseBytes(text, other.size(), bytes, reason))
        return false;
    for (std::size_t i = 0; i < other.size(); ++i) {
        if (uint8_t(bytes[qsizetype(i)]) & ~other.masks[i]) {
            reason = Ui::tr("байт %1 задаёт биты, которые принадлежат полям").arg(other.offset + i);
            return false;
        }
    }
    for (std::size_t i = 0; i < other.size(); ++i) {
        const uint8_t kept = image.byte(other.offset + i) & uint8_t(~other.masks[i]);
        image.setByte(other.offset + i, uint8_t(kept | uint8_t(bytes[qsizetype(i)])));
    }
    return true;
}

QString readableValue(const ConfigImage& image, const FieldEntry& entry)
{
    const FieldInfo& field = *entry.field;
    if (field.domain.secret)
        return image.byte(entry.offset()) == 0 ? Ui::tr("(не задан)") : Ui::tr("(задан)");
    if (field.shown != Shown::Number)
        return exactValue(image, entry);
    const long long value = numberValue(image, entry);
    QString shown = itemText(field, value, true).value_or(QString::number(value));
    if (const QString unit = unitText(field, true); !unit.isEmpty())
        shown += u' ' + unit;
    return shown;
}

bool sameValue(const ConfigImage& a, const ConfigImage& b, const FieldEntry& entry)
{
    const uint8_t mask = entry.bitMask();
    for (std::size_t i = entry.offset(); i < entry.offset() + entry.size(); ++i)
        if ((a.byte(i) ^ b.byte(i)) & mask)
            return false;
    return true;
}

bool sameValue(const ConfigImage& a, const ConfigImage& b, const OtherBytes& other)
{
    for (std::size_t i = 0; i < other.size(); ++i)
        if ((a.byte(other.offset + i) ^ b.byte(other.offset + i)) & other.masks[i])
            return false;
    return true;
}

} // namespace vrm
