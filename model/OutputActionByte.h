#pragma once
// One event driving one output: the output number (0 relay 1, 1 relay 2,
// 2-6 outputs 1-5) in bits 0-2 and the action (0 none, 1 on, 2 off,
// 3-16 scenario 1-14) in bits 3-7 of a single byte.

#include <cstdint>

namespace vrm {

struct OutputAction {
    int output = 0; // 0-7 as stored; 7 names no output
    int action = 0; // 0-31 as stored; 17-31 name no action

    bool operator==(const OutputAction&) const = default;
};

constexpr OutputAction unpackOutputAction(uint8_t byte) { return {byte & 0x07, byte >> 3}; }

// Values outside the fields keep only their low bits, as the byte holds them.
constexpr uint8_t packOutputAction(OutputAction value)
{
    return uint8_t((value.output & 0x07) | ((value.action & 0x1F) << 3));
}

} // namespace vrm
