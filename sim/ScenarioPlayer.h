#pragma once
// Plays a control scenario on an output: word 0 is the repeat mode (1 once,
// otherwise the repeat count, 0 for endless), words 1-16 are steps with the
// level in bit 15 and the duration in bits 0-14; a duration of 0 ends them.

#include <QtGlobal>
#include <array>
#include <cstdint>

namespace vrm::sim {

class ScenarioPlayer {
public:
    static constexpr int kWords = 17;
    // The controller's unit of step durations.
    static constexpr int kUnitMs = 100;

    ScenarioPlayer(const std::array<uint16_t, kWords>& words, qint64 startMs);
    // The output level `nowMs` into the play; after the end, the level the
    // scenario leaves behind.
    bool level(qint64 nowMs) const;
    bool finished(qint64 nowMs) const;

private:
    std::array<uint16_t, kWords> words_;
    qint64 startMs_;
    int steps_ = 0;        // steps before the terminator
    qint64 periodMs_ = 0;  // one pass through the steps
    bool finalLevel_ = false;
};

} // namespace vrm::sim
