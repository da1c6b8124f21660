#include <gtest/gtest.h>

#include "model/ArmInMode.h"
#include "model/PerimeterLink.h"

using namespace vrm;

TEST(PerimeterLink, ThreeStatesFromTwoBitsPerPerimeter)
{
    struct Case {
        uint8_t links;
        int perimeter;
        PerimeterLink shown;
    };
    const Case cases[] = {
        {0x00, 1, PerimeterLink::None},   {0x01, 1, PerimeterLink::Greyed}, {0x02, 1, PerimeterLink::Checked},
        {0x03, 1, PerimeterLink::None},   {0x40, 4, PerimeterLink::Greyed}, {0x80, 4, PerimeterLink::Checked},
        {0xC0, 4, PerimeterLink::None},   {0x3F, 4, PerimeterLink::None},   {0x08, 2, PerimeterLink::Checked},
        {0x10, 3, PerimeterLink::Greyed},
    };
    for (const Case& c : cases)
        EXPECT_EQ(perimeterLink(c.links, c.perimeter), c.shown) << int(c.links) << " perimeter " << c.perimeter;
}

TEST(PerimeterLink, StoreReplacesOnlyThePerimetersBits)
{
    // A greyed link on perimeter 4 stores 1 in bits 6-7.
    EXPECT_EQ(withPerimeterLink(0x00, 4, PerimeterLink::Greyed), 0x40);
    EXPECT_EQ(withPerimeterLink(0xFF, 4, PerimeterLink::Greyed), 0x7F);
    EXPECT_EQ(withPerimeterLink(0xFF, 2, PerimeterLink::None), 0xF3);
    EXPECT_EQ(withPerimeterLink(0x00, 3, PerimeterLink::Checked), 0x20);
    for (int p = 1; p <= 4; ++p)
        for (PerimeterLink link : {PerimeterLink::None, PerimeterLink::Greyed, PerimeterLink::Checked})
            EXPECT_EQ(perimeterLink(withPerimeterLink(0xA5, p, link), p), link);
}

TEST(ArmInMode, OnlyTheThreeButtonCodesSelectAButton)
{
    EXPECT_EQ(armInMode(0), ArmInMode::PulseArmDisarm);
    EXPECT_EQ(armInMode(2), ArmInMode::TouchMemory);
    EXPECT_EQ(armInMode(3), ArmInMode::PulseArmOnly);
    EXPECT_FALSE(armInMode(1).has_value());
    EXPECT_FALSE(armInMode(4).has_value());
}
