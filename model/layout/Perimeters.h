#pragma once
// Perimeters 1-4 (pages 16-19) and the touch-memory key table they share.

#include "model/layout/Declare.h"

namespace vrm::layout {

namespace perimeter {
struct Record {
    static constexpr std::size_t size = 51;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Периметр %1");
};
// Arm input mode: 0 pulse arm/disarm, 3 pulse arm, 2 touch-memory. Actions:
// one byte per output number 0-6. Profiles: 0 none, n = profile n.
#define VRM_PERIMETER_FIELDS(F)                                                          \
    F(name, text(0, 17), QT_TRANSLATE_NOOP("Ui", "Название периметра"))                  \
    F(armDelay, u8(17), QT_TRANSLATE_NOOP("Ui", "Задержка взвода, с"), range(0, 240).in(QT_TRANSLATE_NOOP("Ui", "с")))                   \
    F(armInputMode, u8(18), QT_TRANSLATE_NOOP("Ui", "Режим входа Arm In"))               \
    F(armActions, u8(19, 7), QT_TRANSLATE_NOOP("Ui", "Переход в режим ОХРАНА"), list(lists::actions)) \
    F(disarmActions, u8(26, 7), QT_TRANSLATE_NOOP("Ui", "Переход в НАБЛЮДЕНИЕ"), list(lists::actions)) \
    F(countdownActions, u8(33, 7), QT_TRANSLATE_NOOP("Ui", "Начат обратный отсчет"), list(lists::actions)) \
    F(armProfile, u8(47), QT_TRANSLATE_NOOP("Ui", "Профиль при взятии"), list(lists::perimeterProfiles)) \
    F(disarmProfile, u8(48), QT_TRANSLATE_NOOP("Ui", "Профиль при снятии"), list(lists::perimeterProfiles)) \
    F(countdownProfile, u8(49), QT_TRANSLATE_NOOP("Ui", "Профиль при обратном отсчете"), list(lists::perimeterProfiles)) \
    F(cleared, u8(50), QT_TRANSLATE_NOOP("Ui", "Резерв (всегда 0)"), range(0, 0))
VRM_DECLARE_FIELDS(VRM_PERIMETER_FIELDS)
#undef VRM_PERIMETER_FIELDS
} // namespace perimeter
inline constexpr RecordArray<perimeter::Record> perimeters{3087, 4, 16, 4};

namespace touchKey {
struct Record {
    static constexpr std::size_t size = 32;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Ключ %1");
};
// Code: most significant byte first, all zero = empty entry. Rights: bit
// 2(p-1) = may arm perimeter p, bit 2(p-1)+1 = may disarm it. Profile 0 = none.
#define VRM_TOUCH_KEY_FIELDS(F)                                           \
    F(code, raw(0, 8), QT_TRANSLATE_NOOP("Ui", "Код ключа TOUCH"))        \
    F(userName, text(8, 17), QT_TRANSLATE_NOOP("Ui", "Имя пользователя")) \
    F(rights, u8(25), QT_TRANSLATE_NOOP("Ui", "Права по периметрам"))     \
    F(profile, bits(26, 0, 4), QT_TRANSLATE_NOOP("Ui", "Профиль"))
VRM_DECLARE_FIELDS(VRM_TOUCH_KEY_FIELDS)
#undef VRM_TOUCH_KEY_FIELDS
} // namespace touchKey
inline constexpr RecordArray<touchKey::Record> touchKeys{3292, 32, 16, 1};

} // namespace vrm::layout
