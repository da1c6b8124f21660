// The scenario grid as an installer uses it: typing durations, the cycle and
// level toggles by double-click and Space, the editing rules, scrolling, and
// the preview in the header row.

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "ui/pages/io/outputs/ScenarioGrid.h"

using namespace vrm;

namespace {

struct GridFixture : ::testing::Test {
    GridFixture()
    {
        grid.resize(700, 480);
        grid.show();
        grid.activateWindow();
        QApplication::processEvents();
    }

    QWidget* focused()
    {
        QWidget* w = QApplication::focusWidget();
        return w ? w : &grid;
    }

    void type(int row, int column, const QString& text)
    {
        grid.setFocus();
        grid.setCurrentGridCell(row, column);
        // The first key opens the editor, which takes the focus and the rest.
        for (QChar c : text)
            QTest::keyClick(focused(), c.toLatin1());
        QTest::keyClick(focused(), Qt::Key_Return);
        QApplication::processEvents();
    }

    // Blue pixels of the header row over the visible duration columns.
    QList<int> blueRows()
    {
        QApplication::processEvents();
        const QImage image = grid.previewHeader()->viewport()->grab().toImage();
        QList<int> rows;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == QColor(0, 0, 255)) {
                    rows << y;
                    break;
                }
        return rows;
    }

    ScenarioGrid grid;
};

} // namespace

TEST_F(GridFixture, TypedDurationsAreCommittedWithEnterAndStored)
{
    type(3, 4, "12");
    type(3, 5, "123456"); // five digits at most
    EXPECT_EQ(grid.cell(3, 4), "12");
    EXPECT_EQ(grid.cell(3, 5), "12345");
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(grid.currentGridColumn(), 6);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.currentGridRow(), 4);

    grid.toggleCell(3, ScenarioGrid::kLevelColumn);
    const scenario::Row row = grid.scenario(3);
    EXPECT_EQ(row.firstLevel, scenario::FirstLevel::High);
    EXPECT_EQ(row.durations[0], "12");
    EXPECT_EQ(row.durations[1], "12345");
    EXPECT_FALSE(row.repeats);
}

TEST_F(GridFixture, SpaceAndDoubleClickToggleTheCycleAndTheLevel)
{
    grid.setFocus();
    grid.setCurrentGridCell(2, ScenarioGrid::kCycleColumn);
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(grid.cell(2, 1), "ЦИКЛ");
    EXPECT_EQ(grid.cell(2, 2), "0");
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(grid.cell(2, 1), "");
    EXPECT_EQ(grid.cell(2, 2), "");

    grid.setCurrentGridCell(2, ScenarioGrid::kLevelColumn);
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(grid.cell(2, 3), "ВЫС");
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(grid.cell(2, 3), "НИЗ");

    const QRect cycleCell = grid.visualItemRect(grid.item(1, 0));
    // A double-click counts on the cell that the press before it chose.
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, cycleCell.center());
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, cycleCell.center());
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cycleCell.center());
    EXPECT_EQ(grid.cell(2, 1), "ЦИКЛ");
    EXPECT_EQ(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr); // no editor on the cycle mark
}

TEST_F(GridFixture, CountIsEditableOnlyWhileTheRowRepeats)
{
    EXPECT_FALSE(grid.cellEditable(5, ScenarioGrid::kCountColumn));
    EXPECT_FALSE(grid.cellEditable(5, ScenarioGrid::kCycleColumn));
    EXPECT_FALSE(grid.cellEditable(5, ScenarioGrid::kLevelColumn));
    EXPECT_TRUE(grid.cellEditable(5, 19));
    type(5, ScenarioGrid::kCountColumn, "7");
    EXPECT_EQ(grid.cell(5, 2), "");

    grid.toggleCell(5, ScenarioGrid::kCycleColumn);
    EXPECT_TRUE(grid.cellEditable(5, ScenarioGrid::kCountColumn));
    grid.setFocus();
    grid.setCurrentGridCell(5, ScenarioGrid::kCountColumn);
    QTest::keyClick(&grid, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "7");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor commits through a queued call
    EXPECT_EQ(grid.scenario(5).count, "7");
    EXPECT_TRUE(grid.scenario(5).repeats);
}

TEST_F(GridFixture, ShowAndReadBackThroughTheWordCoding)
{
    scenario::Words words{};
    words = {0, 0x8003, 0x0004, 0x0000};
    grid.setScenario(9, scenario::show(words));
    EXPECT_EQ(grid.cell(9, 0), "Сценарий № 9");
    EXPECT_EQ(grid.cell(9, 1), "ЦИКЛ");
    EXPECT_EQ(grid.cell(9, 3), "ВЫС");
    EXPECT_EQ(scenario::store(grid.scenario(9), words), words);
}

TEST_F(GridFixture, PreviewDrawsTheCurrentRowInTheHeader)
{
    // One-shot: high then low, no jump after the last step.
    grid.setScenario(1, scenario::show({1, 0x8003, 0x0004, 0x8000}));
    grid.setCurrentGridCell(1, 4);
    QList<int> rows = blueRows();
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_LE(rows.first(), 7);                     // high level near the top
    EXPECT_GE(rows.last(), grid.previewHeader()->height() - 7); // low level near the bottom
    EXPECT_EQ(grid.previewHeader()->height(), ScenarioGrid::kHeaderHeight);

    // An empty row draws nothing.
    grid.setCurrentGridCell(14, 4);
    EXPECT_TRUE(blueRows().isEmpty());
}

TEST_F(GridFixture, ScrollingMovesTheCurrentCellIntoView)
{
    grid.setCurrentGridCell(2, 1);
    grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
    QApplication::processEvents();
    EXPECT_EQ(grid.currentGridColumn(), grid.firstVisibleColumn());
    EXPECT_GT(grid.firstVisibleColumn(), 1);
}

// After an edit in a row that does not repeat, the grid takes no edit until
// another cell is chosen; a repeating row stays editable.
TEST_F(GridFixture, AnEditInARowThatDoesNotRepeatTurnsEditingOff)
{
    type(6, 4, "12");
    ASSERT_EQ(grid.cell(6, 4), "12");
    QTest::keyClick(&grid, Qt::Key_7);
    QApplication::processEvents();
    EXPECT_EQ(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
    EXPECT_EQ(grid.cell(6, 4), "12");

    type(6, 5, "3"); // another cell: editing is on again
    EXPECT_EQ(grid.cell(6, 5), "3");

    grid.toggleCell(7, ScenarioGrid::kCycleColumn);
    type(7, 4, "5");
    QTest::keyClick(&grid, Qt::Key_F2);
    EXPECT_NE(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
}
