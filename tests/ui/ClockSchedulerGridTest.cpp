#include <gtest/gtest.h>

#include <QComboBox>

#include "ui/pages/io/clock/SchedulerGrid.h"

using namespace vrm;

namespace {

SchedulerGrid::Lists lists()
{
    SchedulerGrid::Lists l;
    for (int i = 0; i < 18; ++i)
        l.actions << QStringLiteral("action %1").arg(i);
    for (int i = 0; i < 7; ++i)
        l.perimeters << QStringLiteral("perimeter %1").arg(i);
    for (int i = 0; i < 17; ++i)
        l.outputActions << QStringLiteral("output action %1").arg(i);
    return l;
}

} // namespace

TEST(ClockSchedulerGrid, RowsComeBackAsSet)
{
    SchedulerGrid grid(lists());
    EXPECT_EQ(grid.rowCount(), 8);
    EXPECT_EQ(grid.columnCount(), 14);
    QList<SchedulerRow> rows = grid.rows();
    rows[0] = {true, "07:05", 0x41, true, false, {1, 6}};
    rows[3] = {false, "23:59", 0x7F, false, true, {6, 16}};
    rows[7] = {true, "00:00", 0x01, true, true, {17, 0}};
    grid.setRows(rows);
    EXPECT_EQ(grid.rows(), rows);
}

TEST(ClockSchedulerGrid, ParameterListFollowsTheChosenAction)
{
    SchedulerGrid grid(lists());
    QComboBox* action = grid.actionBox(2);
    QComboBox* parameter = grid.parameterBox(2);
    EXPECT_TRUE(parameter->isHidden());
    action->setCurrentIndex(2);
    emit action->activated(2);
    EXPECT_FALSE(parameter->isHidden());
    EXPECT_EQ(parameter->count(), 7);
    parameter->setCurrentIndex(5);
    action->setCurrentIndex(4);
    emit action->activated(4);
    EXPECT_EQ(parameter->count(), 17);
    EXPECT_EQ(parameter->currentIndex(), 0);
    EXPECT_EQ(parameter->itemText(3), "output action 3");
    action->setCurrentIndex(12);
    emit action->activated(12);
    EXPECT_TRUE(parameter->isHidden());
    EXPECT_EQ(grid.rows()[2].action, (TaskActionChoice{12, 0}));
}
