// Store and show of the input pages (20-28): each field's own bits, the bytes no
// control owns carried unchanged, the handlers of thresholds, type and unit, the
// calibration and the live reading.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

#include "PageTestHost.h"
#include "model/layout/Inputs.h"
#include "ui/pages/io/inputs/InputPages.h"
#include "ui/pages/io/inputs/InputsCommonPage.h"
#include "ui/pages/io/inputs/TFormCalibration.h"

using namespace vrm;
using namespace vrm::test;

namespace {

constexpr std::size_t kInput1 = 360;
constexpr std::size_t kRecordSize = 92;
constexpr std::size_t record(int input) { return kInput1 + kRecordSize * std::size_t(input - 1); }

// Bytes and bits of an input record that no control owns: byte -> mask of carried bits.
const std::map<std::size_t, uint8_t> kCarried = {
    {51, 0xFF}, {55, 0xF1}, {56, 0xFF}, {57, 0xFF}, {62, 0x08}, {64, 0xE0},
    {65, 0xFF}, {66, 0xFF}, {67, 0xFF}, {90, 0xFF}, {91, 0xFF},
};

using InputPage = PageFixture<InputPages>;

} // namespace

TEST(InputsPages, CommonPageKeepsItsBitsAndCarriesTheRest)
{
    PageFixture<InputsCommonPage> page(20);
    EXPECT_EQ(page.control<QComboBox>("ComboBoxPortPwrSensAllOn")->currentIndex(), 1);
    EXPECT_EQ(page.control<QComboBox>("ComboBoxLoopPwrResetTime")->currentIndex(), 3);
    EXPECT_EQ(page.control<QComboBox>("ComboBoxLoopPwrResetTime")->itemText(7), "80  Sec.");
    EXPECT_EQ(page.control<QComboBox>("ComboBoxNoScaningTimeAftArm")->itemText(15), "150  Sec.");
    EXPECT_EQ(page.control<QComboBox>("ComboBoxNoScaningTimeAftReset")->itemText(1), "15 Sec.");
    EXPECT_EQ(page.control<QComboBox>("ComboBoxNoScaningTimeAftReset")->itemText(2), "30  Sec.");

    page.image().setByte(357, 0xF8); // bits 3-7 carried
    page.image().setByte(358, 0x5A);
    page.image().setByte(359, 0xA5);
    page.show();
    page.control<QComboBox>("ComboBoxPortPwrSensAllOn")->setCurrentIndex(0);
    page.control<QComboBox>("ComboBoxLoopPwrResetTime")->setCurrentIndex(7);
    page.control<QComboBox>("ComboBoxNoScaningTimeAftArm")->setCurrentIndex(15);
    page.control<QComboBox>("ComboBoxNoScaningTimeAftReset")->setCurrentIndex(5);
    page.store();
    EXPECT_EQ(page.image().byte(356), 0xFE); // 0 | 7 << 1 | 15 << 4
    EXPECT_EQ(page.image().byte(357), 0xFD); // 0xF8 | 5
    EXPECT_EQ(page.image().byte(358), 0x5A);
    EXPECT_EQ(page.image().byte(359), 0xA5);
}

TEST(InputsPages, CarriedBytesAndBitsSurviveShowAndStore)
{
    InputPage page(23);
    const std::size_t base = record(3);
    for (const auto& [offset, mask] : kCarried)
        page.image().setByte(base + offset, uint8_t(page.image().byte(base + offset) | mask));
    const ConfigImage before = page.image();
    page.show();
    page.store();
    for (std::size_t i = 0; i < ConfigImage::kSize; ++i)
        EXPECT_EQ(page.image().byte(i), before.byte(i)) << "offset " << i;

    // A new type changes bits 1-3 of byte 55 only.
    page.control<QComboBox>("ComboBoxSensType")->setCurrentIndex(4);
    page.store();
    EXPECT_EQ(page.image().byte(base + 55), 0xF1 | 4 << 1);
}

