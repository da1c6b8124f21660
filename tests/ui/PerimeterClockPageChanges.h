#pragma once
// The stored controls of pages 14 and 16-19 in the main window as comparable
// text, and values of their own for each of them.
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>

#include "tests/ui/WindowPages.h"
#include "ui/pages/io/clock/SchedulerGrid.h"
#include "ui/pages/io/perimeters/TouchKeyGrid.h"

namespace vrm::test {

// Every stored control of the shown page as text; the clock fields are not stored.
inline ControlStates capturePerimeterClockControls(QWidget* panel)
{
    std::map<QString, QString> states;
    for (QComboBox* box : panel->findChildren<QComboBox*>())
        states[box->objectName()] =
            box->isEditable() ? QStringLiteral("text '%1'").arg(box->currentText())
                              : QStringLiteral("index %1").arg(box->currentIndex());
    for (QCheckBox* box : panel->findChildren<QCheckBox*>())
        states[box->objectName()] = QStringLiteral("state %1").arg(int(box->checkState()));
    for (QRadioButton* button : panel->findChildren<QRadioButton*>())
        states[button->objectName()] = QStringLiteral("checked %1").arg(button->isChecked());
    for (QSpinBox* spin : panel->findChildren<QSpinBox*>())
        states[spin->objectName()] = QStringLiteral("value %1").arg(spin->value());
    if (auto* keys = panel->findChild<TouchKeyGrid*>()) {
        const QList<TouchKeyRow> rows = keys->rows();
        for (int r = 0; r < rows.size(); ++r)
            states[QStringLiteral("key %1").arg(r + 1)] = QStringLiteral("%1|%2|%3|%4|%5")
                                                              .arg(rows[r].code, rows[r].name)
                                                              .arg(rows[r].arm)
                                                              .arg(rows[r].disarm)
                                                              .arg(rows[r].profile);
    }
    if (auto* tasks = panel->findChild<SchedulerGrid*>()) {
        const QList<SchedulerRow> rows = tasks->rows();
        for (int r = 0; r < rows.size(); ++r)
            states[QStringLiteral("task %1").arg(r + 1)] =
                QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                    .arg(rows[r].enabled)
                    .arg(rows[r].time)
                    .arg(rows[r].weekdays)
                    .arg(rows[r].test)
                    .arg(rows[r].info)
                    .arg(rows[r].action.action)
                    .arg(rows[r].action.parameter);
    }
    states.erase(QString());
    // The task grid's boxes are captured through its rows; the clock fields are live.
    for (auto it = states.begin(); it != states.end();)
        it = it->first.startsWith(QStringLiteral("ComboBoxTask")) ? states.erase(it) : std::next(it);
    return states;
}

// Moves every stored control of the shown page to a value of its own.
inline void changePerimeterClockPage(TForm1& window)
{
    const int page = window.shownPage();
    QWidget* panel = shownPanel(window);
    for (QComboBox* box : panel->findChildren<QComboBox*>()) {
        if (box->objectName().isEmpty() || box->objectName().startsWith(QStringLiteral("ComboBoxTask")))
            continue;
        if (box->isEditable())
            box->setEditText(QStringLiteral("ПЕРИМЕТР-%1").arg(page));
        else if (box->count() > 1)
            box->setCurrentIndex((box->currentIndex() + 1 + page % (box->count() - 1)) % box->count());
    }
    int n = page;
    for (QCheckBox* box : panel->findChildren<QCheckBox*>()) {
        if (box->isTristate())
            box->setCheckState(++n % 3 == 0 ? Qt::Unchecked : n % 3 == 1 ? Qt::PartiallyChecked : Qt::Checked);
        else
            box->setChecked(!box->isChecked());
    }
    if (auto* spin = panel->findChild<QSpinBox*>(QStringLiteral("UpDownPerimDelayARM")))
        spin->setValue(10 * page);
    if (panel->findChild<QRadioButton*>(QStringLiteral("RadioButtonPerimPulsAD"))) {
        const char* names[] = {"RadioButtonPerimPulsAD", "RadioButtonPerimPulsARM", "RadioButtonPerimTouchAD"};
        panel->findChild<QRadioButton*>(QString::fromLatin1(names[page % 3]))->setChecked(true);
    }
    if (auto* keys = panel->findChild<TouchKeyGrid*>()) {
        QList<TouchKeyRow> rows = keys->rows();
        for (int r = 0; r < rows.size(); ++r) {
            rows[r].code = QStringLiteral("%1").arg(quint64(0x1000 + r), 16, 16, QLatin1Char('0')).toUpper();
            rows[r].name = QStringLiteral("Ключ%1").arg(r + 1);
            rows[r].arm = (r + page) % 2;
            rows[r].disarm = (r + page) % 3 == 0;
            rows[r].profile = QString::number(1 + (r % 8));
        }
        keys->setRows(rows);
    }
    if (auto* tasks = panel->findChild<SchedulerGrid*>()) {
        QList<SchedulerRow> rows;
        for (int r = 0; r < SchedulerGrid::kTaskCount; ++r) {
            const int action = 1 + 2 * r; // arm, output control and profiles
            rows << SchedulerRow{r % 2 == 0, QStringLiteral("%1:%2").arg(r + 10).arg(r * 7 + 3, 2, 10, QLatin1Char('0')),
                                 uint8_t(0x7F >> r), r % 3 == 0, r % 3 == 1,
                                 {action, taskParameterCount(action) ? r + 1 : 0}};
        }
        tasks->setRows(rows);
    }
}

} // namespace vrm::test
