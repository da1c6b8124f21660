#include <gtest/gtest.h>

#include <limits>

#include "model/InputRange.h"
#include "model/LenientNumber.h"

using namespace vrm;

TEST(InputNumberText, LeadingDecimalReadsAsFarAsANumberGoes)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"5,5", 5.5},        {"5.5", 5.5},         {"-2,5e1x", -25.0}, {"  +7", 7.0},
        {"12,5,3", 12.5},    {".5", 0.5},          {"5.", 5.0},        {"1e", 1.0},
        {"1e+", 1.0},        {"3E2", 300.0},       {"", 0.0},          {"abc", 0.0},
        {".", 0.0},          {"-", 0.0},           {"x5", 0.0},        {"1e-400", 0.0},
        {"ВХОД 5", 0.0},     {"7 В", 7.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(leadingDecimal(QString::fromUtf8(c.text)), c.value) << c.text;
    EXPECT_EQ(leadingDecimal(u"1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingDecimal(u"-1e400"), -std::numeric_limits<double>::infinity());
}

TEST(InputNumberText, FloatFieldValuesStayFinite)
{
    const double largest = std::numeric_limits<float>::max();
    EXPECT_EQ(leadingFloatValue(u"1e39"), largest);
    EXPECT_EQ(leadingFloatValue(u"-1e400"), -largest);
    EXPECT_EQ(leadingFloatValue(u"-12,75"), -12.75);
}

TEST(InputNumberText, GeneralFormatKeepsSignificantDigits)
{
    EXPECT_EQ(generalFormat(10.0, 3), "10");
    EXPECT_EQ(generalFormat(3.33333, 3), "3.33");
    EXPECT_EQ(generalFormat(16.6666667, 4), "16.67");
    EXPECT_EQ(generalFormat(-0.0001, 3), "-0.0001");
    EXPECT_EQ(generalFormat(-0.0, 3), "0");
    EXPECT_EQ(generalFormat(double(0.1f), 7), "0.1");
    EXPECT_EQ(generalFormat(1234567.0, 7), "1234567");
}

TEST(InputRange, StoredRangeByTheTextsTyped)
{
    const struct {
        const char16_t* minText;
        const char16_t* maxText;
        float min;
        float max;
    } cases[] = {
        {u"5,5", u"5.5", 4.5f, 6.5f},   // equal values are spread by one each way
        {u"0", u"10", 0.0f, 10.0f},
        {u"abc", u"100", 0.0f, 100.0f}, // an unreadable minimum is 0
        {u"", u"", -1.0f, 1.0f},
        {u"-50", u"150", -50.0f, 150.0f},
        {u"20", u"-20", 20.0f, -20.0f}, // a falling scale is kept as typed
        {u"1e39", u"0", std::numeric_limits<float>::max(), 0.0f},
    };
    for (const auto& c : cases) {
        const StoredRange range = storedRange(c.minText, c.maxText);
        EXPECT_EQ(range.min, c.min) << QString::fromUtf16(c.minText).toStdString();
        EXPECT_EQ(range.max, c.max) << QString::fromUtf16(c.maxText).toStdString();
    }
}

TEST(InputRange, TypedScaleIsNotSpread)
{
    const UserScale scale = typedScale(u"5,5", u"5.5");
    EXPECT_EQ(scale.min, 5.5);
    EXPECT_EQ(scale.max, 5.5);
}

TEST(InputRange, CalibrationShiftsTheScaleSoThePresentReadingShowsTheWantedValue)
{
    const struct {
        UserScale scale;
        int raw;
        double wanted;
        const char* minText;
        const char* maxText;
    } cases[] = {
        {{0, 10}, 4095, 12, "2", "12"},
        {{-50, 150}, 0, -40, "-40", "160"},
        {{0, 10}, 1365, 5, "1.666667", "11.66667"},
        {{0, 10}, 2048, rawToUserUnits(2048, {0, 10}), "0", "10"}, // already reads the value
    };
    for (const auto& c : cases) {
        const UserScale shifted = calibratedScale(c.scale, c.raw, c.wanted);
        EXPECT_EQ(userValueText(shifted.min).toStdString(), c.minText);
        EXPECT_EQ(userValueText(shifted.max).toStdString(), c.maxText);
        EXPECT_NEAR(rawToUserUnits(c.raw, shifted), c.wanted, 1e-9);
        EXPECT_NEAR(shifted.max - shifted.min, c.scale.max - c.scale.min, 1e-9);
    }
}
