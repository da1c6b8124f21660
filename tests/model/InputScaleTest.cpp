#include <gtest/gtest.h>

#include "model/InputScale.h"

using namespace vrm;

namespace {

struct ValueCase {
    int type;
    int raw;
    UserScale scale;
    DiscreteUnit unit;
    const char* text; // UTF-8
};

std::ostream& operator<<(std::ostream& out, const ValueCase& c)
{
    return out << "type " << c.type << ", raw " << c.raw << " -> " << c.text;
}

} // namespace

TEST(InputScale, Ts41CharacteristicTruncatesTowardZero)
{
    // Readings just above and below the zero point tell truncation from flooring.
    EXPECT_EQ(ts41Hundredths(615), 0);    // -100 / 196
    EXPECT_EQ(ts41Hundredths(614), -8);   // -1700 / 196 = -8.67
    EXPECT_EQ(ts41Hundredths(0), -5020);  // -984100 / 196 = -5020.9
    EXPECT_EQ(ts41Hundredths(1365), 6121);
    EXPECT_EQ(ts41Hundredths(4095), 28407);
    EXPECT_EQ(ts41Hundredths(4096 + 1365), 6121); // only the 12 value bits count
    EXPECT_DOUBLE_EQ(rawToTs41Degrees(1365), 61.21);
}

TEST(InputScale, ScalesOfTheRawRange)
{
    EXPECT_DOUBLE_EQ(rawToVolts(0), 0.0);
    EXPECT_DOUBLE_EQ(rawToVolts(4095), 10.0);
    EXPECT_DOUBLE_EQ(rawToPercent(4095), 100.0);
    EXPECT_DOUBLE_EQ(rawToUserUnits(0, {-50, 150}), -50.0);
    EXPECT_DOUBLE_EQ(rawToUserUnits(4095, {-50, 150}), 150.0);
    // A falling scale is allowed: raw 0 reads the larger value.
    EXPECT_DOUBLE_EQ(rawToUserUnits(4095, {100, 0}), 0.0);
}

TEST(InputScale, InputPageLabelTextByType)
{
    const ValueCase cases[] = {
        {inputtype::discrete, 1365, {}, DiscreteUnit::Volts, "3.33 В"},
        {inputtype::discrete, 4095, {}, DiscreteUnit::Volts, "10 В"},
        {inputtype::disabled, 0, {}, DiscreteUnit::Volts, "0 В"},
        {inputtype::discrete, 2730, {}, DiscreteUnit::Percent, "66.7 %"},
        {inputtype::disabled, 4095, {}, DiscreteUnit::Percent, "100 %"},
        {inputtype::analogue, 1365, {0, 10}, DiscreteUnit::Volts, "3.333"},
        {inputtype::analogue, 4095, {4.5, 6.5}, DiscreteUnit::Percent, "6.5"},
        {inputtype::analogue, 0, {-1000, 1000}, DiscreteUnit::Volts, "-1000"},
        {inputtype::ts41, 1365, {0, 10}, DiscreteUnit::Volts, "61.2° C"},
        {inputtype::ts41, 0, {0, 10}, DiscreteUnit::Percent, "-50.2° C"},
        {inputtype::ts41, 4095, {}, DiscreteUnit::Volts, "284° C"},
        {inputtype::ts42, 1365, {-50, 150}, DiscreteUnit::Volts, "16.67° C"},
        {inputtype::ts42, 0, {-50, 150}, DiscreteUnit::Volts, "-50° C"},
    };
    for (const ValueCase& c : cases) {
        const std::optional<QString> text = inputPageValueText(c.type, c.raw, c.scale, c.unit);
        ASSERT_TRUE(text.has_value()) << c;
        EXPECT_EQ(text->toStdString(), c.text) << c;
    }
}

TEST(InputScale, UnknownTypeLeavesTheLabel)
{
    // The type field has three bits; values 5-7 name no type.
    for (int type : {-1, 5, 7})
        EXPECT_FALSE(inputPageValueText(type, 100, {}, DiscreteUnit::Volts).has_value()) << type;
    EXPECT_FALSE(profileValueText(5, 100, {}).has_value());
}

TEST(InputScale, ProfileShowsDiscreteInputsInVolts)
{
    EXPECT_EQ(profileValueText(inputtype::discrete, 2730, {})->toStdString(), "6.67 В");
    EXPECT_EQ(profileValueText(inputtype::disabled, 4095, {})->toStdString(), "10 В");
    EXPECT_EQ(profileValueText(inputtype::ts41, 1365, {})->toStdString(), "61.2° C");
    EXPECT_EQ(profileValueText(inputtype::analogue, 2730, {0, 3})->toStdString(), "2");
    EXPECT_EQ(profileValueText(inputtype::ts42, 4095, {-50, 150})->toStdString(), "150° C");
}
