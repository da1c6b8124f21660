#pragma once
// The stored controls of pages 15 and 30-37 in the main window as comparable
// text, and values other than the factory ones for each of them.
#include <QCheckBox>
#include <QComboBox>
#include <QSlider>

#include "tests/ui/WindowPages.h"
#include "ui/pages/io/outputs/ScenarioGrid.h"

namespace vrm::test {

inline constexpr int kPowerPage = 15, kFirstOutputPage = 30, kLastOutputPage = 36, kScenarioPage = 37;

// Every stored control of the shown page as comparable text.
inline ControlStates captureOutputControls(QWidget* panel)
{
    ControlStates states;
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
inline void changeOutputsPage(TForm1& window)
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
        for (int row : {3, 4, 6, 7, 9, 10, 11, 12, 13, 15, 16}) // the others: a first step of their own
            grid->setCell(row, ScenarioGrid::kFirstDuration, QString::number(200 + row));
    }
}

} // namespace vrm::test
