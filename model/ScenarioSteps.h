#pragma once
// The step coding of a control scenario: 17 little-endian words (word 0 the
// repeat count, words 1-16 the steps) as the scenario grid shows them in one
// row, and back.
//
// A step word holds its level in bit 15 (1 high) and its duration in bits 0-14.
// The first step whose duration is 0 ends the sequence; its bit 15 is the level
// that follows the last step when the scenario is played once, and the last
// step's own level when it repeats. Word 0 is exactly 1 for a single run; any
// other value is the repeat count of a repeating scenario.

#include <QString>
#include <array>
#include <cstdint>

#include "model/layout/Scenarios.h"

namespace vrm::scenario {

inline constexpr int kSteps = layout::scenario::steps.info.count;
inline constexpr int kWords = kSteps + 1;
inline constexpr uint16_t kHigh = layout::scenario::kLevelHigh;
inline constexpr uint16_t kDurationMask = layout::scenario::kDurationMask;
inline constexpr uint16_t kSingleRun = 1;

using Words = std::array<uint16_t, kWords>;

enum class FirstLevel { None, High, Low };

// One grid row of the scenario editor: columns 1-3 and the sixteen durations.
// Texts are kept as the user typed them; reading them is lenient.
struct Row {
    bool repeats = false;               // column 1 reads the cycle word
    QString count;                      // column 2, meaningful while repeating
    FirstLevel firstLevel = FirstLevel::None; // column 3
    std::array<QString, kSteps> durations;    // columns 4-19, empty when unused
};

// Words into a grid row: the count as a signed number while repeating, the
// first level and the durations up to the first zero duration.
Row show(const Words& words);

// A grid row into words: `previous` is what the image holds, so that the words
// behind the terminator keep their values.
Words store(const Row& row, const Words& previous);

// The decimal value of a duration or count cell: digits with optional blanks
// around them and an optional sign; anything else reads 0.
int cellValue(const QString& text);

} // namespace vrm::scenario
