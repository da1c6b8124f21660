#pragma once
// What the controller reports live: GSM, supply, battery, temperature,
// balance, inputs, outputs and perimeter modes, encoded as the 36-byte live
// status record of command 12.

#include <QByteArray>
#include <QDateTime>
#include <array>
#include <cstdint>

namespace vrm::sim {

// Perimeter modes as the status record carries them (2 bits each).
enum class PerimeterMode : uint8_t { Observation = 0, Switching = 1, Armed = 2, Unused = 3 };

struct LiveState {
    static constexpr int kRecordSize = 36;
    static constexpr int kInputCount = 16;
    static constexpr int kAnalogueInputCount = 8;
    static constexpr int kOutputCount = 7;
    static constexpr int kPerimeterCount = 4;

    uint8_t gsmState = 8;            // registered in the home network
    uint8_t signal = 18;             // 0-31
    uint8_t supplyDeciVolts = 124;   // 12.4 V
    uint8_t battery = 96;            // per cent; 254 battery test; >100 none
    int8_t temperature = 27;         // degrees Celsius
    bool temperaturePresent = true;
    bool balancePresent = true;
    float balance = 152.40f;
    bool readingsValid = true;       // bit 5 of byte 25: input readings may be shown
    uint16_t inputs = 0;             // bit n-1 for input n
    std::array<uint16_t, kAnalogueInputCount> raw{1200, 2048, 300, 4095, 0, 1800, 2600, 3500};
    uint8_t outputs = 0;             // bit k for output k+1
    std::array<PerimeterMode, kPerimeterCount> perimeters{
        PerimeterMode::Observation, PerimeterMode::Observation, PerimeterMode::Observation,
        PerimeterMode::Observation};
    bool protection = false;         // the protection mode of control class 3

    // The record with `clock` in bytes 0-5; `inputs` and `outputs` are the
    // masks to report (the controller may add imitated inputs or pulses).
    QByteArray record(const QDateTime& clock, uint16_t inputMask, uint8_t outputMask,
                      const std::array<uint16_t, kAnalogueInputCount>& readings) const;
};

} // namespace vrm::sim
