// Pages 14-46 and the input calibration dialog built with the English
// translation installed: every interface text they show is English and still
// fits the page area.

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTranslator>
#include <algorithm>

#include "model/UiText.h"
#include "tests/ui/EnglishPages.h"
#include "tests/ui/PageLook.h"
#include "tests/ui/EnglishInterface.h"
#include "ui/InterfaceLanguage.h"
#include "ui/pages/io/clock/SchedulerGrid.h"
#include "ui/pages/io/inputs/InputPages.h"
#include "ui/pages/io/inputs/InputsPages.h"
#include "ui/pages/io/inputs/TFormCalibration.h"
#include "ui/pages/io/outputs/OutputsPageGroups.h"
#include "ui/pages/io/outputs/ScenarioGrid.h"
#include "ui/pages/io/perimeters/PerimeterAndClockPages.h"

using namespace vrm;
using namespace vrm::test;

namespace {


void choose(QComboBox* box, int index)
{
    ASSERT_NE(box, nullptr);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

} // namespace

TEST(IoPagesEnglish, TextsOfThePagesAreTranslated)
{
    EnglishInterface english;
    ASSERT_TRUE(english.installed());
    EXPECT_EQ(Ui::tr("Название входа"), QStringLiteral("Input name"));
    EXPECT_EQ(Ui::tr("Применить профиль %1").arg(3), QStringLiteral("Apply profile 3"));
    EXPECT_EQ(Ui::tr("В", "upper threshold"), QStringLiteral("U"));
    EXPECT_EQ(Ui::tr("В"), QStringLiteral("V"));
    EXPECT_EQ(Ui::tr("Выход\n%1").arg(2), QStringLiteral("Output\n2"));
}

TEST(IoPagesEnglish, InputAndProfilePagesShowNoRussianText)
{
    EnglishInterface english;
    ASSERT_TRUE(english.installed());
    PageTestHost host;
    auto groups = createInputsPages(host);
    const QList<int> served = expectEnglishPages(host, groups, [](PageGroup& group, int page, QWidget* panel) {
        auto* inputs = dynamic_cast<InputPages*>(&group);
        if (!inputs)
            return;
        // The unit button offers the other unit in English ("%" or "V"), and an analogue input its calibration.
        auto* unit = panel->findChild<QPushButton*>(QStringLiteral("ButtonVoltPerc"));
        ASSERT_NE(unit, nullptr);
        const QString before = unit->text();
        unit->click();
        EXPECT_EQ(QStringList({before, unit->text()}).join(QLatin1Char(' ')),
                  before == QStringLiteral("%") ? QStringLiteral("% V") : QStringLiteral("V %"));
        inputs->showReading(page - 20, 1000, true);
        if (page == 22)
            choose(panel->findChild<QComboBox*>(QStringLiteral("ComboBoxSensType")), 2);
    });
    EXPECT_EQ(served, (QList<int>{20, 21, 22, 23, 24, 25, 26, 27, 28, 38, 39, 40, 41, 42, 43, 44, 45, 46}));
}

TEST(IoPagesEnglish, CalibrationDialogShowsNoRussianText)
{
    EnglishInterface english;
    ASSERT_TRUE(english.installed());
    PageTestHost host;
    TFormCalibration dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Input calibration"));
    expectEnglish(&dialog, "calibration dialog");
    dialog.show();
    QApplication::processEvents();
    expectTidy(&dialog, "calibration dialog");
    grabPage(&dialog, QStringLiteral("calibration"));
}

TEST(IoPagesEnglish, OutputScenarioAndPowerPagesShowNoRussianText)
{
    EnglishInterface english;
    ASSERT_TRUE(english.installed());
    PageTestHost host;
    host.configImage.setByte(360 + 76 + 1, 5); // input 1 drives relay 2: one stimulus line
    auto groups = createOutputsPageGroups(host);
    const QList<int> served = expectEnglishPages(host, groups, [&host](PageGroup&, int page, QWidget* panel) {
        if (page == 15) {
            emit host.access.powerPolled(80, 124);
            emit host.access.temperaturePolled(31, true);
        }
        if (auto* grid = panel->findChild<ScenarioGrid*>()) {
            grid->setCurrentGridCell(3, 4); // scenario 3 repeats
            grabPage(panel, QStringLiteral("page%1-repeating").arg(page));
        }
    });
    EXPECT_EQ(served, (QList<int>{15, 29, 30, 31, 32, 33, 34, 35, 36, 37}));
}

TEST(IoPagesEnglish, PerimeterAndClockPagesShowNoRussianText)
{
    EnglishInterface english;
    ASSERT_TRUE(english.installed());
    PageTestHost host;
    auto groups = createPerimeterAndClockPages(host);
    const QList<int> served = expectEnglishPages(host, groups, [&host](PageGroup&, int page, QWidget* panel) {
        if (page == 14) {
            // The perimeter choices of arming and the output actions of output control.
            auto* scheduler = panel->findChild<SchedulerGrid*>();
            ASSERT_NE(scheduler, nullptr);
            choose(scheduler->actionBox(0), 1);
            choose(scheduler->actionBox(1), 3);
            EXPECT_FALSE(scheduler->parameterBox(0)->isHidden());
            EXPECT_FALSE(scheduler->parameterBox(1)->isHidden());
            return;
        }
        // A refused reader, then a key read twice: the second time it is already in the table.
        emit host.access.keyPolled(ControllerAccess::PasswordRefused, {});
        grabPage(panel, QStringLiteral("page%1-refused").arg(page));
        emit host.access.keyPolled(ControllerAccess::KeyRead, QStringLiteral("0123456789ABCDEF"));
        emit host.access.keyPolled(ControllerAccess::KeyRead, QStringLiteral("0123456789ABCDEF"));
    });
    EXPECT_EQ(served, (QList<int>{14, 16, 17, 18, 19}));
}
