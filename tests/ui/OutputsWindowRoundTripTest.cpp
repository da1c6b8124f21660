// Pages 15 and 30-37 through the main window as an installer uses them: every
// stored control is set page by page through the tree, the configuration is
// saved with FileSave1, and a second window with its own working folder opens
// the file with FileOpen1 and shows every value again.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QSlider>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "tests/ui/MainWindowFixture.h"
#include "ui/TForm1.h"
#include "ui/pages/PageGroup.h"
#include "ui/pages/io/outputs/ScenarioGrid.h"

using namespace vrm;
using namespace vrm::test;

namespace {

constexpr int kPowerPage = 15, kFirstOutputPage = 30, kLastOutputPage = 36, kScenarioPage = 37;

using States = std::map<QString, QString>;

void waitUntilReady(TForm1& window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(waitFor([&] { return window.findChild<QAction*>(QStringLiteral("FileSave1"))->isEnabled(); }));
}

void clickPage(TForm1& window, int page)
{
    QTreeWidget* tree = window.pageTree();
    QTreeWidgetItemIterator it(tree);
    for (int i = 0; i < page && *it; ++i)
        ++it;
    ASSERT_NE(*it, nullptr) << "no node for page " << page;
    tree->scrollToItem(*it);
    const QRect node = tree->visualItemRect(*it);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(node.left() + 8, node.center().y()));
    ASSERT_EQ(window.shownPage(), page) << "the click did not select page " << page;
}

QWidget* shownPanel(TForm1& window) { return window.pageGroup(window.shownPage())->panel(window.shownPage()); }

