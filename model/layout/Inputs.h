#pragma once
// Inputs: the common settings (page 20) and the sixteen input records
// (pages 21-28 edit inputs 1-8; the perimeter pages write byte 56 of all 16).

#include "model/layout/Declare.h"

namespace vrm::layout {

namespace inputsCommon {
struct Record {
    static constexpr std::size_t size = 4;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Входы");
};
#define VRM_INPUTS_COMMON_FIELDS(F)                                                                                   \
    F(sensorSupplyAlwaysOn, bits(0, 0, 1), QT_TRANSLATE_NOOP("Ui", "Питание датчиков (порт 10VS)"), list(lists::sensorSupplyModes)) \
    F(loopPowerResetTime, bits(0, 1, 3), QT_TRANSLATE_NOOP("Ui", "Время сброса питания по шлейфу"), list(lists::loopResetTimes)) \
    F(noScanAfterArm, bits(0, 4, 4), QT_TRANSLATE_NOOP("Ui", "Не опрашивать входы после включения питания датчиков"), list(lists::noScanAfterArmTimes)) \
    F(noScanAfterReset, bits(1, 0, 3), QT_TRANSLATE_NOOP("Ui", "Не опрашивать входы после включения"), list(lists::noScanAfterResetTimes))
VRM_DECLARE_FIELDS(VRM_INPUTS_COMMON_FIELDS)
#undef VRM_INPUTS_COMMON_FIELDS
} // namespace inputsCommon
inline constexpr RecordArray<inputsCommon::Record> inputsCommonBlock{356, 1, 20, 1};

namespace input {
struct Record {
    static constexpr std::size_t size = 92;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Вход %1");
};
// Thresholds and the live reading are raw 12-bit values 0-4095; minimum and
// maximum are the user-unit values of raw 0 and 4095. Actions: one byte per
// output number 0-6, the action list index.
#define VRM_INPUT_FIELDS(F)                                                                                      \
    F(name, text(0, 17), QT_TRANSLATE_NOOP("Ui", "Название входа"))                                              \
    F(activeName, text(17, 17), QT_TRANSLATE_NOOP("Ui", "Название активного состояния"))                         \
    F(passiveName, text(34, 17), QT_TRANSLATE_NOOP("Ui", "Название пассивного состояния"))                       \
    F(averagingTime, bits(52, 0, 4), QT_TRANSLATE_NOOP("Ui", "Время усреднения"), list(lists::inputAveraging)) \
    F(activeLevel, bits(52, 4, 3), QT_TRANSLATE_NOOP("Ui", "Активный входной уровень"), list(lists::activeLevels)) \
    F(alwaysMonitored, bits(52, 7, 1), QT_TRANSLATE_NOOP("Ui", "Контролировать 24 часа в сутки"))                \
    F(recoveryTime, bits(53, 0, 6), QT_TRANSLATE_NOOP("Ui", "Время восстановления опроса, мин"), range(0, 63).in(QT_TRANSLATE_NOOP("Ui", "мин"))) \
    F(delayTime, bits(54, 0, 6), QT_TRANSLATE_NOOP("Ui", "Задержка тревожного события"), list(lists::alarmDelays)) \
    F(relayControl, bits(54, 6, 2), QT_TRANSLATE_NOOP("Ui", "Управление реле/выходами"), list(lists::relayControl)) \
    F(sensorType, bits(55, 1, 3), QT_TRANSLATE_NOOP("Ui", "Тип входа"), list(lists::inputTypes)) \
    F(perimeterLinks, bits(56, 0, 2, 4), QT_TRANSLATE_NOOP("Ui", "Связь с периметром"))                          \
    F(lowThreshold, u16(58), QT_TRANSLATE_NOOP("Ui", "Нижняя граница"), range(0, 4095)) \
    F(highThreshold, u16(60), QT_TRANSLATE_NOOP("Ui", "Верхняя граница"), range(0, 4095)) \
    F(triggerCount, bits(62, 0, 2), QT_TRANSLATE_NOOP("Ui", "Число активизаций"), list(lists::oneToFour)) \
    F(notArmingWhenActive, bits(62, 2, 1), QT_TRANSLATE_NOOP("Ui", "Не переходить в ОХРАНУ при активном входе")) \
    F(listenNumber, bits(62, 4, 4), QT_TRANSLATE_NOOP("Ui", "Номер для прослушивания"), list(lists::listenNumbers)) \
    F(supplySource, bits(63, 0, 2), QT_TRANSLATE_NOOP("Ui", "Источник питания датчиков"), list(lists::supplySources)) \
    F(alarmTries, bits(63, 2, 2), QT_TRANSLATE_NOOP("Ui", "Тревожных событий за сессию"), list(lists::alarmTries)) \
    F(activationModeChange, bits(63, 4, 2), QT_TRANSLATE_NOOP("Ui", "Смена режима при активизации"), list(lists::modeChanges)) \
    F(deactivationModeChange, bits(63, 6, 2), QT_TRANSLATE_NOOP("Ui", "Смена режима при деактивизации"), list(lists::modeChanges)) \
    F(filterWindow, bits(64, 0, 4), QT_TRANSLATE_NOOP("Ui", "Окно фильтра"), list(lists::filterWindows)) \
    F(sendGps, bits(64, 4, 1), QT_TRANSLATE_NOOP("Ui", "Отправить GPS информацию"))                              \
    F(minimum, real(68), QT_TRANSLATE_NOOP("Ui", "Минимальное значение"))                                        \
    F(maximum, real(72), QT_TRANSLATE_NOOP("Ui", "Максимальное значение"))                                       \
    F(activationActions, u8(76, 7), QT_TRANSLATE_NOOP("Ui", "При переходе в активное состояние"), list(lists::actions)) \
    F(deactivationActions, u8(83, 7), QT_TRANSLATE_NOOP("Ui", "При переходе в пассивное состояние"), list(lists::actions))
VRM_DECLARE_FIELDS(VRM_INPUT_FIELDS)
#undef VRM_INPUT_FIELDS
// Sensor type indices.
inline constexpr uint32_t kTypeDisabled = 0, kTypeDiscrete = 1, kTypeAnalogue = 2, kTypeTs41 = 3, kTypeTs42 = 4;
} // namespace input
inline constexpr RecordArray<input::Record> inputs{360, 16, 21, 8};

} // namespace vrm::layout
