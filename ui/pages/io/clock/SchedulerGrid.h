#pragma once
// The task scheduler grid of the clock page (`StringGrid3`): per task an
// enable box, the time, the weekday boxes, "Тест" and "Инфо", and two combo
// boxes, the action and its parameter, whose list follows the action.

#include <QList>
#include <QStringList>
#include <QTableWidget>
#include <cstdint>

#include "model/SchedulerTask.h"

class QComboBox;

namespace vrm {

struct SchedulerRow {
    bool enabled = false;
    QString time;         // "HH:MM"
    uint8_t weekdays = 0; // bit d: weekday d (0 = Monday)
    bool test = false;
    bool info = false;
    TaskActionChoice action;
    bool operator==(const SchedulerRow&) const = default;
};

class SchedulerGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kTaskCount = 8;
    enum Column { Number = 0, Enabled, Time, Monday, Sunday = Monday + 6, Test, Info, Action, Parameter, ColumnCount };

    struct Lists {
        QStringList actions;       // 18 items
        QStringList perimeters;    // 7 items, for arming and disarming
        QStringList outputActions; // 17 items, for output control
    };

    explicit SchedulerGrid(Lists lists, QWidget* parent = nullptr);

    QList<SchedulerRow> rows() const;
    void setRows(const QList<SchedulerRow>& rows);

    QComboBox* actionBox(int row) const;
    QComboBox* parameterBox(int row) const;

private:
    // Fills the row's parameter box for its action (or hides it) and selects item 0.
    void rebuildParameterList(int row);
    bool checked(int row, int column) const;
    void setChecked(int row, int column, bool on);

    Lists lists_;
    QList<QComboBox*> actionBoxes_;
    QList<QComboBox*> parameterBoxes_;
};

} // namespace vrm
