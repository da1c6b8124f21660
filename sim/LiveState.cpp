#include "sim/LiveState.h"

#include <cstring>

#include "sim/Frame.h"

namespace vrm::sim {

QByteArray LiveState::record(const QDateTime& clock, uint16_t inputMask, uint8_t outputMask,
                             const std::array<uint16_t, kAnalogueInputCount>& readings) const
{
    QByteArray r;
    r.reserve(kRecordSize);
    const QDate d = clock.date();
    const QTime t = clock.time();
    for (int v : {d.year() % 100, d.month(), d.day(), t.hour(), t.minute(), t.second()})
        r.append(char(v));
    for (uint16_t v : readings)
        frame::appendLe16(r, v > 4095 ? 4095 : v);
    r.append(char(supplyDeciVolts));
    r.append('\0');
    r.append(char(battery));
    r.append(char((signal & 0x1F) | (readingsValid ? 0x20 : 0)));
    uint8_t modes = 0;
    for (int n = 0; n < kPerimeterCount; ++n)
        modes |= uint8_t(uint8_t(perimeters[n]) & 3) << (2 * n);
    r.append(char(modes));
    r.append(char((temperaturePresent ? 1 : 0) | (balancePresent ? 2 : 0)));
    r.append(char(inputMask & 0xFF));
    r.append(char(outputMask & 0x7F));
    r.append(char(gsmState));
    r.append(char(temperature));
    uint32_t bits = 0;
    std::memcpy(&bits, &balance, sizeof bits);
    frame::appendLe32(r, bits);
    return r;
}

} // namespace vrm::sim
