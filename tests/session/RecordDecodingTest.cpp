// How the poller's records are read: the live status record, the key code
// record and the identity record, and the texts shown for them.
#include <QLocale>
#include <gtest/gtest.h>

#include "session/IdentityRecord.h"
#include "session/LiveStatus.h"

using namespace vrm;

namespace {

QByteArray statusRecord(std::initializer_list<std::pair<int, uint8_t>> bytes)
{
    QByteArray record(live::kStatusSize, '\0');
    for (auto [offset, value] : bytes)
        record[offset] = char(value);
    return record;
}

class CLocale : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

// Overwrites bytes from `offset` with `text` (no terminator).
void put(QByteArray& record, int offset, const char* text)
{
    for (int i = 0; text[i]; ++i)
        record[offset + i] = text[i];
}

} // namespace

TEST(LiveStatusDecoding, GsmStatePastTheListIsUnknown)
{
    const QStringList states = defaultGsmStates();
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {0, "Инициализация модема"},
        {8, "Зарегистрирован в домашней сети"},
        {10, "Зарегистрирован в роуменге"},
        {11, "Неизвестное состояние GSM модуля"},
        {200, "Неизвестное состояние GSM модуля"},
        {255, "Неизвестное состояние GSM модуля"},
    };
    for (const auto& c : cases) {
        const LiveStatus status = LiveStatus::decode(statusRecord({{30, uint8_t(c.code)}}));
        EXPECT_EQ(gsmStateText(status.gsmState, states), QString::fromUtf8(c.text)) << c.code;
    }
}

TEST(LiveStatusDecoding, BatteryValues)
{
    const struct {
        uint8_t byte;
        const char* percent;
        int bar;
        const char* message;
    } cases[] = {
        {0, "0%", 0, "\nАккумулятор подключен"},
        {100, "100%", 100, "\nАккумулятор подключен"},
        {101, "0%", 0, "\nАккумулятор не подключен"},
        {255, "0%", 0, "\nАккумулятор не подключен"},
        {254, "0%", 0, "Тестирование АКБ,\nподождите (не более 1 мин.)"},
    };
    for (const auto& c : cases) {
        const BatteryView view = batteryView(LiveStatus::decode(statusRecord({{24, c.byte}})).battery);
        EXPECT_EQ(view.percent, QString::fromUtf8(c.percent)) << int(c.byte);
        EXPECT_EQ(view.bar, c.bar) << int(c.byte);
        EXPECT_EQ(view.message, QString::fromUtf8(c.message)) << int(c.byte);
    }
}

TEST_F(CLocale, MainsBelowFiveReadsAsZero)
{
    const MainsView low = mainsView(LiveStatus::decode(statusRecord({{22, 4}})).mains);
    EXPECT_EQ(low.volts, QStringLiteral("0.0 В"));
    EXPECT_EQ(low.bar, 0);
    const MainsView normal = mainsView(LiveStatus::decode(statusRecord({{22, 123}})).mains);
    EXPECT_EQ(normal.volts, QStringLiteral("12.3 В"));
    EXPECT_EQ(normal.bar, 123);
}

TEST_F(CLocale, TemperatureIsSigned)
{
    const LiveStatus status = LiveStatus::decode(statusRecord({{31, 0xF6}, {27, 0x01}}));
    ASSERT_TRUE(status.temperaturePresent());
    const TemperatureView view = temperatureView(status.temperature, status.temperaturePresent());
    EXPECT_EQ(view.bar, -10);
    EXPECT_TRUE(view.barVisible);
    EXPECT_EQ(view.value, QStringLiteral("-10° C"));
    EXPECT_EQ(view.caption, QStringLiteral("Текущее значение"));

    const TemperatureView absent = temperatureView(status.temperature, false);
    EXPECT_FALSE(absent.barVisible);
    EXPECT_TRUE(absent.value.isEmpty());
    EXPECT_EQ(absent.caption, QStringLiteral("Текущее значение температуры не доступно"));
}

