// The live plots against vrm530-sim: the series follow the simulated
// controller from the readings the poller makes anyway.
#include <QAction>
#include <QFile>
#include <QLineSeries>
#include <QPushButton>

#include "e2e/EndToEndFixture.h"
#include "model/Cp1251.h"
#include "session/ControllerSession.h"
#include "session/LiveSeries.h"
#include "ui/LivePlotWindow.h"

using namespace vrm;
using namespace vrm::test;

namespace {

double lastValue(const QLineSeries* series)
{
    return series->count() > 0 ? series->at(series->count() - 1).y() : -1;
}

} // namespace

TEST_F(EndToEnd, PlotSeriesReceiveTheSimulatorsChangingSupply)
{
    start();
    form_->findChild<QAction*>(QStringLiteral("LivePlots"))->trigger();
    auto* window = form_->findChild<LivePlotWindow*>(QStringLiteral("LivePlotWindow"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    QLineSeries* supply = window->series(PlotChannel::Supply);
    QLineSeries* battery = window->series(PlotChannel::Battery);

    simulator(QStringLiteral("supply 123"));
    simulator(QStringLiteral("battery 64"));
    EXPECT_TRUE(waitUntil([&] { return qFuzzyCompare(lastValue(supply), 12.3); }, 4000)) << lastValue(supply);
    EXPECT_TRUE(waitUntil([&] { return qFuzzyCompare(lastValue(battery), 64.0); }, 4000)) << lastValue(battery);
    simulator(QStringLiteral("supply 131"));
    EXPECT_TRUE(waitUntil([&] { return qFuzzyCompare(lastValue(supply), 13.1); }, 4000)) << lastValue(supply);

    const auto& samples = form_->session()->liveSeries().samples();
    // Paused, the picture stays as it was while the readings go on.
    window->findChild<QPushButton*>(QStringLiteral("PlotPause"))->click();
    EXPECT_TRUE(window->paused());
    const int shownPoints = supply->count();
    simulator(QStringLiteral("supply 99"));
    waitUntil([] { return false; }, 1500);
    EXPECT_TRUE(qFuzzyCompare(lastValue(supply), 13.1));
    EXPECT_EQ(supply->count(), shownPoints);
    EXPECT_TRUE(qFuzzyCompare(samples.back().supply, 9.9));

    // The shown span as CSV, both supply values in it.
    const QString csvPath = dir_.filePath(QStringLiteral("plots.csv"));
    ASSERT_TRUE(window->exportCsv(csvPath));
    QFile csv(csvPath);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList lines = fromCp1251(csv.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Время;Напряжение питания, В;Заряд аккумулятора, %")));
    EXPECT_TRUE(lines[0].contains(QStringLiteral(";Вход 1, ")));
    EXPECT_TRUE(lines.filter(QStringLiteral(";12.3;64;")).size() > 0);
    EXPECT_TRUE(lines.filter(QStringLiteral(";13.1;64;")).size() > 0);
    EXPECT_EQ(lines.size() - 1, supply->count());
}
