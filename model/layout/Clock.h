#pragma once
// Clock, information message and task scheduler (page 14), offsets 2672-2807.

#include "model/layout/Declare.h"

namespace vrm::layout {

namespace task {
struct Record {
    static constexpr std::size_t size = 16;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Задача %1");
};
// Kind: 0 none, 1 arm, 2 disarm, 3 output control, 4 apply profile. The
// parameter byte: kinds 0-2 the perimeter selection, kind 3 the output number
// in bits 0-3, kind 4 the profile number - 1. Weekday bit d: 0 Monday.
#define VRM_TASK_FIELDS(F)                                                \
    F(enabled, bits(0, 0, 1), QT_TRANSLATE_NOOP("Ui", "Задача включена")) \
    F(weekdays, bits(4, 0, 7), QT_TRANSLATE_NOOP("Ui", "Дни недели"))     \
    F(hour, bits(5, 0, 5), QT_TRANSLATE_NOOP("Ui", "Час"))                \
    F(minute, bits(6, 0, 6), QT_TRANSLATE_NOOP("Ui", "Минута"))           \
    F(test, bits(12, 0, 1), QT_TRANSLATE_NOOP("Ui", "Тест"))              \
    F(info, bits(12, 1, 1), QT_TRANSLATE_NOOP("Ui", "Инфо"))              \
    F(kind, bits(12, 2, 6), QT_TRANSLATE_NOOP("Ui", "Действие"))          \
    F(parameter, u8(13), QT_TRANSLATE_NOOP("Ui", "Параметр"))             \
    F(action, u8(14), QT_TRANSLATE_NOOP("Ui", "Доп. параметр"))
VRM_DECLARE_FIELDS(VRM_TASK_FIELDS)
#undef VRM_TASK_FIELDS
} // namespace task

namespace clock {
struct Record {
    static constexpr std::size_t size = 136;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Часы, планировщик задач");
};
// Time zone: UTC offset in hours (-12 to +13). Information masks: bit n-1 =
// input n, bit k = output number k.
#define VRM_CLOCK_FIELDS(F)                                                                             \
    F(timeZone, i8(0), QT_TRANSLATE_NOOP("Ui", "Часовой пояс"), madeList(lists::timeZones, 26, -12)) \
    F(daylightSaving, bits(1, 0, 1), QT_TRANSLATE_NOOP("Ui", "Автоматический переход на летнее время")) \
    F(infoInputs, u16(4), QT_TRANSLATE_NOOP("Ui", "Входы в информационном сообщении"))                  \
    F(infoOutputs, bits(6, 0, 7), QT_TRANSLATE_NOOP("Ui", "Выходы в информационном сообщении"))         \
    F(tasks, records<task::Record>(8, 8), QT_TRANSLATE_NOOP("Ui", "Задачи"))
VRM_DECLARE_FIELDS(VRM_CLOCK_FIELDS)
#undef VRM_CLOCK_FIELDS
} // namespace clock
inline constexpr RecordArray<clock::Record> clockBlock{2672, 1, 14, 1};

} // namespace vrm::layout