// A progress bar ignores a value outside its range, so readings beyond the
// bars' ranges are brought to the nearest end; the texts keep the reading.
TEST_F(CLocale, ReadingsBeyondTheBarsAreShownAtTheirEnds)
{
    struct Case {
        uint8_t mains;
        QString volts;
        int bar;
    };
    for (const Case& c : {Case{165, QStringLiteral("16.5 В"), 165}, Case{166, QStringLiteral("16.6 В"), 165},
                          Case{255, QStringLiteral("25.5 В"), 165}}) {
        const MainsView view = mainsView(c.mains);
        EXPECT_EQ(view.volts, c.volts);
        EXPECT_EQ(view.bar, c.bar) << int(c.mains);
    }
    struct Temperature {
        int8_t celsius;
        int bar;
        const char* value;
    };
    for (const Temperature& t : {Temperature{-41, -40, "-41° C"}, Temperature{-128, -40, "-128° C"},
                                 Temperature{90, 90, "90° C"}, Temperature{127, 90, "127° C"}}) {
        const TemperatureView view = temperatureView(t.celsius, true);
        EXPECT_EQ(view.bar, t.bar) << int(t.celsius);
        EXPECT_EQ(view.value, QString::fromUtf8(t.value));
    }
}

TEST_F(CLocale, BalanceIsAFloatWithTwoDecimals)
{
    // 1234.5f little-endian: 0x449A5000.
    const LiveStatus status = LiveStatus::decode(statusRecord({{27, 0x02}, {33, 0x50}, {34, 0x9A}, {35, 0x44}}));
    EXPECT_EQ(balanceText(status.balancePresent(), status.balance),
              QStringLiteral("Баланс лицевого счета: ") + QLocale().toString(1234.5, 'f', 2));
    EXPECT_TRUE(balanceText(false, 1.0f).isEmpty());
}

TEST(LiveStatusDecoding, ClockRecordInDayMonthYearOrder)
{
    const LiveStatus status = LiveStatus::decode(statusRecord({{0, 24}, {1, 3}, {2, 7}, {3, 9}, {4, 5}, {5, 30}}));
    EXPECT_EQ(controllerClockText(status), QStringLiteral("07.03.24 09:05:30"));
}

TEST(LiveStatusDecoding, InputReadingAndItsValidity)
{
    const struct {
        uint8_t flags;
        uint8_t battery;
        bool valid;
    } cases[] = {{0x00, 50, false}, {0x40, 50, true}, {0x40, 0, false}, {0x20, 0, true}, {0x1F, 50, false}};
    for (const auto& c : cases) {
        const LiveStatus s = LiveStatus::decode(statusRecord({{25, c.flags}, {24, c.battery}, {12, 0xFF}, {13, 0x0F}}));
        EXPECT_EQ(s.inputReadingValid(), c.valid) << int(c.flags) << " " << int(c.battery);
        EXPECT_EQ(s.inputReading[3], 4095);
    }
    EXPECT_EQ(LiveStatus::decode(statusRecord({{25, 0xFF}})).signalQuality(), 31);
}

TEST(LiveStatusDecoding, ShortRecordReadsAsZeros)
{
    const LiveStatus s = LiveStatus::decode(QByteArray(5, '\x01'));
    EXPECT_EQ(s.clock[4], 1);
    EXPECT_EQ(s.clock[5], 0);
    EXPECT_EQ(s.gsmState, 0);
}

TEST(KeyRecord, PresentedOnlyWithBothBits)
{
    QByteArray record = QByteArray::fromHex("01A2B3C4D5E6F7080300FF");
    record.append('\0');
    EXPECT_TRUE(keyPresented(record));
    EXPECT_EQ(keyCodeText(record), QStringLiteral("01A2B3C4D5E6F708"));
    record[8] = 0x01;
    EXPECT_FALSE(keyPresented(record));
    record[8] = 0x02;
    EXPECT_FALSE(keyPresented(record));
}

