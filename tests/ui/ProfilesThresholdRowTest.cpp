#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QSlider>

#include "ui/pages/io/inputs/ProfileThresholdRow.h"

using namespace vrm;

TEST(ProfilesThresholdRow, NamedControlsWithTheirLimits)
{
    ProfileThresholdRow row(3);
    EXPECT_EQ(row.enabled()->text(), "3");
    EXPECT_EQ(row.enabled()->objectName(), "CheckBoxProfileInput3");
    for (QSlider* bar : {row.upper(), row.lower()}) {
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 4095);
        EXPECT_EQ(bar->size(), QSize(153, 17));
    }
}

TEST(ProfilesThresholdRow, BarsKeepLowerAtOrBelowUpper)
{
    ProfileThresholdRow row(1);
    row.upper()->setValue(2730);
    row.lower()->setValue(1365);
    row.lower()->setValue(4095); // takes the upper one along
    EXPECT_EQ(row.upper()->value(), 4095);
    EXPECT_EQ(row.lower()->value(), 4095);
    row.upper()->setValue(100); // takes the lower one along
    EXPECT_EQ(row.lower()->value(), 100);
    EXPECT_EQ(row.upper()->value(), 100);
}

TEST(ProfilesThresholdRow, LabelsByTheInputTypeAndScale)
{
    ProfileThresholdRow row(3);
    row.upper()->setValue(2730);
    row.lower()->setValue(1365);
    row.setScale(inputtype::ts41, {});
    EXPECT_EQ(row.upperValue()->text(), "173° C");
    EXPECT_EQ(row.lowerValue()->text(), "61.2° C");

    row.setScale(inputtype::analogue, {0, 3});
    EXPECT_EQ(row.upperValue()->text(), "2");
    EXPECT_EQ(row.lowerValue()->text(), "1");

    row.setScale(inputtype::discrete, {0, 3});
    row.lower()->setValue(0); // a move recomputes the labels
    EXPECT_EQ(row.lowerValue()->text(), "0 В");
    EXPECT_EQ(row.upperValue()->text(), "6.67 В");

    // A type the input cannot have leaves the labels as they were.
    row.setScale(6, {});
    row.upper()->setValue(4095);
    EXPECT_EQ(row.upperValue()->text(), "6.67 В");
}
