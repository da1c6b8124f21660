#include "model/TouchKeyRow.h"

#include "model/KeyCode.h"

namespace vrm {

namespace {
int armBit(int perimeter) { return 2 * (perimeter - 1); }
} // namespace

TouchKeyRow emptyTouchKeyRow()
{
    return {emptyKeyCodeText(), QString(), false, false, QStringLiteral("-")};
}

bool keyMayArm(uint8_t rights, int perimeter)
{
    return (rights >> armBit(perimeter)) & 1;
}

bool keyMayDisarm(uint8_t rights, int perimeter)
{
    return (rights >> (armBit(perimeter) + 1)) & 1;
}

uint8_t withKeyRights(uint8_t rights, int perimeter, bool arm, bool disarm)
{
    const int shift = armBit(perimeter);
    const uint8_t kept = uint8_t(rights & ~(3u << shift));
    return uint8_t(kept | (unsigned(arm) << shift) | (unsigned(disarm) << (shift + 1)));
}

QString keyProfileText(uint8_t profile)
{
    return profile == 0 ? QStringLiteral("-") : QString::number(profile);
}

uint8_t keyProfileFromText(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= 1 && value <= 8 ? uint8_t(value) : uint8_t(0);
}

} // namespace vrm
