#pragma once
// Signature and the communication records: common connection parameters,
// balance request, connections 1-8, GPRS, servers 1-3.

#include "model/layout/Declare.h"

namespace vrm::layout {

// --- Image signature (offsets 0-11) ---
namespace signature {
struct Record {
    static constexpr std::size_t size = 12;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Сигнатура");
};
#define VRM_SIGNATURE_FIELDS(F)                               \
    F(format, u8(0), QT_TRANSLATE_NOOP("Ui", "Формат"))       \
    F(version, text(1, 8), QT_TRANSLATE_NOOP("Ui", "Версия")) \
    F(reserved, raw(9, 3), QT_TRANSLATE_NOOP("Ui", "Резерв"))
VRM_DECLARE_FIELDS(VRM_SIGNATURE_FIELDS)
#undef VRM_SIGNATURE_FIELDS
// "01.02" inside the version text, carried by file headers: a second view of bytes 3-7.
inline constexpr auto versionNumber = declareField<Record>("versionNumber", QT_TRANSLATE_NOOP("Ui", "Номер версии"), decl::raw(3, 5));
} // namespace signature
inline constexpr RecordArray<signature::Record> signatureBlock{0};

// --- Common connection parameters and security (page 1), offsets 12-67 ---
namespace common {
struct Record {
    static constexpr std::size_t size = 56;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Общие параметры соединений");
};
#define VRM_COMMON_FIELDS(F)                                                                                       \
    F(callPause, bits(0, 0, 3), QT_TRANSLATE_NOOP("Ui", "Пауза между звонками"), list(lists::callPauses).in(QT_TRANSLATE_NOOP("Ui", "с"))) \
    F(alwaysAcknowledgeSms, bits(0, 3, 1), QT_TRANSLATE_NOOP("Ui", "Всегда подтверждать SMS"))                     \
    F(smsControlOnlyListed, bits(0, 4, 1), QT_TRANSLATE_NOOP("Ui", "SMS управление только с номеров из списка"))   \
    F(dtmfControlOnlyListed, bits(0, 5, 1), QT_TRANSLATE_NOOP("Ui", "DTMF управление только с номеров из списка")) \
    F(dialPriority, bits(0, 6, 2), QT_TRANSLATE_NOOP("Ui", "Приоритет дозвона"), list(lists::dialPriorities)) \
    F(outdatedMessageTime, bits(1, 0, 4), QT_TRANSLATE_NOOP("Ui", "Срок действия SMS команды"), list(lists::outdatedTimes)) \
    F(dataProtocol, bits(1, 4, 1), QT_TRANSLATE_NOOP("Ui", "Протокол DATA"), list(lists::dataProtocols)) \
    F(modbusAddress, u8(2), QT_TRANSLATE_NOOP("Ui", "Адрес Modbus"), range(1, 247)) \
    F(systemPassword, text(8, 9), QT_TRANSLATE_NOOP("Ui", "Административный пароль"), secretText()) \
    F(pin, text(17, 9), QT_TRANSLATE_NOOP("Ui", "PIN код SIM карты"))                                              \
    F(dtmfPassword, text(26, 5), QT_TRANSLATE_NOOP("Ui", "Пароль DTMF управления"))                                \
    F(smsPassword, text(31, 9), QT_TRANSLATE_NOOP("Ui", "Пароль SMS управления"))                                  \
    F(smsCentre, text(40, 16), QT_TRANSLATE_NOOP("Ui", "Номер SMS центра"))
VRM_DECLARE_FIELDS(VRM_COMMON_FIELDS)
#undef VRM_COMMON_FIELDS
} // namespace common
inline constexpr RecordArray<common::Record> commonBlock{12, 1, 1, 1};

// --- Balance request of page 1, offsets 2818-2841 ---
namespace balance {
struct Record {
    static constexpr std::size_t size = 24;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Запрос баланса");
};
#define VRM_BALANCE_FIELDS(F)                                                           \
    F(ussdCommand, text(2, 9), QT_TRANSLATE_NOOP("Ui", "USSD команда запроса баланса")) \
    F(keyword, text(11, 9), QT_TRANSLATE_NOOP("Ui", "Ключевое слово баланса"))          \
    F(threshold, u16(20), QT_TRANSLATE_NOOP("Ui", "Порог баланса"))                     \
    F(requestPeriod, u8(22), QT_TRANSLATE_NOOP("Ui", "Период запроса баланса, ч"), unit(QT_TRANSLATE_NOOP("Ui", "ч")))
VRM_DECLARE_FIELDS(VRM_BALANCE_FIELDS)
#undef VRM_BALANCE_FIELDS
} // namespace balance
inline constexpr RecordArray<balance::Record> balanceBlock{2818, 1, 1, 1};

// --- The message sources of one channel (voice, SMS, GPRS): which events it reports ---
namespace sources {
struct Record {
    static constexpr std::size_t size = 6;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Источники сообщений");
};
// Input mask pair: word A has bit i set when input i+1 is not unchecked, word B when it is checked.
#define VRM_SOURCE_FIELDS(F)                                                        \
    F(inputsSet, u16(0), QT_TRANSLATE_NOOP("Ui", "Входы (выбраны или серые)"))      \
    F(inputsChecked, u16(2), QT_TRANSLATE_NOOP("Ui", "Входы (выбраны)"))            \
    F(arm, bits(4, 0, 4), QT_TRANSLATE_NOOP("Ui", "Переход в режим ОХРАНА"))        \
    F(disarm, bits(4, 4, 4), QT_TRANSLATE_NOOP("Ui", "Переход в режим НАБЛЮДЕНИЕ")) \
    F(restrictedArm, bits(5, 0, 1), QT_TRANSLATE_NOOP("Ui", "Ограниченная охрана")) \
    F(systemEvents, bits(5, 1, 1), QT_TRANSLATE_NOOP("Ui", "Системные события"))    \
    F(test, bits(5, 2, 1), QT_TRANSLATE_NOOP("Ui", "Тест"))                         \
    F(gps, bits(5, 3, 1), "GPS")                                                    \
    F(profile, bits(5, 4, 1), QT_TRANSLATE_NOOP("Ui", "Профиль"))
VRM_DECLARE_FIELDS(VRM_SOURCE_FIELDS)
#undef VRM_SOURCE_FIELDS
} // namespace sources

// --- Connections 1-8 (pages 2-9) ---
namespace connection {
struct Record {
    static constexpr std::size_t size = 36;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Соединение %1");
};
#define VRM_CONNECTION_FIELDS(F)                                                                     \
    F(phone, text(0, 16), QT_TRANSLATE_NOOP("Ui", "Номер"))                                          \
    F(transportPriority, bits(16, 0, 2), QT_TRANSLATE_NOOP("Ui", "Приоритет транспорта"), list(lists::transportPriorities)) \
    F(groupNumber, bits(16, 2, 4), QT_TRANSLATE_NOOP("Ui", "Группа"), list(lists::oneToEight)) \
    F(voiceWaitTime, bits(17, 0, 4), QT_TRANSLATE_NOOP("Ui", "Голос: время ожидания"), list(lists::waitTimes)) \
    F(incomingCallAction, bits(17, 4, 2), QT_TRANSLATE_NOOP("Ui", "Реакция на входящий вызов"), list(lists::incomingCallActions)) \
    F(incomingCallOutput, bits(18, 0, 3), QT_TRANSLATE_NOOP("Ui", "Входящий вызов: выход"), list(lists::outputs)) \
    F(incomingCallOutputAction, bits(18, 3, 5), QT_TRANSLATE_NOOP("Ui", "Входящий вызов: действие"), list(lists::actions)) \
    F(hangUpIsDelivery, bits(19, 0, 1), QT_TRANSLATE_NOOP("Ui", "Сброс вызова считать доставкой"))   \
    F(voiceEnabled, bits(19, 1, 1), QT_TRANSLATE_NOOP("Ui", "Голосовые оповещения разрешены"))       \
    F(voiceCallLength, bits(19, 2, 6), QT_TRANSLATE_NOOP("Ui", "Голос: длительность вызова"), list(lists::voiceCallLengths)) \
    F(connectionType, bits(20, 0, 2), QT_TRANSLATE_NOOP("Ui", "Тип соединения"), list(lists::connectionTypes)) \
    F(voiceSources, records<sources::Record>(22), QT_TRANSLATE_NOOP("Ui", "Голосовые оповещения"))   \
    F(smsWaitTime, bits(28, 0, 4), QT_TRANSLATE_NOOP("Ui", "SMS: время ожидания"), list(lists::waitTimes)) \
    F(smsLanguage, bits(29, 0, 2), QT_TRANSLATE_NOOP("Ui", "SMS: протокол"), list(lists::smsLanguages)) \
    F(smsUserIdentity, bits(29, 2, 1), QT_TRANSLATE_NOOP("Ui", "SMS: идентификация пользователя"), list(lists::userIdentities)) \
    F(controlErrorCheck, bits(29, 3, 1), QT_TRANSLATE_NOOP("Ui", "Контроль ошибок управления"))      \
    F(smsEnabled, bits(29, 4, 1), QT_TRANSLATE_NOOP("Ui", "SMS оповещения разрешены"))               \
    F(jointUse, bits(29, 5, 1), QT_TRANSLATE_NOOP("Ui", "Управление ведомым контроллером"))          \
    F(smsSources, records<sources::Record>(30), QT_TRANSLATE_NOOP("Ui", "SMS оповещения"))
VRM_DECLARE_FIELDS(VRM_CONNECTION_FIELDS)
#undef VRM_CONNECTION_FIELDS
} // namespace connection
inline constexpr RecordArray<connection::Record> connections{68, 8, 2, 8};

// --- GPRS common parameters (page 10), offsets 2852-2939 ---
namespace gprs {
struct Record {
    static constexpr std::size_t size = 88;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Общие параметры GPRS");
};
// Strategy byte: 255 = always connected, 0 = on event, 1-252 = periodically every value x 5 min.
#define VRM_GPRS_FIELDS(F)                                                                   \
    F(apn, text(0, 33), QT_TRANSLATE_NOOP("Ui", "Точка доступа (APN)"))                      \
    F(userName, text(33, 17), QT_TRANSLATE_NOOP("Ui", "Имя пользователя GPRS"))              \
    F(password, text(50, 17), QT_TRANSLATE_NOOP("Ui", "Пароль GPRS"))                        \
    F(dns1, ipv4(68), QT_TRANSLATE_NOOP("Ui", "Первичный DNS"))                              \
    F(dns2, ipv4(72), QT_TRANSLATE_NOOP("Ui", "Вторичный DNS"))                              \
    F(gprsSources, records<sources::Record>(76), QT_TRANSLATE_NOOP("Ui", "GPRS оповещения")) \
    F(connectionStrategy, u8(82), QT_TRANSLATE_NOOP("Ui", "Стратегия подключения"))          \
    F(attempts, bits(83, 0, 3), QT_TRANSLATE_NOOP("Ui", "Число попыток подключения"), list(lists::attemptCounts, 1)) \
    F(pingPeriod, bits(83, 3, 5), QT_TRANSLATE_NOOP("Ui", "Период проверки связи, мин"), list(lists::pingPeriods, 1)) \
    F(blockTime, u8(84), QT_TRANSLATE_NOOP("Ui", "Время блокировки"))                        \
    F(onlineTime, bits(85, 0, 5), QT_TRANSLATE_NOOP("Ui", "Время на связи, мин"), list(lists::onlineTimes))
VRM_DECLARE_FIELDS(VRM_GPRS_FIELDS)
#undef VRM_GPRS_FIELDS
// The strategy group (82-85) that "Значения по умолчанию" restores as a whole: a view of four bytes.
inline constexpr auto strategy = declareField<Record>("strategy", QT_TRANSLATE_NOOP("Ui", "Стратегия подключения"), decl::raw(82, 4));
inline constexpr uint8_t kAlwaysConnected = 255;
inline constexpr uint8_t kOnEvent = 0;
} // namespace gprs
inline constexpr RecordArray<gprs::Record> gprsBlock{2852, 1, 10, 1};

// --- Servers 1-3 (pages 11-13) ---
namespace server {
struct Record {
    static constexpr std::size_t size = 44;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Сервер %1");
};
#define VRM_SERVER_FIELDS(F)                                                   \
    F(address, raw(0, 36), QT_TRANSLATE_NOOP("Ui", "Адрес сервера"))           \
    F(port, u16(36), QT_TRANSLATE_NOOP("Ui", "Порт"))                          \
    F(addressType, bits(38, 0, 1), QT_TRANSLATE_NOOP("Ui", "Тип адреса"), list(lists::addressTypes)) \
    F(enabled, bits(40, 0, 1), QT_TRANSLATE_NOOP("Ui", "Сервер используется")) \
    F(gprsWaitTime, bits(40, 4, 4), QT_TRANSLATE_NOOP("Ui", "Время ожидания GPRS"), list(lists::gprsWaitTimes))
VRM_DECLARE_FIELDS(VRM_SERVER_FIELDS)
#undef VRM_SERVER_FIELDS
// The address holds an IPv4 field in bytes 0-3 or a NUL-terminated domain name: two views of `address`.
inline constexpr auto ipAddress = declareField<Record>("ipAddress", QT_TRANSLATE_NOOP("Ui", "IP адрес"), decl::ipv4(0));
inline constexpr auto domainName = declareField<Record>("domainName", QT_TRANSLATE_NOOP("Ui", "Доменное имя"), decl::text(0, 34));
} // namespace server
inline constexpr RecordArray<server::Record> servers{2940, 3, 11, 3};

} // namespace vrm::layout
