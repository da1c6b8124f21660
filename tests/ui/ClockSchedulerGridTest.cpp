#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>

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

// The drawn widths (20 px check box columns, 46 px time, 40 px test and info,
// 180 and 120 px lists) grow together with the font; the wide columns' headings
// keep the blanks that bring them towards the middle.
TEST(ClockSchedulerGrid, ColumnsKeepTheirDrawnProportionsAndHeadings)
{
    const QFont original = QApplication::font();
    int previousBox = 0;
    for (const int pixelSize : {11, 16, 24}) {
        SCOPED_TRACE(pixelSize);
        QFont font = original;
        font.setPixelSize(pixelSize);
        QApplication::setFont(font);
        SchedulerGrid grid(lists());
        const int box = grid.columnWidth(SchedulerGrid::Enabled);
        EXPECT_GE(box, 20);
        EXPECT_GE(box, previousBox);
        previousBox = box;
        for (int c = SchedulerGrid::Monday; c <= SchedulerGrid::Sunday; ++c)
            EXPECT_EQ(grid.columnWidth(c), box);
        const double unit = box / 20.0;
        EXPECT_NEAR(grid.columnWidth(SchedulerGrid::Time), 46 * unit, 2);
        EXPECT_NEAR(grid.columnWidth(SchedulerGrid::Test), 40 * unit, 2);
        EXPECT_NEAR(grid.columnWidth(SchedulerGrid::Action), 180 * unit, 5);
        EXPECT_NEAR(grid.columnWidth(SchedulerGrid::Parameter), 120 * unit, 4);
    }
    EXPECT_GT(previousBox, 20); // a 24-pixel font widens the columns
    QApplication::setFont(original);
    SchedulerGrid grid(lists());
    EXPECT_EQ(grid.horizontalHeaderItem(SchedulerGrid::Action)->text(), "                Действие");
    EXPECT_EQ(grid.horizontalHeaderItem(SchedulerGrid::Parameter)->text(), "  Доп. параметр");
    EXPECT_EQ(grid.horizontalHeaderItem(SchedulerGrid::Time)->text(), "Время");
}
