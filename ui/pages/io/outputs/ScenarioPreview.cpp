#include "ui/pages/io/outputs/ScenarioPreview.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

namespace vrm::scenario {

namespace {
constexpr int kLevelMargin = 6;
constexpr int kArrowLength = 12;
constexpr int kArrowHalfWidth = 3;
const QColor kStepColour(0, 0, 255);
const QColor kLoopColour(128, 0, 0);
} // namespace

PreviewTrace tracePreview(const PreviewRow& row, const PreviewGrid& grid)
{
    PreviewTrace trace;
    auto duration = [&](int column) { return row.durations[std::size_t(column - kFirstDurationColumn)]; };

    // Steps scrolled out of view must all exist, or the visible ones are not part of the shape.
    const int first = std::max(grid.firstScrolledColumn, kFirstDurationColumn);
    for (int column = kFirstDurationColumn; column < first; ++column)
        if (duration(column) == 0)
            return trace;

    // Column 4 holds the first step; each column further alternates the level.
    bool flag = true;
    if (grid.firstScrolledColumn > 3 && grid.firstScrolledColumn % 2 == 1)
        flag = !flag;
    const int high = kLevelMargin;
    const int low = grid.headerHeight - kLevelMargin;
    auto levelY = [&](bool f) { return f == row.firstHigh ? high : low; };

    int x = grid.columnLeft[std::size_t(first)];
    int y = levelY(flag);
    bool drawn = false;
    for (int column = first; column < kGridColumns; ++column) {
        if (duration(column) == 0)
            break;
        const int xEnd = grid.columnLeft[std::size_t(column)] + grid.columnWidth[std::size_t(column)] + 1;
        y = levelY(flag);
        trace.steps << QLine(x, y, xEnd, y);
        drawn = true;
        flag = !flag;
        x = xEnd;
        if (column == kGridColumns - 1)
            break;
        const bool lastStep = duration(column + 1) == 0;
        if (lastStep && !row.repeats)
            break;
        trace.steps << QLine(xEnd, y, xEnd, levelY(flag));
        y = levelY(flag);
    }

    if (drawn && row.repeats) {
        const int middle = grid.headerHeight / 2;
        const int start = grid.columnLeft[kFirstDurationColumn];
        trace.loop << QLine(x, middle, start, middle);
        if (grid.firstScrolledColumn <= kFirstDurationColumn) {
            const QPoint tip(start, middle);
            const QPoint lower(start + kArrowLength, middle + kArrowHalfWidth);
            const QPoint upper(start + kArrowLength, middle - kArrowHalfWidth);
            trace.loop << QLine(tip, lower) << QLine(lower, upper) << QLine(upper, tip);
        }
    }
    return trace;
}

void paintPreview(QPainter& painter, const PreviewTrace& trace)
{
    painter.save();
    painter.setPen(QPen(kStepColour, 2, Qt::SolidLine));
    painter.drawLines(trace.steps);
    painter.setPen(QPen(kLoopColour, 1, Qt::SolidLine));
    painter.drawLines(trace.loop);
    painter.restore();
}

} // namespace vrm::scenario
