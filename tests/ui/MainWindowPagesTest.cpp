// The page tree and page switching: the page left is stored, the page entered
// prepared and shown, and page 47 takes six device actions away.
#include <QAction>
#include <QLabel>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "tests/ui/MainWindowFixture.h"
#include "ui/PageTree.h"
#include "ui/TForm1.h"
#include "ui/pages/DeferredPageGroup.h"
#include "ui/pages/PageGroup.h"

using namespace vrm;
using namespace vrm::test;

namespace {

// Serves its pages with one panel and logs every call the window makes.
class RecordingGroup : public PageGroup {
public:
    RecordingGroup(PageHost& host, QList<int> pages, QStringList& log)
        : PageGroup(host), pages_(std::move(pages)), log_(log)
    {
        panel_ = new QWidget;
        panel_->setObjectName(QStringLiteral("RecordingPanel"));
        title_ = new QLabel(panel_);
        (new QVBoxLayout(panel_))->addWidget(title_);
    }
    ~RecordingGroup() override
    {
        if (!panel_->parent())
            delete panel_;
    }
    QList<int> pages() const override { return pages_; }
    QWidget* panel(int) override { return panel_; }
    QLabel* titleLabel(int) override { return title_; }
    // As the outputs overview answers: page 29 holds no image field.
    bool hasStoreStep(int page) const override { return page != 29; }
    void enter(int page) override { log_ << QStringLiteral("enter %1").arg(page); }
    // Stores into the window's image; one into a copy (the unsaved mark looking
    // at the controls) changes nothing and is not a step.
    void store(int page, ConfigImage& image) override
    {
        if (&image == &host().image())
            log_ << QStringLiteral("store %1").arg(page);
    }
    void show(int page, const ConfigImage&) override { log_ << QStringLiteral("show %1").arg(page); }

    QWidget* panel_ = nullptr;
    QLabel* title_ = nullptr;

private:
    QList<int> pages_;
    QStringList& log_;
};

// The tree's nodes in pre-order: a node's position is its page index.
QList<QTreeWidgetItem*> nodes(QTreeWidget* tree)
{
    QList<QTreeWidgetItem*> all;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        all << *it;
    return all;
}

QAction* action(TForm1& window, const char* name)
{
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

const char* const kSixDeviceActions[] = {"Programm", "ReadConf", "CompareConf", "Reconfigurate", "Reset",
                                         "FactoryConfig"};

bool sixEnabled(TForm1& window, bool enabled)
{
    for (const char* name : kSixDeviceActions) {
        if (action(window, name)->isEnabled() != enabled)
            return false;
    }
    return true;
}

} // namespace

TEST(MainWindowPages, TreeHoldsTheFortyEightPagesInTheirLevels)
{
    WorkingFolder folder;
    TForm1 window;
    const QList<QTreeWidgetItem*> all = nodes(window.pageTree());
    ASSERT_EQ(all.size(), 48);

    struct Case {
        int page;
        const char* text;
        int parent; // -1: a top-level node
    };
    const Case cases[] = {
        {0, "GSM контроллер VRM530", -1},
        {1, "Общие параметры соединений", 0},
        {9, "Соединение 8", 1},
        {13, "Сервер 3", 10},
        {15, "Питание, температура, индикация, контроль вскрытия", 0},
        {19, "Периметр 4", 0},
        {28, "Вход 8", 20},
        {31, "Реле 2", 29},
        {36, "Выход 5", 29},
        {37, "Сценарии управления", 29},
        {46, "Профиль 8", 38},
        {47, "Системные параметры", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        QTreeWidgetItem* node = all.at(c.page);
        EXPECT_EQ(node->text(0), QString::fromUtf8(c.text));
        EXPECT_EQ(node->parent() ? all.indexOf(node->parent()) : -1, c.parent);
        EXPECT_TRUE(!node->parent() || node->parent()->isExpanded());
    }
    EXPECT_EQ(window.pageTree()->editTriggers(), QAbstractItemView::NoEditTriggers);
}

// Counts windows shown, other than the main window.
struct WindowShowCounter : QObject {
    QWidget* mainWindow = nullptr;
    QStringList shown;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow() && widget != mainWindow)
            shown << QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') + widget->objectName();
        return false;
    }
};

