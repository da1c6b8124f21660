#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <initializer_list>

#include "ui/pages/io/outputs/ScenarioPreview.h"

using namespace vrm::scenario;

namespace {

// Columns 40 pixels wide plus the grid line, scrolled so that `firstScrolled` starts at x = 0.
PreviewGrid grid(int firstScrolled)
{
    PreviewGrid g;
    g.firstScrolledColumn = firstScrolled;
    g.headerHeight = 28;
    const int start = std::max(firstScrolled, 1);
    for (int c = 0; c < kGridColumns; ++c) {
        g.columnWidth[std::size_t(c)] = 40;
        g.columnLeft[std::size_t(c)] = (c - start) * 41;
    }
    return g;
}

PreviewRow row(std::initializer_list<int> durations, bool firstHigh, bool repeats = false)
{
    PreviewRow r;
    r.firstHigh = firstHigh;
    r.repeats = repeats;
    int k = 0;
    for (int d : durations)
        r.durations[std::size_t(k++)] = d;
    return r;
}

constexpr int kHigh = 6, kLow = 22, kMiddle = 14;

} // namespace

TEST(ScenarioPreview, OneShotRowStepsWithoutJumpAfterTheLast)
{
    // Columns 1-3 in view before the durations: column 4 starts at x = 3 * 41.
    PreviewTrace trace = tracePreview(row({3, 4}, true), grid(1));
    const int x4 = 3 * 41;
    EXPECT_EQ(trace.steps, (QList<QLine>{QLine(x4, kHigh, x4 + 41, kHigh), QLine(x4 + 41, kHigh, x4 + 41, kLow),
                                          QLine(x4 + 41, kLow, x4 + 82, kLow)}));
    EXPECT_TRUE(trace.loop.isEmpty());
}

TEST(ScenarioPreview, HiddenFirstStepContinuesTheAlternation)
{
    // Column 4 (step 1, high) is scrolled out; column 5 shows step 2 low, column 6 step 3 high.
    PreviewTrace trace = tracePreview(row({3, 4, 5}, true), grid(5));
    EXPECT_EQ(trace.steps, (QList<QLine>{QLine(0, kLow, 41, kLow), QLine(41, kLow, 41, kHigh),
                                          QLine(41, kHigh, 82, kHigh)}));
    // Scrolled to column 6: step 3 is high again, with a low first level it is low.
    EXPECT_EQ(tracePreview(row({3, 4, 5}, false), grid(6)).steps, (QList<QLine>{QLine(0, kLow, 41, kLow)}));
}

TEST(ScenarioPreview, HiddenEmptyStepDrawsNothing)
{
    PreviewTrace trace = tracePreview(row({3}, true, true), grid(6));
    EXPECT_TRUE(trace.steps.isEmpty());
    EXPECT_TRUE(trace.loop.isEmpty());
}

TEST(ScenarioPreview, RepeatingRowJumpsBackWithArrowWhileColumnFourIsInView)
{
    const int x4 = 3 * 41;
    PreviewTrace trace = tracePreview(row({2, 2}, false, true), grid(1));
    EXPECT_EQ(trace.steps.size(), 4); // two levels, the jump between and the jump after the last
    EXPECT_EQ(trace.steps.last(), QLine(x4 + 82, kHigh, x4 + 82, kLow));
    EXPECT_EQ(trace.loop, (QList<QLine>{QLine(x4 + 82, kMiddle, x4, kMiddle), QLine(x4, kMiddle, x4 + 12, kMiddle + 3),
                                         QLine(x4 + 12, kMiddle + 3, x4 + 12, kMiddle - 3),
                                         QLine(x4 + 12, kMiddle - 3, x4, kMiddle)}));
    // Scrolled past column 4: the line back runs out of view and has no arrow head.
    PreviewTrace scrolled = tracePreview(row({2, 2}, false, true), grid(5));
    ASSERT_EQ(scrolled.loop.size(), 1);
    EXPECT_EQ(scrolled.loop.first(), QLine(41, kMiddle, -41, kMiddle));
}

TEST(ScenarioPreview, SixteenStepsEndWithoutJumpAtTheLastColumn)
{
    PreviewRow full = row({}, true, true);
    full.durations.fill(1);
    PreviewTrace trace = tracePreview(full, grid(1));
    EXPECT_EQ(trace.steps.size(), 16 + 15);
    EXPECT_EQ(trace.steps.last().dy(), 0);
}

TEST(ScenarioPreview, PaintsBlueStepsAndMaroonLoop)
{
    QImage image(41 * 20, 28, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPreview(painter, tracePreview(row({2, 2}, true, true), grid(1)));
    painter.end();
    EXPECT_EQ(image.pixelColor(3 * 41 + 20, kHigh), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(3 * 41 + 30, kMiddle), QColor(128, 0, 0));
}
