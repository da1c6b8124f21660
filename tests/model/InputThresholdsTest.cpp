#include <gtest/gtest.h>

#include "model/InputThresholds.h"

using namespace vrm;

TEST(InputThresholds, InterlockKeepsLowAtOrBelowHigh)
{
    // The high threshold moved below the low one takes the low one along.
    Thresholds t = afterHighMoved({1365, 100});
    EXPECT_EQ(t.low, 100);
    EXPECT_EQ(t.high, 100);
    // The low threshold moved above the high one takes the high one along.
    t = afterLowMoved({4095, 2730});
    EXPECT_EQ(t.low, 4095);
    EXPECT_EQ(t.high, 4095);
    // Moves that keep the order change nothing else.
    t = afterHighMoved({1365, 3000});
    EXPECT_EQ(t.low, 1365);
    t = afterLowMoved({10, 2730});
    EXPECT_EQ(t.high, 2730);
    t = afterLowMoved({2730, 2730});
    EXPECT_EQ(t.high, 2730);
}

TEST(InputThresholds, ActiveByLevel)
{
    constexpr Thresholds t{1000, 3000};
    constexpr std::optional<bool> keep = std::nullopt;
    const struct {
        int level;
        int raw;
        std::optional<bool> active;
    } cases[] = {
        {activelevel::lowOrHigh, 1000, true},      {activelevel::lowOrHigh, 2000, false},
        {activelevel::lowOrHigh, 3000, true},      {activelevel::low, 999, true},
        {activelevel::low, 3000, false},           {activelevel::window, 1000, true},
        {activelevel::window, 3000, true},         {activelevel::window, 3001, false},
        {activelevel::window, 999, false},         {activelevel::high, 3000, true},
        {activelevel::high, 2999, false},          {activelevel::lowHysteresis, 1000, true},
        {activelevel::lowHysteresis, 2000, keep},  {activelevel::lowHysteresis, 3000, false},
        {activelevel::highHysteresis, 3000, true}, {activelevel::highHysteresis, 2000, keep},
        {activelevel::highHysteresis, 1000, false}, {6, 2000, keep},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readingIsActive(c.level, c.raw, t), c.active) << "level " << c.level << ", raw " << c.raw;
}
