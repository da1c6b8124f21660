// The window at its first start on a laptop screen: every page, in both
// languages, shows without a sideways scroll bar and without a control cut
// off, and the status page shows whole. ctest runs these tests once per
// screen size, on an offscreen screen of that size (tests/CMakeLists.txt and
// tests/ui/screens/). With VRM_WINDOW_GRABS
// set to a folder, each page is written there as a PNG for a look.
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <optional>

#include "tests/ui/EnglishInterface.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/TForm1.h"
#include "ui/UserSettings.h"

using namespace vrm;
using namespace vrm::test;

namespace {

// The size of the offscreen screen that QT_QPA_PLATFORM's configuration file
// declares ("offscreen:configfile=laptop-1366x768.json").
std::optional<QSize> configuredScreen()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QString option = QStringLiteral("configfile=");
    const qsizetype at = platform.indexOf(option);
    if (at < 0)
        return std::nullopt;
    QFile file(platform.mid(at + option.size()).section(QLatin1Char(':'), 0, 0));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject screen = QJsonDocument::fromJson(file.readAll())[QStringLiteral("screens")][0].toObject();
    return QSize(screen[QStringLiteral("width")].toInt(), screen[QStringLiteral("height")].toInt());
}

bool insideItemView(const QWidget* w)
{
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractItemView*>(p))
            return true;
    }
    return false;
}

// A scroll bar, its container or a corner of a scroll area: the area's own
// frame, which lies where the area does.
bool isScrollAreaPart(const QWidget* w)
{
    auto* area = qobject_cast<const QAbstractScrollArea*>(w->parentWidget());
    return qobject_cast<const QScrollBar*>(w) || (area && w != area->viewport());
}

// The scroll area whose viewport shows `w`, null when none does.
QAbstractScrollArea* scrollAreaOf(const QWidget* w, const QWidget* stopAt)
{
    for (const QWidget* p = w->parentWidget(); p && p != stopAt; p = p->parentWidget()) {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(p->parentWidget()); area && area->viewport() == p)
            return area;
    }
    return nullptr;
}

// No scroll area of the shown page scrolls sideways, and every visible widget
// of it lies, across, inside the viewport that shows it, or inside the window
// where no viewport does.
void expectNothingCutOff(TForm1& window, QWidget* pageScroll, const std::string& where)
{
    QList<QWidget*> widgets = pageScroll->findChildren<QWidget*>();
    widgets.prepend(pageScroll);
    for (QWidget* w : widgets) {
        if (!w->isVisible() || w->width() <= 0 || insideItemView(w) || isScrollAreaPart(w))
            continue;
        const std::string name = where + " " + w->metaObject()->className() + " '" + w->objectName().toStdString() + "'";
        if (auto* area = qobject_cast<QAbstractScrollArea*>(w); area && !qobject_cast<QAbstractItemView*>(w)) {
            EXPECT_FALSE(area->horizontalScrollBar()->isVisible()) << name << " scrolls sideways";
        }
        if (QAbstractScrollArea* area = scrollAreaOf(w, &window)) {
            // Scrolled out of sight up or down is fine, across it is not.
            const int left = w->mapTo(area->viewport(), QPoint(0, 0)).x();
            EXPECT_GE(left, 0) << name << " is cut off on the left";
            EXPECT_LE(left + w->width(), area->viewport()->width())
                << name << " is cut off on the right (" << left + w->width() << " > "
                << area->viewport()->width() << ")";
        } else {
            const QRect inWindow(w->mapTo(&window, QPoint(0, 0)), w->size());
            EXPECT_TRUE(window.rect().contains(inWindow)) << name << " lies outside the window";
        }
    }
}

void walkEveryPage(const QSize screen, const char* language)
{
    WorkingFolder folder;
    userSettings()->clear(); // the first start: the default size
    TForm1 window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.buildAllPageGroups();
    QApplication::processEvents();

    const QRect available = window.screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window.frameGeometry()))
        << "the window reaches beyond the screen: " << window.frameGeometry().width() << " x "
        << window.frameGeometry().height();
    QTreeWidget* tree = window.pageTree();
    EXPECT_FALSE(tree->horizontalScrollBar()->isVisible()) << "the page tree scrolls sideways";
    // A laptop screen has room for every tree text whole.
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QRect node = tree->visualItemRect(*it);
        EXPECT_LE(node.left() + tree->fontMetrics().horizontalAdvance((*it)->text(0)), tree->viewport()->width())
            << language << ": the tree elides \"" << (*it)->text(0).toStdString() << '"';
    }

    auto* pageScroll = window.findChild<QScrollArea*>(QStringLiteral("PageScroll"));
    auto* stack = window.findChild<QStackedWidget*>(QStringLiteral("PageArea"));
    ASSERT_NE(pageScroll, nullptr);
    ASSERT_NE(stack, nullptr);
    const QString grabs = qEnvironmentVariable("VRM_WINDOW_GRABS");
    for (int page = 0; page < PageTree::kPageCount; ++page) {
        window.selectPage(page);
        QApplication::processEvents();
        const std::string where = std::to_string(screen.width()) + "x" + std::to_string(screen.height()) + " "
                                  + language + " page " + std::to_string(page);
        EXPECT_FALSE(pageScroll->horizontalScrollBar()->isVisible())
            << where << " scrolls sideways: it needs " << stack->currentWidget()->minimumSizeHint().width()
            << " of " << pageScroll->viewport()->width();
        if (page == 0) {
            EXPECT_FALSE(pageScroll->verticalScrollBar()->isVisible())
                << where << " is not whole: it needs " << stack->currentWidget()->minimumSizeHint().height()
                << " of " << pageScroll->viewport()->height();
        }
        expectNothingCutOff(window, pageScroll, where);
        if (!grabs.isEmpty()) {
            const QString name = QStringLiteral("laptop-%1x%2-%3-page%4.png")
                                     .arg(screen.width())
                                     .arg(screen.height())
                                     .arg(QString::fromLatin1(language))
                                     .arg(page, 2, 10, QLatin1Char('0'));
            EXPECT_TRUE(window.grab().save(QDir(grabs).filePath(name)));
        }
    }
}

class LaptopScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::optional<QSize> screen = configuredScreen();
        if (!screen)
            GTEST_SKIP() << "runs on the laptop screens that ctest configures (QT_QPA_PLATFORM=offscreen:configfile=...)";
        // The offscreen screen is the one configured: else the walk proves nothing.
        ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().size(), *screen);
        screen_ = *screen;
    }
    QSize screen_;
};

} // namespace

TEST_F(LaptopScreen, EveryRussianPageFitsTheWindowAtItsFirstSize)
{
    walkEveryPage(screen_, "ru");
}

TEST_F(LaptopScreen, EveryEnglishPageFitsTheWindowAtItsFirstSize)
{
    EnglishInterface english;
    ASSERT_TRUE(english.installed());
    walkEveryPage(screen_, "en");
}
