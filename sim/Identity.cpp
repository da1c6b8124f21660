#include "sim/Identity.h"

#include <QList>

#include "sim/Frame.h"

namespace vrm::sim {

namespace {
// A text cut to `used` characters and NUL-padded to `width` bytes.
QByteArray fixedText(const QByteArray& text, int used, int width)
{
    QByteArray field = text.left(used);
    field.append(QByteArray(width - field.size(), '\0'));
    return field;
}
} // namespace

QByteArray Identity::record() const
{
    QByteArray r;
    r.reserve(kRecordSize);
    r.append(fixedText(deviceName, 8, 9));
    r.append(fixedText(modification, 8, 9));
    frame::appendLe16(r, hardwareVersion);
    frame::appendLe16(r, softwareVersion);
    frame::appendLe16(r, bootVersion);
    r.append(fixedText(date, 11, 12));
    r.append(fixedText(countryCode, 3, 4));
    for (uint32_t n : lockedSerial)
        frame::appendLe32(r, n);
    r.append(fixedText(imei, 15, 16));
    for (uint32_t n : deviceSerial)
        frame::appendLe32(r, n);
    return r;
}

bool parseVersion(const QByteArray& text, uint16_t& version)
{
    const QList<QByteArray> parts = text.split('.');
    if (parts.size() != 2)
        return false;
    bool okMajor = false;
    bool okMinor = false;
    const uint major = parts[0].toUInt(&okMajor, 16);
    const uint minor = parts[1].toUInt(&okMinor, 16);
    if (!okMajor || !okMinor || parts[0].size() > 2 || parts[1].size() > 2)
        return false;
    version = static_cast<uint16_t>(major << 8 | minor);
    return true;
}

} // namespace vrm::sim
