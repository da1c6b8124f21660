#pragma once
// How the Arm In input switches a perimeter (one byte of the perimeter record).

#include <cstdint>
#include <optional>

namespace vrm {

// The three radio buttons of " Режим входа [Arm In] " and the codes they store.
enum class ArmInMode : uint8_t {
    PulseArmDisarm = 0, // a long pulse arms, a short one disarms
    TouchMemory = 2,    // the touch-memory key toggles the mode
    PulseArmOnly = 3,   // a long pulse arms
};

// The mode a stored byte selects; other values select no button, and the
// buttons keep whatever they showed.
inline std::optional<ArmInMode> armInMode(uint8_t stored)
{
    switch (stored) {
    case 0: return ArmInMode::PulseArmDisarm;
    case 2: return ArmInMode::TouchMemory;
    case 3: return ArmInMode::PulseArmOnly;
    default: return std::nullopt;
    }
}

} // namespace vrm
