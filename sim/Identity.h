#pragma once
// The controller's identity: what command 5 reports as its 88-byte record.

#include <QByteArray>
#include <array>
#include <cstdint>

namespace vrm::sim {

struct Identity {
    static constexpr int kRecordSize = 88;

    QByteArray deviceName = "VRM530";   // at most 8 characters
    QByteArray modification = "QT";     // at most 8 characters
    uint16_t hardwareVersion = 0x1402;  // high byte major, low byte minor: 14.02
    uint16_t softwareVersion = 0x0102;  // 01.02, so the firmware text is "QT.01.02"
    uint16_t bootVersion = 0x0101;
    QByteArray date = "14.05.2013";     // at most 11 characters
    QByteArray countryCode = "RU";      // at most 3 characters
    std::array<uint32_t, 4> lockedSerial{0, 0, 0, 0};
    QByteArray imei = "351234567890125"; // at most 15 characters
    std::array<uint32_t, 4> deviceSerial{0x00A1B2C3, 0x0003D4E5, 0x00000530, 0x00000001};

    // Texts longer than their field are cut so that a NUL always follows them.
    QByteArray record() const;
};

// "14.02" -> 0x1402 (two hexadecimal digit pairs, as the tool shows versions).
bool parseVersion(const QByteArray& text, uint16_t& version);

} // namespace vrm::sim