TEST(IdentityDecoding, FieldsVersionsAndSerials)
{
    QByteArray record(identity::kRecordSize, '\0');
    put(record, 0, "VRM530XYZ");          // 9 bytes, only 8 used
    put(record, 9, "QT");
    record[18] = 0x02, record[19] = 0x12;          // 12.02
    record[20] = 0x0B, record[21] = 0x0A;          // 0A.0B
    put(record, 24, "14.05.2013xyz");       // 11 used
    put(record, 36, "RUSX");                 // 3 used
    put(record, 56, "351234567890125Z");    // 15 used
    record[72] = 1, record[76] = 2, record[80] = 3; // device serial 1 2 3 4294967295
    record[84] = char(0xFF), record[85] = char(0xFF), record[86] = char(0xFF), record[87] = char(0xFF);

    const IdentityTexts t = decodeIdentity(record);
    EXPECT_EQ(t.deviceName, QStringLiteral("VRM530XY"));
    EXPECT_EQ(t.hardwareVersion, QStringLiteral("12.02"));
    EXPECT_EQ(t.softwareVersion, QStringLiteral("0A.0B"));
    EXPECT_EQ(t.bootVersion, QStringLiteral("--.--"));
    EXPECT_EQ(t.date, QStringLiteral("14.05.2013x"));
    EXPECT_EQ(t.countryCode, QStringLiteral("RUS"));
    EXPECT_EQ(t.imei, QStringLiteral("351234567890125"));
    EXPECT_EQ(t.deviceSerial, QStringLiteral("0000000001 0000000002\r\n 0000000003 4294967295"));
    EXPECT_EQ(t.lockedSerial, QString(48, QLatin1Char(' ')) + QLatin1Char('-'));
    EXPECT_EQ(t.firmwareText(), QStringLiteral("QT.0A.0B"));
    EXPECT_EQ(t.unsupportedText(), QStringLiteral("Устройство VRM530XY не поддерживается"));
}

TEST(IdentityDecoding, BlankRecord)
{
    const IdentityTexts t = decodeIdentity(blankIdentityRecord());
    EXPECT_EQ(t.deviceName, QStringLiteral("--------"));
    EXPECT_EQ(t.modification, QStringLiteral("--------"));
    EXPECT_EQ(t.hardwareVersion, QStringLiteral("--.--"));
    EXPECT_EQ(t.date, QStringLiteral("-----------"));
    EXPECT_EQ(t.countryCode, QStringLiteral("---"));
    EXPECT_EQ(t.imei, QStringLiteral("---------------"));
    EXPECT_EQ(t.deviceSerial,
              QStringLiteral("- - - - - - - -  - - - - - - - -\r\n  - - - - - - - -  - - - - - - - -"));
    EXPECT_EQ(supportMailSubject(t), QStringLiteral("VRM530, нет информации о версии устройства"));
}

TEST(IdentityDecoding, FirmwareCheckIsExact)
{
    auto firmware = [](const char* modification, uint16_t version) {
        QByteArray record(identity::kRecordSize, '\0');
        put(record, 0, "VRM530");
        put(record, 9, modification);
        record[20] = char(version & 0xFF);
        record[21] = char(version >> 8);
        return decodeIdentity(record);
    };
    EXPECT_TRUE(firmware("QT", 0x0102).firmwareSupported());
    EXPECT_TRUE(firmware("QT-PRISM", 0x0104).firmwareSupported());
    EXPECT_FALSE(firmware("qt", 0x0102).firmwareSupported());
    EXPECT_FALSE(firmware("QT-PRISM", 0x0102).firmwareSupported());
    EXPECT_EQ(firmware("QT", 0x0201).unsupportedText(), QStringLiteral("Версия QT.02.01 не поддерживается"));
}
