#pragma once
// The signal shape of one scenario row, drawn in the header row of the
// scenario grid above the duration columns: high steps near the top, low
// steps near the bottom, a vertical jump between steps, and for a repeating
// scenario a line back to the first step.

#include <QLine>
#include <QList>
#include <array>

class QPainter;

namespace vrm::scenario {

inline constexpr int kGridColumns = 20;
inline constexpr int kFirstDurationColumn = 4;

// Where the grid's columns lie, in the coordinates of the header row.
struct PreviewGrid {
    int firstScrolledColumn = 1; // leftmost column in view after the fixed one
    int headerHeight = 28;
    std::array<int, kGridColumns> columnLeft{};  // columns scrolled out lie left of the view
    std::array<int, kGridColumns> columnWidth{};
};

struct PreviewRow {
    std::array<int, 16> durations{}; // 0: unused step
    bool firstHigh = false;
    bool repeats = false;
};

struct PreviewTrace {
    QList<QLine> steps; // the levels and jumps
    QList<QLine> loop;  // a repeating scenario's way back, with its arrow head
};

PreviewTrace tracePreview(const PreviewRow& row, const PreviewGrid& grid);

// Blue 2-pixel steps, a maroon 1-pixel loop.
void paintPreview(QPainter& painter, const PreviewTrace& trace);

} // namespace vrm::scenario
