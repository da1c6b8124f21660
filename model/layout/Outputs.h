#pragma once
// Relays 1-2 and outputs 1-5 (pages 30-36), output numbers 0-6.

#include <array>

#include "model/layout/Declare.h"

namespace vrm::layout {

namespace output {
struct Record {
    static constexpr std::size_t size = 52;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Выход %1");
};
// Remote control type: 0 steady level, 1-14 scenario 1-14.
#define VRM_OUTPUT_FIELDS(F)                                                                                      \
    F(name, text(0, 17), QT_TRANSLATE_NOOP("Ui", "Название"))                                                     \
    F(onText, text(17, 17), QT_TRANSLATE_NOOP("Ui", "Название активного состояния"))                              \
    F(offText, text(34, 17), QT_TRANSLATE_NOOP("Ui", "Название неактивного состояния"))                           \
    F(remoteControlType, bits(51, 0, 5), QT_TRANSLATE_NOOP("Ui", "Тип коммутации для дистанционного управления"), list(lists::remoteControlTypes)) \
    F(enabled, bits(51, 5, 1), QT_TRANSLATE_NOOP("Ui", "Разрешен"))                                               \
    F(inverted, bits(51, 6, 1), QT_TRANSLATE_NOOP("Ui", "Инверсия выхода"))                                       \
    F(remoteControlAllowed, bits(51, 7, 1), QT_TRANSLATE_NOOP("Ui", "Разрешено управлять дистанционно"))
VRM_DECLARE_FIELDS(VRM_OUTPUT_FIELDS)
#undef VRM_OUTPUT_FIELDS
// Readable names of output numbers 0-6.
inline constexpr std::array<std::string_view, 7> kNames{
    QT_TRANSLATE_NOOP("Ui", "Реле 1"),  QT_TRANSLATE_NOOP("Ui", "Реле 2"),  QT_TRANSLATE_NOOP("Ui", "Выход 1"),
    QT_TRANSLATE_NOOP("Ui", "Выход 2"), QT_TRANSLATE_NOOP("Ui", "Выход 3"), QT_TRANSLATE_NOOP("Ui", "Выход 4"),
    QT_TRANSLATE_NOOP("Ui", "Выход 5")};
} // namespace output
inline constexpr RecordArray<output::Record> outputs{1832, 7, 30, 7};

} // namespace vrm::layout
