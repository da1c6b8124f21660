#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

#include "ui/pages/io/inputs/InputValueDisplay.h"

using namespace vrm;

namespace {

// The controls of the input page that the value display works on, as the page sets them up.
class InputsValueDisplay : public ::testing::Test {
protected:
    InputsValueDisplay()
    {
        c.type = new QComboBox(&page);
        c.type->addItems({"Запрещен", "Дискретный", "Аналоговый", "Термодатчик TS-41", "Термодатчик TS-42"});
        c.activeLevel = new QComboBox(&page);
        c.activeLevel->addItems({"0", "1", "2", "3", "4", "5"});
        c.low = new QSlider(&page);
        c.high = new QSlider(&page);
        for (QSlider* bar : {c.low, c.high})
            bar->setRange(0, 4095);
        c.low->setValue(1365);
        c.high->setValue(2730);
        c.min = new QLineEdit("0", &page);
        c.max = new QLineEdit("10", &page);
        c.unit = new QPushButton(&page);
        c.analoguePanel = new QWidget(&page);
        c.current = new QProgressBar(&page);
        c.current->setRange(0, 4095);
        c.current->setValue(0);
        c.lowLabel = new QLabel(&page);
        c.highLabel = new QLabel(&page);
        c.currentLabel = new QLabel(&page);
        display.emplace(c);
    }

    void setType(int type)
    {
        c.type->setCurrentIndex(type);
        display->refresh();
    }
    std::string labels() const
    {
        return (c.lowLabel->text() + " | " + c.highLabel->text() + " | " + c.currentLabel->text()).toStdString();
    }
    bool shownRed() const { return c.currentLabel->palette().color(QPalette::Window) == QColor(Qt::red); }

    QWidget page;
    InputValueControls c;
    std::optional<InputValueDisplay> display;
};

} // namespace

TEST_F(InputsValueDisplay, UnitButtonAndScalePanelFollowTheType)
{
    setType(1);
    EXPECT_EQ(labels(), "3.33 В | 6.67 В | 0 В"); // the button offers percent: volts are shown
    display->toggleUnit();
    EXPECT_EQ(c.unit->text(), "\u0412");
    EXPECT_EQ(labels(), "33.3 % | 66.7 % | 0 %");

    setType(2);
    EXPECT_FALSE(c.unit->isHidden());
    EXPECT_EQ(c.unit->text(), "K");
    EXPECT_FALSE(c.analoguePanel->isHidden());
    EXPECT_EQ(labels(), "3.333 | 6.667 | 0");

    setType(3);
    EXPECT_TRUE(c.unit->isHidden());
    EXPECT_TRUE(c.analoguePanel->isHidden());
    EXPECT_EQ(labels(), "61.2° C | 173° C | -50.2° C");

    setType(4);
    c.min->setText("-50");
    c.max->setText("150");
    display->refresh();
    EXPECT_EQ(labels(), "16.67° C | 83.33° C | -50° C");

    // Back to a discrete input the calibration caption gives way to the unit: percent is shown.
    setType(0);
    EXPECT_EQ(c.unit->text(), "\u0412");
    EXPECT_TRUE(c.analoguePanel->isHidden());
    EXPECT_EQ(labels(), "33.3 % | 66.7 % | 0 %");
}

TEST_F(InputsValueDisplay, MinimumAndMaximumAreReadAsTyped)
{
    setType(2);
    c.min->setText("1,5");
    c.max->setText("abc"); // unreadable: 0
    display->refresh();
    EXPECT_EQ(c.highLabel->text(), "0.5"); // 1.5 - 1.5 x 2730 / 4095
}

TEST_F(InputsValueDisplay, ColouringStartsWithTheFirstValidReading)
{
    setType(1);
    c.activeLevel->setCurrentIndex(1); // active at or below the low threshold
    display->showReading(std::nullopt);
    EXPECT_FALSE(display->colouringEnabled());
    EXPECT_FALSE(display->shownActive().has_value());

    display->showReading(100);
    EXPECT_TRUE(display->colouringEnabled());
    EXPECT_EQ(c.current->value(), 100);
    EXPECT_TRUE(shownRed());

    // A missing reading empties the bar but keeps the colouring on.
    c.activeLevel->setCurrentIndex(3); // active at or above the high threshold
    display->showReading(std::nullopt);
    EXPECT_EQ(c.current->value(), 0);
    EXPECT_TRUE(display->colouringEnabled());
    EXPECT_FALSE(shownRed());
}

TEST_F(InputsValueDisplay, HysteresisLevelsKeepTheColourBetweenTheThresholds)
{
    setType(1);
    const struct {
        int level;
        int raw;
        bool red;
    } steps[] = {
        {4, 1000, true}, {4, 2000, true}, {4, 2730, false}, {4, 2000, false}, {4, 1365, true},
        {5, 2000, true}, {5, 1365, false}, {5, 2000, false}, {5, 4095, true},
    };
    for (const auto& step : steps) {
        c.activeLevel->setCurrentIndex(step.level);
        display->showReading(step.raw);
        EXPECT_EQ(shownRed(), step.red) << "level " << step.level << ", raw " << step.raw;
    }
    // A threshold moved past the reading recolours at once.
    c.activeLevel->setCurrentIndex(1);
    display->showReading(2000);
    EXPECT_FALSE(shownRed());
    c.low->setValue(2500);
    display->refresh();
    EXPECT_TRUE(shownRed());
}

TEST_F(InputsValueDisplay, CalibrationMakesThePresentReadingShowTheWantedValue)
{
    setType(2);
    display->showReading(4095);
    display->calibrate(12);
    EXPECT_EQ(c.min->text(), "2");
    EXPECT_EQ(c.max->text(), "12");
    EXPECT_EQ(c.currentLabel->text(), "12");

    setType(4);
    c.min->setText("-50");
    c.max->setText("150");
    display->showReading(1365);
    display->calibrate(20);
    EXPECT_EQ(c.min->text(), "-46.66667");
    EXPECT_EQ(c.max->text(), "153.3333");
    EXPECT_EQ(c.currentLabel->text(), "20° C");
}