TEST(InputsPages, FieldsOfTheRecordShownAndStoredWhereTheyBelong)
{
    InputPage page(28);
    const std::size_t base = record(8);
    EXPECT_EQ(page.control<QComboBox>("ComboBoxSensName")->currentText(), "ВХОД8");
    EXPECT_EQ(page.control<QSlider>("TrackBarLoBarrier")->value(), 1365);
    EXPECT_EQ(page.control<QSlider>("TrackBarHiBarrier")->value(), 2730);
    EXPECT_EQ(page.control<QLineEdit>("MaskEditMaxVal")->text(), "10");

    page.control<QSpinBox>("UpDownRecoveryTime")->setValue(63);
    page.control<QComboBox>("ComboBoxDelayTime")->setCurrentIndex(63);
    page.control<QComboBox>("ComboBoxReleToAlarm")->setCurrentIndex(2);
    page.control<QComboBox>("ComboBoxListenNum")->setCurrentIndex(8);
    page.control<QComboBox>("ComboBoxActiveTriggerNum")->setCurrentIndex(3);
    page.control<QComboBox>("ComboBoxAlarmDelayTime")->setCurrentIndex(15);
    page.control<QCheckBox>("CheckBoxActiveToGPS")->setChecked(true);
    page.control<QComboBox>("ComboBoxActRele7")->setCurrentIndex(16);
    page.control<QComboBox>("ComboBoxPassRele1")->setCurrentIndex(3);
    page.store();
    EXPECT_EQ(page.image().byte(base + 53), 63);
    EXPECT_EQ(page.image().byte(base + 54), 0x80 | 63);
    EXPECT_EQ(page.image().byte(base + 62), 8 << 4 | 3);
    EXPECT_EQ(page.image().byte(base + 64), 0x10 | 15);
    EXPECT_EQ(page.image().byte(base + 82), 16);
    EXPECT_EQ(page.image().byte(base + 83), 3);
    // Item texts at the ends of the generated lists.
    EXPECT_EQ(page.control<QComboBox>("ComboBoxDelayTime")->itemText(63), "315 Sec.");
    EXPECT_EQ(page.control<QComboBox>("ComboBoxAlarmDelayTime")->itemText(15), "160 Сек.");
    EXPECT_EQ(page.control<QComboBox>("ComboBoxActRele1")->itemText(16), "сценарий 14");
}

TEST(InputsPages, NamesKeepSixteenCharacters)
{
    InputPage page(21);
    const std::size_t base = record(1);
    QComboBox* name = page.control<QComboBox>("ComboBoxSensName");
    name->lineEdit()->clear();
    name->lineEdit()->insert(QStringLiteral("КОРИДОР ВТОРОГО ЭТАЖА")); // 21 characters typed
    page.store();
    EXPECT_EQ(page.image().text(layout::inputs[0], layout::input::name), QByteArray("\xCA\xCE\xD0\xC8\xC4\xCE\xD0 \xC2\xD2\xCE\xD0\xCE\xC3\xCE "));
    EXPECT_EQ(page.image().byte(base + 16), 0);

    // A field without its terminator shows its first 16 bytes.
    for (std::size_t i = 17; i < 34; ++i)
        page.image().setByte(base + i, 'A');
    page.show();
    EXPECT_EQ(page.control<QComboBox>("ComboBoxSensActSt")->currentText(), QString(16, u'A'));
    page.store();
    EXPECT_EQ(page.image().byte(base + 33), 0);
}

TEST(InputsPages, MinimumAndMaximumAsStored)
{
    const struct {
        const char* min;
        const char* max;
        float storedMin;
        float storedMax;
        const char* shownMin;
        const char* shownMax;
    } cases[] = {
        {"5,5", "5.5", 4.5f, 6.5f, "4.5", "6.5"},
        {"abc", "12,25", 0.0f, 12.25f, "0", "12.25"},
        {"-1e3", "2e3", -1000.0f, 2000.0f, "-1000", "2000"},
    };
    for (const auto& c : cases) {
        InputPage page(22);
        page.control<QLineEdit>("MaskEditMinVal")->setText(QString::fromUtf8(c.min));
        page.control<QLineEdit>("MaskEditMaxVal")->setText(QString::fromUtf8(c.max));
        page.store();
        EXPECT_EQ(page.image().real(layout::inputs[1], layout::input::minimum), c.storedMin) << c.min;
        EXPECT_EQ(page.image().real(layout::inputs[1], layout::input::maximum), c.storedMax) << c.max;
        page.show();
        EXPECT_EQ(page.control<QLineEdit>("MaskEditMinVal")->text(), c.shownMin);
        EXPECT_EQ(page.control<QLineEdit>("MaskEditMaxVal")->text(), c.shownMax);
    }
}

TEST(InputsPages, ThresholdsInterlock)
{
    InputPage page(21);
    QSlider* low = page.control<QSlider>("TrackBarLoBarrier");
    QSlider* high = page.control<QSlider>("TrackBarHiBarrier");
    high->setValue(100); // below the low one at 1365
    EXPECT_EQ(low->value(), 100);
    EXPECT_EQ(page.control<QLabel>("LabelLoBarrier")->text(), "0.244 В");
    low->setValue(3000); // above the high one
    EXPECT_EQ(high->value(), 3000);
    page.store();
    EXPECT_EQ(page.image().word(record(1) + 58), 3000);
    EXPECT_EQ(page.image().word(record(1) + 60), 3000);
}

