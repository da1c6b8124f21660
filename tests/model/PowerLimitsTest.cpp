#include <gtest/gtest.h>

#include "model/PowerLimits.h"

using namespace vrm;
using namespace vrm::powerLimits;

TEST(PowerLimits, GeneratedLists)
{
    const QStringList seconds = doublingItems(" Sec.");
    ASSERT_EQ(seconds.size(), 8);
    EXPECT_EQ(seconds.first(), "2 Sec.");
    EXPECT_EQ(seconds[3], "16 Sec.");
    EXPECT_EQ(seconds.last(), "256 Sec.");

    const QStringList levels = temperatureLevelItems("° C");
    ASSERT_EQ(levels.size(), 129);
    EXPECT_EQ(levels.first(), "89° C");
    EXPECT_EQ(levels[89], "0° C");
    EXPECT_EQ(levels[104], "-15° C");
    EXPECT_EQ(levels.last(), "-39° C");
}

TEST(PowerLimits, TemperatureLevelCoding)
{
    struct Case {
        int8_t stored;
        int index;
    };
    const Case cases[] = {{-15, 104}, {-20, 109}, {89, 0}, {-39, 128}, {0, 89}, {90, -1}, {-40, -1}, {127, -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(levelIndex(c.stored), c.index) << int(c.stored);
        if (c.index >= 0) {
            EXPECT_EQ(levelFromIndex(c.index), c.stored) << int(c.stored);
        }
    }
}

TEST(PowerLimits, OutputControlLevelsKeepLowAtOrBelowHigh)
{
    // Indices grow as the temperature falls.
    EXPECT_EQ(lowIndexAfterHighChanged(/*high*/ 50, /*low*/ 40), 50); // low was warmer: follows
    EXPECT_EQ(lowIndexAfterHighChanged(50, 60), 60);
    EXPECT_EQ(highIndexAfterLowChanged(/*low*/ 30, /*high*/ 40), 30); // low went above high: high follows
    EXPECT_EQ(highIndexAfterLowChanged(50, 40), 40);
}

TEST(PowerLimits, DischargeLimits)
{
    EXPECT_EQ(dischargePercent(60), 40);
    EXPECT_EQ(dischargePosition(40), 60);
    EXPECT_EQ(dischargePosition(120), 0); // seven bits hold more than 100

    // First limit at position 5 is held at 10 (90 %) and pulls the second one up.
    EXPECT_EQ(afterWarnMoved({.warn = 5, .alarm = 8}), (DischargePositions{.warn = 10, .alarm = 10}));
    EXPECT_EQ(afterWarnMoved({.warn = 5, .alarm = 80}), (DischargePositions{.warn = 10, .alarm = 80}));
    EXPECT_EQ(afterWarnMoved({.warn = 70, .alarm = 60}), (DischargePositions{.warn = 70, .alarm = 70}));
    // The second limit pulls the first one down, never up.
    EXPECT_EQ(afterAlarmMoved({.warn = 60, .alarm = 30}), (DischargePositions{.warn = 30, .alarm = 30}));
    EXPECT_EQ(afterAlarmMoved({.warn = 20, .alarm = 30}), (DischargePositions{.warn = 20, .alarm = 30}));
}

TEST(PowerLimits, NotificationLimitsKeepTwoDegreesApart)
{
    struct Case {
        const char* name;
        NotifyLimits moved;
        bool highMoved;
        NotifyLimits expected;
    };
    const Case cases[] = {
        {"high below its range", {.low = -25, .high = -35}, true, {.low = -32, .high = -30}},
        {"high above its range", {.low = -25, .high = 90}, true, {.low = -25, .high = 82}},
        {"high closer than 2 to low", {.low = 10, .high = 11}, true, {.low = 9, .high = 11}},
        {"high far enough", {.low = 10, .high = 12}, true, {.low = 10, .high = 12}},
        {"low above its range", {.low = 85, .high = 60}, false, {.low = 80, .high = 82}},
        {"low below its range", {.low = -40, .high = 60}, false, {.low = -32, .high = 60}},
        {"low closer than 2 to high", {.low = 59, .high = 60}, false, {.low = 59, .high = 61}},
    };
    for (const Case& c : cases) {
        NotifyLimits result = c.highMoved ? afterHighNotifyMoved(c.moved) : afterLowNotifyMoved(c.moved);
        EXPECT_EQ(result, c.expected) << c.name;
    }
}
