#include "session/IdentityRecord.h"

#include <cstring>

#include "model/Cp1251.h"
#include "model/UiText.h"

namespace vrm {

namespace {

// Field offsets and widths inside the record; `used` is how much of a text
// field the controller fills (the byte after it is a terminator).
struct TextSlot {
    int offset;
    int used;
};
constexpr TextSlot kName{0, 8};
constexpr TextSlot kModification{9, 8};
constexpr TextSlot kDate{24, 11};
constexpr TextSlot kCountry{36, 3};
constexpr TextSlot kImei{56, 15};
constexpr int kHardware = 18;
constexpr int kSoftware = 20;
constexpr int kBoot = 22;
constexpr int kLockedSerial = 40;
constexpr int kDeviceSerial = 72;

QString text(const QByteArray& record, TextSlot slot)
{
    QByteArray bytes = record.mid(slot.offset, slot.used);
    const int nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    return fromCp1251(bytes);
}

uint32_t little(const QByteArray& record, int offset, int width)
{
    uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(record[offset + i]);
    return value;
}

QString version(const QByteArray& record, int offset)
{
    const uint32_t value = little(record, offset, 2);
    if (value == 0)
        return QStringLiteral("--.--");
    return QStringLiteral("%1.%2")
        .arg(value >> 8, 2, 16, QLatin1Char('0'))
        .arg(value & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString serial(const QByteArray& record, int offset, const QString& whenZero)
{
    uint32_t n[4];
    for (int i = 0; i < 4; ++i)
        n[i] = little(record, offset + 4 * i, 4);
    if ((n[0] | n[1] | n[2] | n[3]) == 0)
        return whenZero;
    auto ten = [](uint32_t v) { return QStringLiteral("%1").arg(v, 10, 10, QLatin1Char('0')); };
    return ten(n[0]) + QLatin1Char(' ') + ten(n[1]) + QStringLiteral("\r\n ") + ten(n[2]) + QLatin1Char(' ')
        + ten(n[3]);
}

void put(QByteArray& record, int offset, const char* text)
{
    std::memcpy(record.data() + offset, text, std::strlen(text));
}

} // namespace

QStringList identity::supportedFirmware()
{
    return {QStringLiteral("QT.01.02"), QStringLiteral("QT-PRISM.01.03"), QStringLiteral("QT.01.03"),
            QStringLiteral("QT-PRISM.01.04")};
}

QByteArray blankIdentityRecord()
{
    QByteArray record(identity::kRecordSize, '\0');
    put(record, kName.offset, "--------");
    put(record, kModification.offset, "--------");
    put(record, kDate.offset, "-----------");
    put(record, kCountry.offset, "---");
    put(record, kImei.offset, "---------------");
    return record;
}

IdentityTexts decodeIdentity(const QByteArray& input)
{
    QByteArray record = input.left(identity::kRecordSize);
    record.append(QByteArray(identity::kRecordSize - record.size(), '\0'));
    IdentityTexts t;
    t.deviceName = text(record, kName);
    t.modification = text(record, kModification);
    t.hardwareVersion = version(record, kHardware);
    t.softwareVersion = version(record, kSoftware);
    t.bootVersion = version(record, kBoot);
    t.date = text(record, kDate);
    t.countryCode = text(record, kCountry);
    t.lockedSerial = serial(record, kLockedSerial, QString(48, QLatin1Char(' ')) + QLatin1Char('-'));
    t.imei = text(record, kImei);
    t.deviceSerial = serial(record, kDeviceSerial,
                            QStringLiteral("- - - - - - - -  - - - - - - - -\r\n  - - - - - - - -  - - - - - - - -"));
    return t;
}

QString IdentityTexts::unsupportedText() const
{
    if (!deviceSupported())
        return Ui::tr("Устройство %1 не поддерживается").arg(deviceName);
    if (!firmwareSupported())
        return Ui::tr("Версия %1 не поддерживается").arg(firmwareText());
    return {};
}

QString supportMailSubject(const IdentityTexts& s)
{
    if (s.deviceName == QStringLiteral("--------"))
        return QStringLiteral("VRM530, нет информации о версии устройства");
    const QString dash = QStringLiteral("-");
    return s.deviceName + dash + s.modification + dash + QStringLiteral("h") + s.hardwareVersion + dash
        + QStringLiteral("s") + s.softwareVersion + dash + s.date + dash + s.countryCode + dash + QStringLiteral("d")
        + s.bootVersion + dash + QStringLiteral("IDi:") + s.deviceSerial + QStringLiteral("-IMEI:") + s.imei;
}

} // namespace vrm