TEST(InputsPages, TypeChoiceSetsTheProbeScaleAndTheLabels)
{
    InputPage page(21);
    page.choose("ComboBoxSensType", 4);
    EXPECT_EQ(page.control<QLineEdit>("MaskEditMinVal")->text(), "-50");
    EXPECT_EQ(page.control<QLineEdit>("MaskEditMaxVal")->text(), "150");
    EXPECT_EQ(page.control<QLabel>("LabelLoBarrier")->text(), "16.67° C");
    EXPECT_EQ(page.control<QPushButton>("ButtonVoltPerc")->text(), "K");

    page.choose("ComboBoxSensType", 3);
    EXPECT_TRUE(page.control<QPushButton>("ButtonVoltPerc")->isHidden());
    EXPECT_TRUE(page.control<QWidget>("PanelAnalogue")->isHidden());
    EXPECT_EQ(page.control<QLabel>("LabelHiBarrier")->text(), "173° C");

    // The analogue type keeps the scale typed.
    page.choose("ComboBoxSensType", 2);
    EXPECT_EQ(page.control<QLineEdit>("MaskEditMinVal")->text(), "-50");
}

TEST(InputsPages, UnitButtonTogglesVoltsAndPercent)
{
    InputPage page(21);
    QPushButton* unit = page.control<QPushButton>("ButtonVoltPerc");
    EXPECT_EQ(page.control<QLabel>("LabelHiBarrier")->text(), "6.67 В");
    unit->click();
    EXPECT_EQ(page.control<QLabel>("LabelHiBarrier")->text(), "66.7 %");
    unit->click();
    EXPECT_EQ(page.control<QLabel>("LabelHiBarrier")->text(), "6.67 В");
}

TEST(InputsPages, CalibrationShiftsTheScaleToTheWantedValue)
{
    InputPage page(21);
    page.choose("ComboBoxSensType", 2);
    page.group->showReading(1, 4095, true);
    EXPECT_EQ(page.control<QLabel>("LabelCurrentVal")->text(), "10");
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TFormCalibration*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>("MaskEditNeedVal")->setText("12,5");
        dialog->accept();
    });
    page.control<QPushButton>("ButtonVoltPerc")->click();
    EXPECT_EQ(page.control<QLineEdit>("MaskEditMinVal")->text(), "2.5");
    EXPECT_EQ(page.control<QLineEdit>("MaskEditMaxVal")->text(), "12.5");
    EXPECT_EQ(page.control<QLabel>("LabelCurrentVal")->text(), "12.5");

    // Cancel leaves the scale alone.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    page.control<QPushButton>("ButtonVoltPerc")->click();
    EXPECT_EQ(page.control<QLineEdit>("MaskEditMinVal")->text(), "2.5");
}

TEST(InputsPages, LiveReadingOfTheShownInputOnly)
{
    InputPage page(22);
    auto* bar = page.control<QProgressBar>("ProgressBarCurrentVal");
    page.group->showReading(1, 1000, true); // another input: not shown
    EXPECT_EQ(bar->value(), 0);
    page.group->showReading(2, 4095, true);
    EXPECT_EQ(bar->value(), 4095);
    EXPECT_EQ(page.control<QLabel>("LabelCurrentVal")->text(), "10 В");
    page.group->showReading(2, 2000, false);
    EXPECT_EQ(bar->value(), 0);
}

TEST(InputsPages, HysteresisLevelLeavesTheColourBetweenTheThresholds)
{
    InputPage page(21);
    page.choose("ComboBoxSensActLevel", 4);
    QLabel* value = page.control<QLabel>("LabelCurrentVal");
    const auto red = [&] { return value->palette().color(QPalette::Window) == QColor(Qt::red); };
    page.group->showReading(1, 1000, true); // at or below the low threshold: active
    EXPECT_TRUE(red());
    page.group->showReading(1, 2000, true); // between the thresholds: as it was
    EXPECT_TRUE(red());
    page.group->showReading(1, 3000, true); // at or above the high threshold: normal
    EXPECT_FALSE(red());
    page.group->showReading(1, 2000, true);
    EXPECT_FALSE(red());
    // A threshold moved over the reading recolours at once.
    page.control<QSlider>("TrackBarLoBarrier")->setValue(2500);
    EXPECT_TRUE(red());
}

TEST(InputsPages, HiddenControlsAreBound)
{
    InputPage page(21);
    for (const char* name : {"ComboBoxActArmDisMode", "ComboBoxPassArmDisMode"})
        EXPECT_TRUE(page.control<QComboBox>(name)->isHidden()) << name;
    EXPECT_TRUE(page.control<QCheckBox>("CheckBoxActiveToGPS")->isHidden());
    page.control<QComboBox>("ComboBoxActArmDisMode")->setCurrentIndex(3);
    page.control<QComboBox>("ComboBoxPassArmDisMode")->setCurrentIndex(2);
    page.store();
    EXPECT_EQ(page.image().byte(record(1) + 63) & 0xF0, 3 << 4 | 2 << 6);
}
