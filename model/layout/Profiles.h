#pragma once
// Profiles 1-8 (pages 39-46): a name, threshold sets for inputs and output actions.

#include "model/layout/Declare.h"

namespace vrm::layout {

// One input's threshold set inside a profile (entries 1-16; the pages edit 1-8).
namespace threshold {
struct Record {
    static constexpr std::size_t size = 6;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Пороги входа %1");
};
#define VRM_THRESHOLD_FIELDS(F)                                                       \
    F(applies, bits(0, 0, 1), QT_TRANSLATE_NOOP("Ui", "Профиль задаёт пороги входа")) \
    F(low, u16(2), QT_TRANSLATE_NOOP("Ui", "Нижняя граница"), range(0, 4095)) \
    F(high, u16(4), QT_TRANSLATE_NOOP("Ui", "Верхняя граница"), range(0, 4095))
VRM_DECLARE_FIELDS(VRM_THRESHOLD_FIELDS)
#undef VRM_THRESHOLD_FIELDS
} // namespace threshold

namespace profile {
struct Record {
    static constexpr std::size_t size = 122;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Профиль %1");
};
#define VRM_PROFILE_FIELDS(F)                                                                   \
    F(name, text(0, 17), QT_TRANSLATE_NOOP("Ui", "Название профиля"))                           \
    F(thresholds, records<threshold::Record>(18, 16), QT_TRANSLATE_NOOP("Ui", "Пороги входов")) \
    F(actions, u8(114, 7), QT_TRANSLATE_NOOP("Ui", "Воздействие на реле / выходы"), list(lists::actions))
VRM_DECLARE_FIELDS(VRM_PROFILE_FIELDS)
#undef VRM_PROFILE_FIELDS
} // namespace profile
inline constexpr RecordArray<profile::Record> profiles{4316, 8, 39, 8};

} // namespace vrm::layout
