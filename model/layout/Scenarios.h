#pragma once
// Control scenarios 1-14 (page 37): 17 little-endian words each.

#include "model/layout/Declare.h"

namespace vrm::layout {

namespace scenario {
struct Record {
    static constexpr std::size_t size = 34;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Сценарий %1");
};
// Repeat: exactly 1 = played once, else the repeat count. Steps: bit 15 the
// level, bits 0-14 the duration; the first zero duration ends the sequence.
#define VRM_SCENARIO_FIELDS(F)                           \
    F(repeat, u16(0), QT_TRANSLATE_NOOP("Ui", "Повтор")) \
    F(steps, u16(2, 16), QT_TRANSLATE_NOOP("Ui", "Шаги"))
VRM_DECLARE_FIELDS(VRM_SCENARIO_FIELDS)
#undef VRM_SCENARIO_FIELDS
inline constexpr uint16_t kLevelHigh = 0x8000;
inline constexpr uint16_t kDurationMask = 0x7FFF;
} // namespace scenario
inline constexpr RecordArray<scenario::Record> scenarios{2196, 14, 37, 1};

} // namespace vrm::layout
