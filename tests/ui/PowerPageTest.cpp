// Page 15: the supply, battery, temperature, indication and tamper settings
// between controls and image, the interlocks of the limits and the live values.

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QSlider>

#include "tests/ui/PageTestHost.h"
#include "ui/pages/io/outputs/PowerPage.h"

using namespace vrm;
using namespace vrm::test;

namespace {
struct PowerPageTest : ::testing::Test {
    PageFixture<PowerPage> page{PowerPage::kPage};
    QSlider* slider(const char* name) { return page.control<QSlider>(name); }
    QString label(const char* name) { return page.control<QLabel>(name)->text(); }
    int index(const char* name) { return page.control<QComboBox>(name)->currentIndex(); }
};
} // namespace

TEST_F(PowerPageTest, FactoryValuesShowAndStoreUnchanged)
{
    EXPECT_EQ(index("ComboBoxPowerSignAverTime"), 1);
    EXPECT_EQ(page.control<QComboBox>("ComboBoxPowerSignAverTime")->currentText(), "4 Sec.");
    EXPECT_EQ(index("ComboBoxRecoveryTime"), 4);
    EXPECT_TRUE(page.control<QCheckBox>("CheckBoxExtPowerFault")->isChecked());
    EXPECT_EQ(slider("TrackBarDischargeAlarm")->value(), 80);
    EXPECT_EQ(label("LabelDischargeAlarm"), "20%");
    EXPECT_EQ(slider("TrackBarDischargeWarn")->value(), 60);
    EXPECT_EQ(label("LabelDischargeWarn"), "40%");
    EXPECT_EQ(slider("TrackBarTemperatLowBorder")->value(), -25);
    EXPECT_EQ(slider("TrackBarTemperatHiBorder")->value(), 60);
    EXPECT_EQ(label("LabelTemperatHiBorder"), "60° C");
    EXPECT_EQ(index("ComboBoxHiBorderLevel"), 104); // -15 degrees
    EXPECT_EQ(page.control<QComboBox>("ComboBoxHiBorderLevel")->currentText(), "-15° C");
    EXPECT_EQ(index("ComboBoxLoBorderLevel"), 109);
    EXPECT_EQ(page.control<QComboBox>("ComboBoxIndFunction")->count(), 3);
    EXPECT_EQ(page.control<QComboBox>("ComboBoxIndFunction")->itemText(2), "Установлена плата расширенной индикации");
    EXPECT_EQ(page.control<QComboBox>("ComboBoxTamperActOutN")->itemText(6), "Выход 5");

    const ConfigImage before = page.image();
    page.store();
    EXPECT_EQ(changedOffsets(before, page.image()), std::vector<std::size_t>{});
}

TEST_F(PowerPageTest, CarriedBitsSurviveShowAndStore)
{
    // Bits no control owns: 2809 and 2814 bits 1-7, 2842 bits 1-7, 2849 bits 2-7.
    const std::pair<std::size_t, uint8_t> carried[] = {{2809, 0xFE}, {2814, 0xAA}, {2842, 0xFF}, {2849, 0xFD}};
    for (auto [offset, value] : carried)
        page.image().setByte(offset, value);
    page.visit(PowerPage::kPage);
    page.store();
    for (auto [offset, value] : carried)
        EXPECT_EQ(page.image().byte(offset), value) << offset;
}

TEST_F(PowerPageTest, OutputActionPairsPackIntoOneByte)
{
    page.choose("ComboBoxTamperActOutN", 3);  // output 2
    page.choose("ComboBoxTamperActScnN", 5);  // scenario 3
    page.choose("ComboBoxFltBrdRecoveryOut", 6);
    page.choose("ComboBoxFltBrdRecoveryScn", 16);
    page.store();
    EXPECT_EQ(page.image().byte(2850), (5 << 3) | 3);
    EXPECT_EQ(page.image().byte(2811), (16 << 3) | 6);
    page.visit(PowerPage::kPage);
    EXPECT_EQ(index("ComboBoxTamperActOutN"), 3);
    EXPECT_EQ(index("ComboBoxTamperActScnN"), 5);
}