template <class T> T* control(TForm1& window, const char* name)
{
    T* widget = shownPanel(window)->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void choose(TForm1& window, const char* name, int index)
{
    QComboBox* box = control<QComboBox>(window, name);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// Every stored control of the shown page as comparable text.
States capture(QWidget* panel)
{
    States states;
    for (QComboBox* box : panel->findChildren<QComboBox*>())
        states[box->objectName()] = box->isEditable() ? "text " + box->currentText()
                                                      : QStringLiteral("index %1").arg(box->currentIndex());
    for (QCheckBox* box : panel->findChildren<QCheckBox*>())
        states[box->objectName()] = QStringLiteral("state %1").arg(int(box->checkState()));
    for (QSlider* bar : panel->findChildren<QSlider*>())
        states[bar->objectName()] = QStringLiteral("value %1").arg(bar->value());
    if (auto* grid = panel->findChild<ScenarioGrid*>())
        for (int row = 1; row <= ScenarioGrid::kScenarios; ++row)
            for (int column = 1; column < ScenarioGrid::kColumns; ++column)
                states[QStringLiteral("cell %1,%2").arg(row).arg(column)] = grid->cell(row, column);
    states.erase(QString());
    return states;
}

// Values other than the factory ones, different on each page of a shared panel.
void changeShownPage(TForm1& window)
{
    const int page = window.shownPage();
    QWidget* panel = shownPanel(window);
    for (QCheckBox* box : panel->findChildren<QCheckBox*>())
        box->setChecked(!box->isChecked());
    if (page == kPowerPage) {
        const std::pair<const char*, int> items[] = {
            {"ComboBoxPowerSignAverTime", 5}, {"ComboBoxRecoveryTime", 2},       {"ComboBoxFltBrdArriveOut", 1},
            {"ComboBoxFltBrdArriveScn", 3},   {"ComboBoxFltBrdRecoveryOut", 2},  {"ComboBoxFltBrdRecoveryScn", 4},
            {"ComboBoxDischAlarmBrdArrOut", 3}, {"ComboBoxDischAlarmBrdArrScn", 5},
            {"ComboBoxDischWarnBrdArrOut", 4},  {"ComboBoxDischWarnBrdArrScn", 6},
            {"ComboBoxIndFunction", 2},        {"ComboBoxHiBorderLevel", 50},    {"ComboBoxLoBorderLevel", 70},
            {"ComboBoxHiBorderOut", 5},        {"ComboBoxHiBorderScn", 16},      {"ComboBoxLoBorderOut", 6},
            {"ComboBoxLoBorderScn", 2},        {"ComboBoxTamperActOutN", 1},     {"ComboBoxTamperActScnN", 1}};
        for (auto [name, index] : items)
            choose(window, name, index);
        control<QSlider>(window, "TrackBarDischargeWarn")->setValue(30);
        control<QSlider>(window, "TrackBarDischargeAlarm")->setValue(55);
        control<QSlider>(window, "TrackBarTemperatHiBorder")->setValue(45);
        control<QSlider>(window, "TrackBarTemperatLowBorder")->setValue(-12);
    } else if (page >= kFirstOutputPage && page <= kLastOutputPage) {
        control<QComboBox>(window, "ComboBoxReleName")->setEditText(QStringLiteral("НАСОС %1").arg(page));
        control<QComboBox>(window, "ComboBoxReleNameAct")->setEditText(QStringLiteral("ВКЛ %1").arg(page));
        control<QComboBox>(window, "ComboBoxReleNameDeact")->setEditText(QStringLiteral("ВЫКЛ %1").arg(page));
        choose(window, "ComboBoxCommType", page - 22);
    } else if (page == kScenarioPage) {
        auto* grid = panel->findChild<ScenarioGrid*>();
        grid->setCell(1, ScenarioGrid::kCountColumn, "5"); // scenario 1 repeats five times
        grid->toggleCell(8, ScenarioGrid::kCycleColumn);  // scenario 8 repeats
        grid->toggleCell(5, ScenarioGrid::kLevelColumn);  // scenario 5 starts high
        grid->toggleCell(2, ScenarioGrid::kCycleColumn);  // scenario 2 runs once
        for (int k = 0; k < 16; ++k)                     // scenario 14: sixteen steps
            grid->setCell(14, ScenarioGrid::kFirstDuration + k, QString::number(100 + k));
    }
}

void expectShown(const States& shown, const States& expected)
{
    for (const auto& [name, state] : expected) {
        const auto it = shown.find(name);
        if (it == shown.end())
            ADD_FAILURE() << name.toStdString() << " is missing";
        else
            EXPECT_EQ(it->second.toStdString(), state.toStdString()) << name.toStdString();
    }
}

const QList<int> kPages = {kPowerPage, 30, 31, 32, 33, 34, 35, 36, kScenarioPage};

} // namespace

TEST(OutputsWindowRoundTrip, EveryControlSurvivesSaveAndOpenInAnotherWindow)
{
    std::map<int, States> set;
    WorkingFolder firstFolder;
    const QString savedFile = firstFolder.file(QStringLiteral("outputs.cnt"));
    {
        TForm1 window;
        waitUntilReady(window);
        for (int page : kPages) {
            SCOPED_TRACE(page);
            clickPage(window, page);
            ASSERT_FALSE(HasFatalFailure());
            const States factory = capture(shownPanel(window));
            changeShownPage(window);
            set[page] = capture(shownPanel(window));
            for (const auto& [name, state] : set[page])
                if (factory.at(name) == state && !name.startsWith("cell"))
                    ADD_FAILURE() << name.toStdString() << " kept its factory value";
        }
        // Switching away and back shows what was stored.
        clickPage(window, kPowerPage);
        expectShown(capture(shownPanel(window)), set[kPowerPage]);
        clickPage(window, kScenarioPage);

        ModalScript script;
        script.then(typeFileName(savedFile));
        window.findChild<QAction*>(QStringLiteral("FileSave1"))->trigger();
        ASSERT_TRUE(script.finished());
        EXPECT_EQ(script.unexpected, 0);
    }

    WorkingFolder secondFolder;
    TForm1 window;
    waitUntilReady(window);
    ModalScript script;
    script.then(typeFileName(savedFile));
    window.findChild<QAction*>(QStringLiteral("FileOpen1"))->trigger();
    ASSERT_TRUE(script.finished());
    EXPECT_EQ(script.unexpected, 0);
    for (int page : kPages) {
        SCOPED_TRACE(page);
        clickPage(window, page);
        ASSERT_FALSE(HasFatalFailure());
        expectShown(capture(shownPanel(window)), set[page]);
    }
}
