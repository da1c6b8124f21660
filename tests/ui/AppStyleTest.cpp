// The application style paints tall scroll bars and the main tool bar
// without handing work to Qt's worker threads, and still shows a scroll
// bar's groove, handle and arrows where Fusion puts them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QProgressBar>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QToolBar>
#include <memory>

#include "ui/AppStyle.h"

using namespace vrm;

namespace {

// The threads of this process, as the system lists them.
int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

// A tall scroll bar and a wide main window tool bar painted in `style`; the
// threads the process gained meanwhile.
int threadsStartedToPaint(QStyle* style)
{
    const int before = threadCount();
    QScrollBar bar(Qt::Vertical);
    bar.setStyle(style);
    bar.setRange(0, 100);
    bar.setPageStep(20);
    bar.resize(16, 900);
    bar.grab();
    QMainWindow window;
    window.setStyle(style);
    QToolBar* tools = window.addToolBar(QStringLiteral("tools"));
    tools->setStyle(style);
    tools->addAction(QStringLiteral("Программировать"));
    window.resize(1600, 200);
    window.grab();
    QProgressBar progress;
    progress.setStyle(style);
    progress.setRange(0, 100);
    progress.setValue(60);
    progress.resize(600, 24);
    progress.grab();
    return threadCount() - before;
}

} // namespace

TEST(AppStyle, PaintsTallScrollBarsAndTheToolBarOnItsOwnThread)
{
    if (threadCount() == 0)
        GTEST_SKIP() << "no thread list on this system";
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    std::unique_ptr<QStyle> app(newAppStyle());
    // Whatever a first paint sets up is set up before counting.
    QScrollBar warmUp(Qt::Vertical);
    warmUp.setStyle(app.get());
    warmUp.resize(16, 40);
    warmUp.grab();
    // Painted first: worker threads Fusion's painting starts stay alive for a
    // while and would hide the app style's.
    EXPECT_EQ(threadsStartedToPaint(app.get()), 0);
    if (threadsStartedToPaint(fusion.get()) == 0)
        GTEST_SKIP() << "this Qt paints Fusion's scroll bars on one thread too; nothing to compare";
}

TEST(AppStyle, ShowsGrooveHandleAndArrowsWhereFusionPutsThem)
{
    std::unique_ptr<QStyle> style(newAppStyle());
    QScrollBar bar(Qt::Vertical);
    bar.setStyle(style.get());
    bar.setRange(0, 100);
    bar.setPageStep(20);
    bar.setValue(50);
    bar.resize(16, 300);
    const QImage image = bar.grab().toImage();

    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = option.sliderValue = bar.value();
    option.pageStep = bar.pageStep();
    option.singleStep = bar.singleStep();
    option.subControls = QStyle::SC_All;
    const QRect handle = style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar);
    const QRect up = style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, &bar);
    ASSERT_TRUE(handle.height() > 20 && handle.top() > up.bottom()) << "Fusion's geometry is used";

    const QRgb button = bar.palette().color(QPalette::Button).rgb();
    const QRgb groove = bar.palette().color(QPalette::Button).darker(105).rgb();
    EXPECT_EQ(image.pixel(handle.center()), button) << "the handle";
    const QRgb handleTop = image.pixel(handle.center().x(), handle.top());
    EXPECT_EQ(handleTop, image.pixel(handle.topLeft())) << "an outline along the handle's top";
    EXPECT_NE(handleTop, button);
    EXPECT_NE(handleTop, groove);
    const QPoint inGroove(handle.center().x(), (up.bottom() + handle.top()) / 2);
    EXPECT_EQ(image.pixel(inGroove), groove) << "the groove above the handle";
    // Fusion's arrow: darker pixels in the middle of the up button.
    int arrowPixels = 0;
    for (int y = up.top(); y <= up.bottom(); ++y) {
        for (int x = up.left(); x <= up.right(); ++x)
            arrowPixels += qGray(image.pixel(x, y)) < qGray(groove) - 40 ? 1 : 0;
    }
    EXPECT_GT(arrowPixels, 3) << "the up arrow";
}

TEST(AppStyle, FillsAProgressBarUpToItsValue)
{
    std::unique_ptr<QStyle> app(newAppStyle());
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QImage shown[2];
    for (int k = 0; k < 2; ++k) {
        QProgressBar bar;
        bar.setStyle(k == 0 ? app.get() : fusion.get());
        bar.setTextVisible(false);
        bar.setRange(0, 100);
        bar.setValue(60);
        bar.resize(400, 24);
        shown[k] = bar.grab().toImage();
        // With VRM_STYLE_GRABS set to a folder, both bars are written there for a look.
        if (const QString grabs = qEnvironmentVariable("VRM_STYLE_GRABS"); !grabs.isEmpty())
            shown[k].save(QDir(grabs).filePath(k == 0 ? QStringLiteral("progress-app.png") : QStringLiteral("progress-fusion.png")));
    }
    const QImage& image = shown[0];
    const int middle = image.height() / 2;
    // Filled in the highlight's hue up to 60% of the bar, as Fusion fills it; the groove after that.
    const auto isHighlight = [](QRgb pixel) { return qBlue(pixel) > qRed(pixel) + 40; };
    EXPECT_TRUE(isHighlight(image.pixel(100, middle)));
    EXPECT_TRUE(isHighlight(image.pixel(230, middle)));
    EXPECT_FALSE(isHighlight(image.pixel(250, middle)));
    EXPECT_FALSE(isHighlight(image.pixel(390, middle)));
    EXPECT_EQ(isHighlight(shown[1].pixel(230, middle)), isHighlight(image.pixel(230, middle)));
    EXPECT_EQ(isHighlight(shown[1].pixel(250, middle)), isHighlight(image.pixel(250, middle)));
}
