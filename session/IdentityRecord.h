#pragma once
// The controller's 88-byte identity record (answer to command 5) and the
// texts the window shows for it.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vrm {

namespace identity {
constexpr int kRecordSize = 88;
inline const QString kDeviceName = QStringLiteral("VRM530");
// Firmware identifications ("modification.software version") this tool can configure.
QStringList supportedFirmware();
} // namespace identity

// The record shown when no controller answered: dashes, zero versions and serials.
QByteArray blankIdentityRecord();

// What the identity display shows, field by field.
struct IdentityTexts {
    QString deviceName;
    QString modification;
    QString hardwareVersion; // "12.02", "--.--" for 0
    QString softwareVersion;
    QString bootVersion;
    QString date;
    QString countryCode;
    QString lockedSerial;    // two lines joined by "\r\n"
    QString imei;
    QString deviceSerial;    // two lines joined by "\r\n"

    // Status bar panel 2 and what the firmware check compares: "QT.01.02".
    QString firmwareText() const { return modification + QLatin1Char('.') + softwareVersion; }
    bool deviceSupported() const { return deviceName == identity::kDeviceName; }
    bool firmwareSupported() const { return identity::supportedFirmware().contains(firmwareText()); }
    // The red text of an unsupported device or firmware, empty when both are supported.
    QString unsupportedText() const;
};

// Decodes a record of 88 bytes; a shorter one is treated as padded with zeros.
IdentityTexts decodeIdentity(const QByteArray& record);

// Subject line of the support mail: the identity texts joined, or the
// "no version" text when no identity was read.
QString supportMailSubject(const IdentityTexts& shown);

} // namespace vrm
