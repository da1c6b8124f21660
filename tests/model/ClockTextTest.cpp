#include <gtest/gtest.h>

#include "model/ClockText.h"

using namespace vrm;

TEST(ClockText, PayloadFromFixedPositions)
{
    EXPECT_EQ(clockPayloadFromText("31.12.99 23:59:59"), (ClockPayload{99, 12, 31, 23, 59, 59}));
    EXPECT_EQ(clockPayloadFromText("07.03.24 09:05:30"), (ClockPayload{24, 3, 7, 9, 5, 30}));
    // blanks and missing characters read as 0
    EXPECT_EQ(clockPayloadFromText(" 7. 3.24  9: 5:  "), (ClockPayload{24, 3, 7, 9, 5, 0}));
    EXPECT_EQ(clockPayloadFromText("01.02.03"), (ClockPayload{3, 2, 1, 0, 0, 0}));
}

TEST(ClockText, EachBadFieldHasItsMessage)
{
    struct Case {
        const char* text;
        ClockEntryFault fault;
        const char* message;
    };
    const Case cases[] = {
        {"32.12.24 10:00:00", ClockEntryFault::Day, "Не верно установлено число"},
        {"31.13.24 10:00:00", ClockEntryFault::Month, "Не верно установлен месяц"},
        {"31.12.24 24:00:00", ClockEntryFault::Hour, "Не верно установлены часы"},
        {"31.12.24 23:60:00", ClockEntryFault::Minute, "Не верно установлены минуты"},
        {"99.99.24 99:99:00", ClockEntryFault::Day, "Не верно установлено число"}, // the first failure wins
        {"31.12.99 23:59:99", ClockEntryFault::None, ""},                         // seconds are not checked
        {"00.00.00 00:00:00", ClockEntryFault::None, ""},
    };
    for (const Case& c : cases) {
        const ClockEntryFault fault = checkClockPayload(clockPayloadFromText(QString::fromUtf8(c.text)));
        EXPECT_EQ(fault, c.fault) << c.text;
        EXPECT_EQ(clockEntryFaultText(fault), QString::fromUtf8(c.message)) << c.text;
    }
    // Two digits cannot hold a year of 100; the check still guards the payload.
    EXPECT_EQ(checkClockPayload({100, 1, 1, 0, 0, 0}), ClockEntryFault::Year);
    EXPECT_EQ(clockEntryFaultText(ClockEntryFault::Year), "Не верно установлен год");
}

TEST(ClockText, ControllerClockShownDayFirst)
{
    const uint8_t clock[6] = {24, 3, 7, 9, 5, 30};
    EXPECT_EQ(controllerClockText(std::span<const uint8_t, 6>(clock)), "07.03.24 09:05:30");
    const uint8_t odd[6] = {0, 1, 123, 0, 0, 0}; // a day byte of 123: tens "12", units "3"
    EXPECT_EQ(controllerClockText(std::span<const uint8_t, 6>(odd)), "123.01.00 00:00:00");
}

TEST(ClockText, ComputerClock)
{
    EXPECT_EQ(computerClockText(QDateTime(QDate(2024, 3, 7), QTime(9, 5, 30))), "07.03.24 09:05:30");
}
