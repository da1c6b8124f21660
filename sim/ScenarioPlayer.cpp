#include "sim/ScenarioPlayer.h"

namespace vrm::sim {

namespace {
constexpr uint16_t kLevelBit = 0x8000;
constexpr uint16_t kDurationMask = 0x7FFF;
} // namespace

ScenarioPlayer::ScenarioPlayer(const std::array<uint16_t, kWords>& words, qint64 startMs)
    : words_(words), startMs_(startMs)
{
    while (steps_ < kWords - 1 && (words_[1 + steps_] & kDurationMask) != 0) {
        periodMs_ += qint64(words_[1 + steps_] & kDurationMask) * kUnitMs;
        ++steps_;
    }
    if (steps_ < kWords - 1)
        finalLevel_ = (words_[1 + steps_] & kLevelBit) != 0; // the terminator's level
    else
        finalLevel_ = words_[0] == 1 ? (words_[kWords - 1] & kLevelBit) == 0 : (words_[kWords - 1] & kLevelBit) != 0;
}

bool ScenarioPlayer::finished(qint64 nowMs) const
{
    if (steps_ == 0)
        return true;
    const qint64 passes = words_[0] == 1 ? 1 : words_[0];
    if (passes == 0)
        return false; // repeats until the output is switched
    return nowMs - startMs_ >= passes * periodMs_;
}

bool ScenarioPlayer::level(qint64 nowMs) const
{
    if (finished(nowMs))
        return finalLevel_;
    qint64 t = (nowMs - startMs_) % periodMs_;
    for (int i = 0; i < steps_; ++i) {
        const qint64 duration = qint64(words_[1 + i] & kDurationMask) * kUnitMs;
        if (t < duration)
            return (words_[1 + i] & kLevelBit) != 0;
        t -= duration;
    }
    return finalLevel_;
}

} // namespace vrm::sim