TEST_F(PowerPageTest, BatteryLimitsKeepTheirOrder)
{
    slider("TrackBarDischargeWarn")->setValue(5);
    EXPECT_EQ(slider("TrackBarDischargeWarn")->value(), 10);
    EXPECT_EQ(label("LabelDischargeWarn"), "90%");
    EXPECT_EQ(slider("TrackBarDischargeAlarm")->value(), 80); // already below the first limit

    slider("TrackBarDischargeAlarm")->setValue(30);           // 70 %: still below the first limit (90 %)
    EXPECT_EQ(slider("TrackBarDischargeWarn")->value(), 10);
    slider("TrackBarDischargeWarn")->setValue(50);
    EXPECT_EQ(slider("TrackBarDischargeAlarm")->value(), 50);
    slider("TrackBarDischargeAlarm")->setValue(20);
    EXPECT_EQ(slider("TrackBarDischargeWarn")->value(), 20);
    page.store();
    EXPECT_EQ(page.image().byte(2812), 0x80 | 80);
    EXPECT_EQ(page.image().byte(2813), 0x80 | 80);
}

TEST_F(PowerPageTest, NotificationLimitsAndLevelsKeepTheirOrder)
{
    slider("TrackBarTemperatHiBorder")->setValue(-35);
    EXPECT_EQ(slider("TrackBarTemperatHiBorder")->value(), -30);
    EXPECT_EQ(slider("TrackBarTemperatLowBorder")->value(), -32);
    EXPECT_EQ(label("LabelTemperatLowBorder"), "-32° C");
    slider("TrackBarTemperatLowBorder")->setValue(85);
    EXPECT_EQ(slider("TrackBarTemperatLowBorder")->value(), 80);
    EXPECT_EQ(slider("TrackBarTemperatHiBorder")->value(), 82);
    page.store();
    EXPECT_EQ(int8_t(page.image().byte(2843)), 80);
    EXPECT_EQ(int8_t(page.image().byte(2844)), 82);

    page.choose("ComboBoxHiBorderLevel", 120); // -31 degrees: the low level (-20) follows down
    EXPECT_EQ(index("ComboBoxLoBorderLevel"), 120);
    page.choose("ComboBoxLoBorderLevel", 10);  // 79 degrees: the high level follows up
    EXPECT_EQ(index("ComboBoxHiBorderLevel"), 10);
    page.store();
    EXPECT_EQ(int8_t(page.image().byte(2845)), 79);
    EXPECT_EQ(int8_t(page.image().byte(2847)), 79);
}

TEST_F(PowerPageTest, LevelWithoutItemShowsNoSelectionAndIsKept)
{
    page.image().setByte(2847, 100);
    page.visit(PowerPage::kPage);
    EXPECT_EQ(index("ComboBoxHiBorderLevel"), -1);
    page.store();
    EXPECT_EQ(page.image().byte(2847), 100);
}

TEST_F(PowerPageTest, LiveSupplyBatteryAndTemperature)
{
    auto* power = static_cast<PowerPage*>(page.group.get());
    power->showPower(100, 123);
    EXPECT_EQ(label("Label17"), "100%");
    EXPECT_EQ(page.control<QProgressBar>("ProgressBarBatCharge")->value(), 100);
    EXPECT_EQ(label("LabelBatMsg"), "\nАккумулятор подключен");
    EXPECT_EQ(page.control<QProgressBar>("ProgressBarMainPower")->value(), 123);
    EXPECT_TRUE(label("LabelMainPower").startsWith("12")) << label("LabelMainPower").toStdString();
    power->showPower(254, 4);
    EXPECT_EQ(label("Label17"), "0%");
    EXPECT_EQ(page.control<QProgressBar>("ProgressBarMainPower")->value(), 0);
    power->showTemperature(-10, true);
    EXPECT_EQ(label("LabelTempCurVal"), "-10° C");
    EXPECT_EQ(page.control<QProgressBar>("ProgressBarModemTemperature")->value(), -10);
    power->showTemperature(0, false);
    EXPECT_EQ(label("LabelTemperature"), "Текущее значение температуры не доступно");
    EXPECT_TRUE(label("LabelTempCurVal").isEmpty());
}
