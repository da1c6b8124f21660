#include <gtest/gtest.h>

#include "model/SchedulerTask.h"
#include "model/TimeZoneNames.h"

using namespace vrm;

TEST(SchedulerTask, ActionCodingByKind)
{
    struct Case {
        TaskActionChoice choice;
        TaskActionBytes bytes;
    };
    const Case cases[] = {
        {{0, 0}, {TaskKind::None, 0, std::nullopt}},
        {{1, 6}, {TaskKind::Arm, 6, std::nullopt}},            // arm "Все периметры"
        {{2, 4}, {TaskKind::Disarm, 4, std::nullopt}},         // disarm "Периметр 1 и 2"
        {{3, 1}, {TaskKind::OutputControl, 0, uint8_t(1)}},    // relay 1, "включить"
        {{6, 3}, {TaskKind::OutputControl, 3, uint8_t(3)}},    // output 2, "сценарий 1"
        {{9, 16}, {TaskKind::OutputControl, 6, uint8_t(16)}},  // output 5, "сценарий 14"
        {{10, 0}, {TaskKind::ApplyProfile, 0, std::nullopt}},  // profile 1
        {{17, 0}, {TaskKind::ApplyProfile, 7, std::nullopt}},  // profile 8
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeTaskAction(c.choice), c.bytes) << c.choice.action;
        const uint8_t actionByte = uint8_t(uint8_t(c.bytes.kind) << 2);
        EXPECT_EQ(decodeTaskAction(actionByte, c.bytes.target, c.bytes.outputAction.value_or(0)), c.choice)
            << c.choice.action;
    }
}

TEST(SchedulerTask, DecodeReadsTheWholeActionByte)
{
    struct Case {
        uint8_t actionByte, target, outputAction;
        TaskActionChoice shown;
    };
    const Case cases[] = {
        {0x07, 2, 0, {1, 2}},        // test and info bits set, kind 1
        {0x0A, 5, 0, {2, 5}},        // info bit, kind 2
        {0x0F, 0xF3, 9, {6, 9}},     // kind 3: only the low nibble names the output
        {0x13, 7, 0, {17, 0}},       // kind 4 with test and info: "Применить профиль 8", box hidden
        {0x50, 3, 3, {0, 0}},        // kind 20: "Нет действия"
        {0x14, 0, 0, {0, 0}},        // kind 5
        {0x0C, 0x07, 1, {0, 0}},     // output number 7 does not exist
        {0x10, 8, 0, {0, 0}},        // profile 9 does not exist
        {0x04, 9, 0, {1, 0}},        // perimeter selection outside the list
        {0x0C, 0x02, 17, {5, 0}},    // output action outside the list
        {0x00, 5, 0, {0, 0}},        // no action: the parameter box is hidden
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeTaskAction(c.actionByte, c.target, c.outputAction), c.shown) << int(c.actionByte);
}

TEST(SchedulerTask, ParameterListFollowsTheAction)
{
    EXPECT_EQ(taskParameterCount(0), 0);
    EXPECT_EQ(taskParameterCount(1), 7);
    EXPECT_EQ(taskParameterCount(2), 7);
    EXPECT_EQ(taskParameterCount(3), 17);
    EXPECT_EQ(taskParameterCount(9), 17);
    EXPECT_EQ(taskParameterCount(10), 0);
    EXPECT_EQ(taskParameterCount(17), 0);
}

TEST(SchedulerTask, TimeText)
{
    struct Case {
        const char* text;
        TaskTime time;
    };
    const Case cases[] = {
        {"07:05", {7, 5}}, {"23:59", {23, 59}}, {" 7: 5", {7, 5}},
        {"31:63", {31, 63}},            // not range-checked
        {"99:99", {99 & 0x1F, 99 & 0x3F}}, // low 5 and 6 bits
        {"--:--", {0, 0}},  {"", {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(taskTimeFromText(QString::fromLatin1(c.text)), c.time) << c.text;
    EXPECT_EQ(taskTimeText({7, 5}), "07:05");
    EXPECT_EQ(taskTimeText({23, 0}), "23:00");
}

TEST(TimeZoneNames, TwentySixZonesIndexedByOffsetPlusTwelve)
{
    const QStringList names = timeZoneNames();
    ASSERT_EQ(names.size(), 26);
    EXPECT_EQ(names[0], "(GMT-12:00)");
    EXPECT_EQ(names[11], "(GMT-1:00)");
    EXPECT_EQ(names[12], "(GMT) Время по Гринвичу: Дублин, Лондон");
    EXPECT_EQ(names[13], "(GMT+1:00)");
    EXPECT_EQ(names[14], "(GMT+2:00) Киев, Харьков");
    EXPECT_EQ(names[15], "(GMT+3:00) Москва, Санкт-Петербург, Тула");
    EXPECT_EQ(names[18], "(GMT+6:00) Омск, Новосибирск, Алма-Ата");
    EXPECT_EQ(names[22], "(GMT+10:00) Владивосток");
    EXPECT_EQ(names[25], "(GMT+13:00)");
    EXPECT_EQ(timeZoneIndex(3), 15);
    EXPECT_EQ(timeZoneIndex(-12), 0);
    EXPECT_EQ(timeZoneIndex(13), 25);
    EXPECT_FALSE(timeZoneIndex(14).has_value());
    EXPECT_FALSE(timeZoneIndex(-13).has_value());
    EXPECT_EQ(timeZoneOffset(0), -12);
}
