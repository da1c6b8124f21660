#pragma once
// Power, battery and indication (2808-2817) and temperature and tamper
// (2842-2851), edited on page 15. The balance request between them belongs
// to page 1 (Comms.h).

#include "model/layout/Declare.h"
#include "model/layout/OutputAction.h"

namespace vrm::layout {

namespace power {
struct Record {
    static constexpr std::size_t size = 10;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Питание и индикация");
};
// Times: index i = 2^(i+1) seconds or minutes. Discharge limits: percent = 100 - value.
// Perimeter mode on outputs: element k is the bit of perimeter k + 2.
#define VRM_POWER_FIELDS(F)                                                                                             \
    F(averagingTime, bits(0, 0, 3), QT_TRANSLATE_NOOP("Ui", "Время усреднения сигнала"), list(lists::doublingSeconds)) \
    F(failureMessage, bits(0, 3, 1), QT_TRANSLATE_NOOP("Ui", "Сообщение при отключении питания"))                       \
    F(messageInterval, bits(0, 4, 3), QT_TRANSLATE_NOOP("Ui", "Формировать сообщения не чаще"), list(lists::doublingMinutes)) \
    F(recoveryMessage, bits(0, 7, 1), QT_TRANSLATE_NOOP("Ui", "Сообщение при восстановлении питания"))                  \
    F(failureGps, bits(1, 0, 1), QT_TRANSLATE_NOOP("Ui", "GPS информация при изменении питания"))                       \
    F(failureReaction, records<outputAction::Record>(2), QT_TRANSLATE_NOOP("Ui", "При падении питания"))                \
    F(recoveryReaction, records<outputAction::Record>(3), QT_TRANSLATE_NOOP("Ui", "При восстановлении питания"))        \
    F(secondDischargeLimit, bits(4, 0, 7), QT_TRANSLATE_NOOP("Ui", "Вторая граница разряда"))                           \
    F(secondDischargeMessage, bits(4, 7, 1), QT_TRANSLATE_NOOP("Ui", "Сообщение при разряде до второй границы"))        \
    F(firstDischargeLimit, bits(5, 0, 7), QT_TRANSLATE_NOOP("Ui", "Первая граница разряда"))                            \
    F(firstDischargeMessage, bits(5, 7, 1), QT_TRANSLATE_NOOP("Ui", "Сообщение при разряде до первой границы"))         \
    F(dischargeGps, bits(6, 0, 1), QT_TRANSLATE_NOOP("Ui", "GPS информация при разряде батареи"))                       \
    F(secondDischargeReaction, records<outputAction::Record>(7), QT_TRANSLATE_NOOP("Ui", "При разряде до 2-й границы")) \
    F(firstDischargeReaction, records<outputAction::Record>(8), QT_TRANSLATE_NOOP("Ui", "При разряде до 1-й границы"))  \
    F(indication, bits(9, 0, 2), QT_TRANSLATE_NOOP("Ui", "Индикация"), list(lists::indicationModes)) \
    F(alarmBlinking, bits(9, 2, 1), QT_TRANSLATE_NOOP("Ui", "Показывать прошедшую активность входов вспышками"))        \
    F(ledsOffWhenClosed, bits(9, 3, 1), QT_TRANSLATE_NOOP("Ui", "Выключить индикаторы In1-In8 при закрытом корпусе"))   \
    F(perimeterModeOutput, bits(9, 4, 1, 3), QT_TRANSLATE_NOOP("Ui", "Показывать режим периметра на выходе"))           \
    F(activeInputsOnArmOut, bits(9, 7, 1), QT_TRANSLATE_NOOP("Ui", "Показывать активность входов на ArmOut"))
VRM_DECLARE_FIELDS(VRM_POWER_FIELDS)
#undef VRM_POWER_FIELDS
} // namespace power
inline constexpr RecordArray<power::Record> powerBlock{2808, 1, 15, 1};

namespace temperature {
struct Record {
    static constexpr std::size_t size = 10;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Температура и вскрытие корпуса");
};
// Signed degrees Celsius; the two levels are shown as list index 89 - value.
#define VRM_TEMPERATURE_FIELDS(F)                                                                                \
    F(notify, bits(0, 0, 1), QT_TRANSLATE_NOOP("Ui", "Оповещать о выходе температуры за пределы"))               \
    F(lowBorder, i8(1), QT_TRANSLATE_NOOP("Ui", "Нижняя граница оповещения"), range(-40, 90).in(QT_TRANSLATE_NOOP("Ui", "°C"))) \
    F(highBorder, i8(2), QT_TRANSLATE_NOOP("Ui", "Верхняя граница оповещения"), range(-40, 90).in(QT_TRANSLATE_NOOP("Ui", "°C"))) \
    F(lowLevel, i8(3), QT_TRANSLATE_NOOP("Ui", "При падении ниже"), list(lists::temperatureLevels, 89, -1)) \
    F(lowReaction, records<outputAction::Record>(4), QT_TRANSLATE_NOOP("Ui", "Реакция при падении температуры")) \
    F(highLevel, i8(5), QT_TRANSLATE_NOOP("Ui", "При превышении"), list(lists::temperatureLevels, 89, -1)) \
    F(highReaction, records<outputAction::Record>(6), QT_TRANSLATE_NOOP("Ui", "Реакция при превышении"))         \
    F(tamperEnabled, bits(7, 0, 1), QT_TRANSLATE_NOOP("Ui", "Оповещать о вскрытии корпуса"))                     \
    F(tamperInverted, bits(7, 1, 1), QT_TRANSLATE_NOOP("Ui", "Инверсия датчика вскрытия"))                       \
    F(tamperReaction, records<outputAction::Record>(8), QT_TRANSLATE_NOOP("Ui", "При вскрытии устройства"))
VRM_DECLARE_FIELDS(VRM_TEMPERATURE_FIELDS)
#undef VRM_TEMPERATURE_FIELDS
} // namespace temperature
inline constexpr RecordArray<temperature::Record> temperatureBlock{2842, 1, 15, 1};

} // namespace vrm::layout
