#pragma once
// The item lists that fields are chosen from, each declared once and named by
// the fields that use it (model/layout/*.h). Texts in the interface language
// are text sources (translated where shown); literals stay as they are.

#include <QtGlobal>
#include <string_view>

#include "model/layout/Domain.h"

namespace vrm {

QStringList timeZoneItems(bool translate); // model/TimeZoneNames.cpp

namespace lists {

using T = ItemText;
using namespace items;

// Output numbers 0-6; the window's text table may replace them ("output names").
inline constexpr T kRelays[] = {QT_TRANSLATE_NOOP3("Ui", "Реле 1", "output name"),
                                QT_TRANSLATE_NOOP3("Ui", "Реле 2", "output name")};
inline constexpr ItemList outputs{interfaceTexts(kRelays).then(textRun(1, 1, 5, QT_TRANSLATE_NOOP("Ui", "Выход %1"))).replacedBy("output names")};

// What an event does to an output ("actions" in the text table).
inline constexpr T kActionTexts[] = {QT_TRANSLATE_NOOP("Ui", "нет реакции"), QT_TRANSLATE_NOOP("Ui", "включить"),
                                     QT_TRANSLATE_NOOP("Ui", "выключить")};
inline constexpr ItemList actions{
    interfaceTexts(kActionTexts).then(textRun(1, 1, 14, QT_TRANSLATE_NOOP("Ui", "сценарий %1"))).replacedBy("actions")};

// An output's remote control: a steady level or a scenario.
inline constexpr T kLevel[] = {QT_TRANSLATE_NOOP("Ui", "уровень")};
inline constexpr ItemList remoteControlTypes{interfaceTexts(kLevel).then(textRun(1, 1, 14, QT_TRANSLATE_NOOP("Ui", "сценарий %1")))};

// The profile a perimeter event applies.
inline constexpr T kNoProfile[] = {QT_TRANSLATE_NOOP("Ui", "Не применять профиль")};
inline constexpr ItemList perimeterProfiles{
    interfaceTexts(kNoProfile).then(textRun(1, 1, 8, QT_TRANSLATE_NOOP("Ui", "Применить профиль %1")))};

inline constexpr ItemList timeZones{made(timeZoneItems)};

// Inputs.
inline constexpr T kInputTypes[] = {QT_TRANSLATE_NOOP("Ui", "Запрещен"), QT_TRANSLATE_NOOP("Ui", "Дискретный"),
                                    QT_TRANSLATE_NOOP("Ui", "Аналоговый"),
                                    QT_TRANSLATE_NOOP("Ui", "Термодатчик TS-41"),
                                    QT_TRANSLATE_NOOP("Ui", "Термодатчик TS-42")};
inline constexpr ItemList inputTypes{interfaceTexts(kInputTypes)};
inline constexpr T kActiveLevels[] = {
    QT_TRANSLATE_NOOP("Ui", "Низкий (Uвх. <= Нижн. гр.) или высокий (Uвх. >= Верхн. гр.)"),
    QT_TRANSLATE_NOOP("Ui", "Низкий (Uвх. <= Нижн. гр.)"),
    QT_TRANSLATE_NOOP("Ui", "Свободный (Нижн. гр. <= Uвх. <= Верхн. гр.)"),
    QT_TRANSLATE_NOOP("Ui", "Высокий (Uвх. >= Верхн. гр.)"),
    QT_TRANSLATE_NOOP("Ui", "Низкий гистерезисный (Uвх. <= Нижн. гр.)"),
    QT_TRANSLATE_NOOP("Ui", "Высокий гистерезисный (Uвх. >= Верхн. гр.)")};
inline constexpr ItemList activeLevels{interfaceTexts(kActiveLevels)};
inline constexpr T kInputAveraging[] = {"60 mSec.",  "120 mSec.", "240 mSec.", "360 mSec.", "480 mSec.", "660 mSec.",
                                        "840 mSec.", "1 Sec.",    "2 Sec.",    "3 Sec.",    "4 Sec.",    "6 Sec.",
                                        "8 Sec.",    "10 Sec.",   "12 Sec.",   "15 Sec."};
inline constexpr ItemList inputAveraging{literals(kInputAveraging)};
inline constexpr ItemList alarmDelays{numbers(run(0, 5, 64, " Sec."))};
inline constexpr T kRelayControl[] = {QT_TRANSLATE_NOOP("Ui", "напрямую, сигналом на входе"),
                                      QT_TRANSLATE_NOOP("Ui", "тревожным событием, с учетом блокировки"),
                                      QT_TRANSLATE_NOOP("Ui", "тревожным событием, без учета блокировки")};
inline constexpr ItemList relayControl{interfaceTexts(kRelayControl)};
inline constexpr ItemList oneToFour{numbers(run(1, 1, 4, ""))};
inline constexpr ItemList filterWindows{numbers(textRun(10, 10, 16, QT_TRANSLATE_NOOP("Ui", " Сек.")))};
inline constexpr T kSupplySources[] = {QT_TRANSLATE_NOOP("Ui", "Порт питания датчиков (10VS)"),
                                       QT_TRANSLATE_NOOP("Ui", "По шлейфу, со сбросом питания"),
                                       QT_TRANSLATE_NOOP("Ui", "Другое")};
inline constexpr ItemList supplySources{interfaceTexts(kSupplySources)};
inline constexpr T kNoNumber[] = {" -"};
inline constexpr ItemList listenNumbers{literals(kNoNumber).then(run(1, 1, 8, ""))};
inline constexpr T kAlarmTries[] = {QT_TRANSLATE_NOOP("Ui", "без ограничения"), QT_TRANSLATE_NOOP("Ui", "не более 1 раза"),
                                    QT_TRANSLATE_NOOP("Ui", "не более 3 раз"), QT_TRANSLATE_NOOP("Ui", "не более 7 раз")};
inline constexpr ItemList alarmTries{interfaceTexts(kAlarmTries)};
inline constexpr T kModeChanges[] = {QT_TRANSLATE_NOOP("Ui", "не менять"), QT_TRANSLATE_NOOP3("Ui", "ОХРАНА", "mode choice"),
                                     QT_TRANSLATE_NOOP3("Ui", "НАБЛЮДЕНИЕ", "mode choice"),
                                     QT_TRANSLATE_NOOP("Ui", "Противоположный")};
inline constexpr ItemList modeChanges{interfaceTexts(kModeChanges)};
inline constexpr T kSupplyModes[] = {
    QT_TRANSLATE_NOOP("Ui", "Зависит от режима (Охрана - включен, Наблюдение - выключен)"),
    QT_TRANSLATE_NOOP("Ui", "Питание всегда подано")};
inline constexpr ItemList sensorSupplyModes{interfaceTexts(kSupplyModes)};
inline constexpr ItemList loopResetTimes{numbers(run(10, 10, 8, "  Sec."))};
inline constexpr ItemList noScanAfterArmTimes{numbers(run(0, 10, 16, "  Sec."))};
inline constexpr T kFirstNoScanTimes[] = {"0 Sec.", "15 Sec."};
inline constexpr ItemList noScanAfterResetTimes{literals(kFirstNoScanTimes).then(run(30, 15, 6, "  Sec."))};

// Connections.
inline constexpr T kDialPriorities[] = {QT_TRANSLATE_NOOP("Ui", "Чередование от 1 до 8 по кольцу, без приоритета."),
                                        QT_TRANSLATE_NOOP("Ui", "Приоритет у соединения с меньшим номером."),
                                        QT_TRANSLATE_NOOP("Ui", "Приоритет у текущего соединения, до полной передачи."),
                                        QT_TRANSLATE_NOOP("Ui", "Приоритет у текущего соединения, до первой неудачи.")};
inline constexpr ItemList dialPriorities{interfaceTexts(kDialPriorities)};
inline constexpr ItemList callPauses{numbers(run(0, 10, 8, ""))};
inline constexpr T kNoLimit[] = {"---"};
inline constexpr ItemList outdatedTimes{literals(kNoLimit).then(run(2, 2, 15, " Min."))};
inline constexpr T kDataProtocols[] = {"V.32 (9600 bps)", "V.110 (9600 bps)"};
inline constexpr ItemList dataProtocols{literals(kDataProtocols)};
inline constexpr ItemList oneToEight{numbers(run(1, 1, 8, ""))};
inline constexpr T kTransportPriorities[] = {
    QT_TRANSLATE_NOOP("Ui", "Голосовое и SMS оповещения равнозначны"),
    QT_TRANSLATE_NOOP("Ui", "Посылать SMS только если не доставлено голосовое оповещ."),
    QT_TRANSLATE_NOOP("Ui", "Голосовое оповещение только если не отправлено SMS")};
inline constexpr ItemList transportPriorities{interfaceTexts(kTransportPriorities)};
inline constexpr T kConnectionTypes[] = {QT_TRANSLATE_NOOP("Ui", "Голосовое"), QT_TRANSLATE_NOOP("Ui", "WardLink"),
                                         QT_TRANSLATE_NOOP("Ui", "Голосовое WL")};
inline constexpr ItemList connectionTypes{interfaceTexts(kConnectionTypes)};
inline constexpr T kIncomingCallActions[] = {
    QT_TRANSLATE_NOOP("Ui", "Принять и перейти в голосовое меню, с паролем (DTMF управление)"),
    QT_TRANSLATE_NOOP("Ui", "Принять и перейти в голосовое меню, без пароля (DTMF управление)"),
    QT_TRANSLATE_NOOP("Ui", "Отбить (DTMF управление невозможно)"),
    QT_TRANSLATE_NOOP("Ui", "Отбить и изменить режим (ОХРАНА/НАБЛЮДЕНИЕ)")};
inline constexpr ItemList incomingCallActions{interfaceTexts(kIncomingCallActions)};
inline constexpr T kCallLengths[] = {QT_TRANSLATE_NOOP("Ui", "По длине сообщения"),
                                     QT_TRANSLATE_NOOP("Ui", "Задается DTMF упр.")};
inline constexpr ItemList voiceCallLengths{interfaceTexts(kCallLengths).then(run(2, 1, 60, " Sec."))};
inline constexpr ItemList waitTimes{numbers(run(1, 1, 16, " Min."))};
inline constexpr T kSmsLanguages[] = {QT_TRANSLATE_NOOP("Ui", "Английский"), QT_TRANSLATE_NOOP("Ui", "Русский")};
inline constexpr ItemList smsLanguages{interfaceTexts(kSmsLanguages)};
inline constexpr T kUserIdentities[] = {QT_TRANSLATE_NOOP("Ui", "Код ключа TouchMem"),
                                        QT_TRANSLATE_NOOP3("Ui", "Имя пользователя", "sms identity")};
inline constexpr ItemList userIdentities{interfaceTexts(kUserIdentities)};

// GPRS and servers: minutes in the interface language.
inline constexpr ItemList gprsWaitTimes{numbers(textRun(1, 1, 16, QT_TRANSLATE_NOOP("Ui", "Мин."), " "))};
inline constexpr ItemList attemptCounts{numbers(run(1, 1, 7, ""))};
inline constexpr ItemList pingPeriods{numbers(textRun(1, 1, 30, QT_TRANSLATE_NOOP("Ui", "Мин."), " "))};
inline constexpr ItemList onlineTimes{numbers(textRun(0, 1, 31, QT_TRANSLATE_NOOP("Ui", "Мин."), " "))};
inline constexpr T kAddressTypes[] = {QT_TRANSLATE_NOOP("Ui", "IP адрес"),
                                      QT_TRANSLATE_NOOP("Ui", "Доменное имя (требуется DNS)")};
inline constexpr ItemList addressTypes{interfaceTexts(kAddressTypes)};

// Power and temperature.
inline constexpr ItemList doublingSeconds{numbers(doublingRun(2, 8, " Sec."))};
inline constexpr ItemList doublingMinutes{numbers(doublingRun(2, 8, " Min."))};
// Output-control levels: item i stands for 89 - i degrees.
inline constexpr ItemList temperatureLevels{numbers(run(89, -1, 129, "° C"))};
inline constexpr T kIndicationModes[] = {
    QT_TRANSLATE_NOOP("Ui", "Показывать состояние входов 1-8 на индикаторах In1-In8"),
    QT_TRANSLATE_NOOP("Ui", "Показывать уровень GSM сигнала на индикаторах In1-In8"),
    QT_TRANSLATE_NOOP("Ui", "Установлена плата расширенной индикации")};
inline constexpr ItemList indicationModes{interfaceTexts(kIndicationModes)};

// System parameters.
inline constexpr T kCalibrationDirections[] = {QT_TRANSLATE_NOOP("Ui", "добавить 1 секунду"),
                                               QT_TRANSLATE_NOOP("Ui", "вычесть 1 секунду")};
inline constexpr ItemList calibrationDirections{interfaceTexts(kCalibrationDirections)};
inline constexpr T kBatteryTypes[] = {QT_TRANSLATE_NOOP("Ui", "Литий-фосфатная LiFePO4 - (12В; 1,3 А/ч)"),
                                      QT_TRANSLATE_NOOP("Ui", "Свинцово-кислотная Pb (12В; от 3,5 А/ч)")};
inline constexpr ItemList batteryTypes{interfaceTexts(kBatteryTypes)};

} // namespace lists
} // namespace vrm