TEST(MainWindowPages, SettingsPagesAreBuiltAfterTheStartUp)
{
    WorkingFolder folder;
    TForm1 window;
    WindowShowCounter windows;
    windows.mainWindow = &window;
    qApp->installEventFilter(&windows);
    // An input, a relay, the key grid, a connection: none of them is built with the window...
    const char* controls[] = {"ComboBoxSensName", "ComboBoxReleName", "StringGridPerimTouch", "MaskEditPhone"};
    for (const char* name : controls)
        EXPECT_EQ(window.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    // ...a page opened at once builds its group on the spot...
    window.selectPage(21);
    EXPECT_NE(window.findChild<QWidget*>(QStringLiteral("ComboBoxSensName")), nullptr);
    // ...and the others are built in idle time once the window runs.
    for (int page : {30, 16, 2}) {
        auto* group = dynamic_cast<DeferredPageGroup*>(window.pageGroup(page));
        ASSERT_NE(group, nullptr) << page;
        EXPECT_TRUE(waitFor([&] { return group->built(); })) << page;
    }
    // Building a page shows nothing by itself (it would take the focus from the window).
    qApp->removeEventFilter(&windows);
    EXPECT_EQ(windows.shown.join(QStringLiteral(", ")), QString());
    for (int page : {30, 16, 2}) {
        window.selectPage(page);
        EXPECT_EQ(window.shownPage(), page);
    }
}

TEST(MainWindowPages, EveryPageIsLaidOutInIdleTimeBeforeItsFirstVisit)
{
    WorkingFolder folder;
    TForm1 window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    WindowShowCounter windows;
    windows.mainWindow = &window;
    qApp->installEventFilter(&windows);
    auto* stack = window.findChild<QStackedWidget*>(QStringLiteral("PageArea"));
    ASSERT_NE(stack, nullptr);
    // Polished and as large as the page area: a first visit has nothing
    // left to do but show it.
    const auto ready = [&](int page) {
        QWidget* panel = window.pageGroup(page)->panel(page);
        return panel && panel->testAttribute(Qt::WA_WState_Polished) && panel->size() == stack->size();
    };
    int notReady = -1;
    EXPECT_TRUE(waitFor(
        [&] {
            for (int page = 1; page < PageTree::kPageCount; ++page) {
                if (!ready(page)) {
                    notReady = page;
                    return false;
                }
            }
            return true;
        },
        15000))
        << "page " << notReady << " is not ready: panel "
        << window.pageGroup(notReady)->panel(notReady)->width() << "x"
        << window.pageGroup(notReady)->panel(notReady)->height() << ", page area " << stack->width() << "x"
        << stack->height() << ", polished "
        << window.pageGroup(notReady)->panel(notReady)->testAttribute(Qt::WA_WState_Polished);
    qApp->removeEventFilter(&windows);
    EXPECT_EQ(windows.shown.join(QStringLiteral(", ")), QString());
    EXPECT_EQ(window.shownPage(), 0);
    EXPECT_EQ(stack->currentWidget(), window.pageGroup(0)->panel(0));
    EXPECT_TRUE(stack->currentWidget()->isVisible());
}

TEST(MainWindowPages, SwitchingStoresThePageLeftAndShowsThePageEntered)
{
    WorkingFolder folder;
    QStringList log;
    RecordingGroup* recorder = nullptr;
    TForm1 window([&](PageHost& host) {
        std::vector<std::unique_ptr<PageGroup>> groups;
        auto group = std::make_unique<RecordingGroup>(host, QList<int>{2, 3, 29, 47}, log);
        recorder = group.get();
        groups.push_back(std::move(group));
        return groups;
    });
    ASSERT_NE(recorder, nullptr);
    const QList<QTreeWidgetItem*> all = nodes(window.pageTree());
    auto* stack = window.findChild<QStackedWidget*>(QStringLiteral("PageArea"));
    ASSERT_NE(stack, nullptr);

    struct Step {
        int page;
        QStringList calls;
        const char* title;
    };
    const Step steps[] = {
        {2, {"enter 2", "show 2"}, "Соединение 1"},            // page 0 stores nothing
        {3, {"store 2", "enter 3", "show 3"}, "Соединение 2"}, // one connection to the next
        {29, {"store 3", "enter 29"}, "Выходы"},              // 29 has no show step
        {47, {"enter 47", "show 47"}, "Системные параметры"}, // and no store step
        {2, {"store 47", "enter 2", "show 2"}, "Соединение 1"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.page);
        log.clear();
        window.pageTree()->setCurrentItem(all.at(step.page)); // as a click on the node
        EXPECT_EQ(log, step.calls);
        EXPECT_EQ(window.shownPage(), step.page);
        EXPECT_EQ(stack->currentWidget(), recorder->panel_);
        EXPECT_EQ(recorder->title_->text(), QString::fromUtf8(step.title));
    }

    // Leaving for a page of another group brings that group's panel forward.
    log.clear();
    window.selectPage(14);
    EXPECT_EQ(log, QStringList{"store 2"});
    EXPECT_NE(stack->currentWidget(), recorder->panel_);
    EXPECT_EQ(stack->currentWidget()->objectName(), QStringLiteral("Panel2"));

    // Store and show of the shown page on behalf of an operation.
    window.selectPage(3);
    log.clear();
    window.storeAndShowShownPage();
    EXPECT_EQ(log, (QStringList{"store 3", "show 3"}));
}

TEST(MainWindowPages, PageFortySevenTakesTheSixDeviceActionsAway)
{
    WorkingFolder folder;
    TForm1 window;
    ASSERT_TRUE(waitFor([&] { return action(window, "ComPortConfig")->isEnabled(); }));
    ASSERT_TRUE(sixEnabled(window, true));

    window.selectPage(47);
    EXPECT_TRUE(sixEnabled(window, false));
    for (const char* name : {"ComPortConfig", "FileSave1", "FileOpen1", "FileNew1", "ReadIMEICode", "Abaut"})
        EXPECT_TRUE(action(window, name)->isEnabled()) << name;

    // Page 47's own transfers lock and unlock the controller actions: the six
    // stay away while the page is shown.
    window.setControllerActionsEnabled(false);
    window.setControllerActionsEnabled(true);
    EXPECT_TRUE(sixEnabled(window, false));
    EXPECT_TRUE(action(window, "ComPortConfig")->isEnabled());

    window.selectPage(1);
    EXPECT_TRUE(sixEnabled(window, true));

    // Leaving page 47 while an operation holds the lock does not unlock them.
    window.selectPage(47);
    window.setControllerActionsEnabled(false);
    window.selectPage(0);
    EXPECT_TRUE(sixEnabled(window, false));
    window.setControllerActionsEnabled(true);
    EXPECT_TRUE(sixEnabled(window, true));
}
