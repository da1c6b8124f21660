#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include "ui/pages/io/perimeters/TouchKeyGrid.h"

using namespace vrm;

namespace {

QList<TouchKeyRow> sampleRows()
{
    QList<TouchKeyRow> rows(kTouchKeyCount, emptyTouchKeyRow());
    rows[0] = {"0123456789ABCDEF", "ИВАН", true, false, "3"};
    rows[1] = {"00000000000000AA", "KEY2", false, true, "-"};
    rows[2] = {"00000000000000BB", "Петр", true, true, "8"};
    return rows;
}

QStringList numbers(const TouchKeyGrid& grid)
{
    QStringList texts;
    for (int r = 0; r < grid.rowCount(); ++r)
        texts << grid.item(r, TouchKeyGrid::Number)->text();
    return texts;
}

} // namespace

TEST(PerimeterKeyGrid, RowsComeBackAsSet)
{
    TouchKeyGrid grid;
    EXPECT_EQ(grid.rowCount(), 32);
    EXPECT_EQ(grid.rows(), QList<TouchKeyRow>(kTouchKeyCount, emptyTouchKeyRow()));
    grid.setRows(sampleRows());
    EXPECT_EQ(grid.rows(), sampleRows());
    EXPECT_EQ(grid.horizontalHeaderItem(TouchKeyGrid::Code)->text(), "Код ключа TOUCH");
    EXPECT_EQ(grid.horizontalHeaderItem(TouchKeyGrid::Arm)->text(), " О");
    EXPECT_EQ(grid.horizontalHeaderItem(TouchKeyGrid::Disarm)->text(), " Н");
}

TEST(PerimeterKeyGrid, PresentedKeyLandsInTheFirstFreeRowAndIsSelected)
{
    TouchKeyGrid grid;
    grid.setRows(sampleRows());
    const KeyArrivalResult result = grid.presentKey("1122334455667788");
    EXPECT_EQ(result.outcome, KeyArrival::Added);
    EXPECT_EQ(result.row, 3);
    EXPECT_EQ(grid.rows()[3], (TouchKeyRow{"1122334455667788", "KEY4", true, true, "-"}));
    EXPECT_EQ(grid.currentRow(), 3);
    EXPECT_EQ(grid.presentKey("00000000000000AA").outcome, KeyArrival::AlreadyInTable);
    EXPECT_EQ(grid.currentRow(), 1);
}

TEST(PerimeterKeyGrid, MovedRowTakesItsNewNumber)
{
    TouchKeyGrid grid;
    grid.setRows(sampleRows());
    grid.moveKeyRow(0, 2);
    const QList<TouchKeyRow> rows = grid.rows();
    EXPECT_EQ(rows[0].name, "KEY2");
    EXPECT_EQ(rows[1].name, "Петр");
    EXPECT_EQ(rows[2], sampleRows()[0]);
    QStringList expected;
    for (int n = 1; n <= 32; ++n)
        expected << QString::number(n);
    EXPECT_EQ(numbers(grid), expected);
}

TEST(PerimeterKeyGrid, DropMovesTheDraggedRowWithoutOverwriting)
{
    struct Grid : TouchKeyGrid {
        using TouchKeyGrid::dropEvent; // the drag itself is the window system's
    } grid;
    grid.resize(500, 400);
    grid.setRows(sampleRows());
    grid.show();
    QApplication::processEvents();
    grid.setCurrentCell(2, TouchKeyGrid::Name);
    auto* mime = grid.model()->mimeData(grid.selectionModel()->selectedIndexes());
    const QPoint target = grid.visualRect(grid.model()->index(0, TouchKeyGrid::Name)).center();
    QDropEvent drop(target, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    grid.dropEvent(&drop);
    const QList<TouchKeyRow> rows = grid.rows();
    EXPECT_EQ(rows[0], sampleRows()[2]);
    EXPECT_EQ(rows[1], sampleRows()[0]);
    EXPECT_EQ(rows[2], sampleRows()[1]);
    EXPECT_EQ(rows[3], emptyTouchKeyRow());
    EXPECT_EQ(grid.item(0, TouchKeyGrid::Number)->text(), "1");
    delete mime;
}

TEST(PerimeterKeyGrid, TypedCodeIsUpperCasedAndLimitedToHexDigits)
{
    TouchKeyGrid grid;
    grid.resize(500, 400);
    grid.show();
    QApplication::processEvents();
    grid.setCurrentCell(0, TouchKeyGrid::Code);
    grid.editItem(grid.item(0, TouchKeyGrid::Code));
    auto* editor = grid.findChild<QLineEdit*>("KeyCellEditor");
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "1fxz2");
    EXPECT_EQ(editor->text(), "1f2");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the delegate commits on a queued call
    EXPECT_EQ(grid.item(0, TouchKeyGrid::Code)->text(), "1F2");
}

// Number, arm, disarm and profile keep their drawn 20, 20, 20 and 35 pixels
// (grown with the font); code and name share the rest equally.
TEST(PerimeterKeyGrid, ColumnsKeepTheirDrawnWidths)
{
    TouchKeyGrid grid;
    grid.resize(500, 400);
    grid.show();
    QApplication::processEvents();
    const int number = grid.columnWidth(TouchKeyGrid::Number);
    EXPECT_GE(number, 20);
    EXPECT_EQ(grid.columnWidth(TouchKeyGrid::Arm), number);
    EXPECT_EQ(grid.columnWidth(TouchKeyGrid::Disarm), number);
    EXPECT_NEAR(grid.columnWidth(TouchKeyGrid::Profile), 35.0 * number / 20, 2);
    const int rest = grid.viewport()->width() - 3 * number - grid.columnWidth(TouchKeyGrid::Profile);
    EXPECT_NEAR(grid.columnWidth(TouchKeyGrid::Code), rest / 2.0, 1);
    EXPECT_NEAR(grid.columnWidth(TouchKeyGrid::Name), rest / 2.0, 1);
}
