// The main window as a desktop application: it resizes with every page laid
// out whole, comes back where it was left, names its file in the title, asks
// before losing changes to a named file, and opens files given on the command
// line, dropped on it or chosen from the recent files.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>

#include "model/ConfigFile.h"
#include "model/FactoryImage.h"
#include "session/ControllerSession.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/FileDrop.h"
#include "ui/OpenDocument.h"
#include "ui/RecentFiles.h"
#include "ui/StartupFile.h"
#include "ui/TForm1.h"
#include "ui/UserSettings.h"
#include "ui/WindowGeometry.h"

using namespace vrm;
using namespace vrm::test;

namespace {

const QString kCaption = QStringLiteral("Конфигуратор GSM контроллера VRM530");

// A byte of the main block that the signature and the password do not touch.
constexpr int kMarkerOffset = 100;

// Each test starts without saved window settings or recent files.
class DesktopWindow : public ::testing::Test {
protected:
    void SetUp() override { userSettings()->clear(); }

    // A valid configuration file in the working folder, marked with `marker`.
    QString configurationFile(const QString& name, uint8_t marker)
    {
        ConfigImage image = buildFactoryImage();
        image.setByte(kMarkerOffset, marker);
        const QString path = folder.file(name);
        EXPECT_EQ(writeConfigFile(path, image), 0);
        return path;
    }

    WorkingFolder folder;
    ModalScript script;
};

// Controls a page lays out itself; what an item view places in its cells and
// corners is the view's own.
bool isControl(const QWidget* w)
{
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const QAbstractItemView*>(p))
            return false;
    }
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w)
           || qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
           || (qobject_cast<const QLineEdit*>(w) && !qobject_cast<const QComboBox*>(w->parentWidget())
               && !qobject_cast<const QAbstractSpinBox*>(w->parentWidget()));
}

// The area a control must lie in: its page, or the contents of the scroll area
// inside the page that carries it (which scrolls vertically, never sideways).
QRect frameOf(QWidget* control, QWidget* panel, QWidget** frame)
{
    *frame = panel;
    for (QWidget* p = control->parentWidget(); p && p != panel; p = p->parentWidget()) {
        if (auto* scroll = qobject_cast<QScrollArea*>(p)) {
            *frame = scroll->widget();
            QRect area = scroll->widget()->rect();
            area.setWidth(std::min(area.width(), scroll->viewport()->width()));
            return area;
        }
    }
    return panel->rect();
}

// Every visible control of the shown page lies inside the page, is not
// squeezed below its minimum, and covers no visible sibling control.
void expectPageLaidOut(QWidget* panel, const std::string& where)
{
    std::vector<QWidget*> controls;
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        if (w->isVisibleTo(panel) && isControl(w) && w->width() > 0 && w->height() > 0)
            controls.push_back(w);
    }
    EXPECT_FALSE(controls.empty()) << where << ": no visible control";
    for (QWidget* w : controls) {
        const std::string name =
            where + " " + w->metaObject()->className() + " '" + w->objectName().toStdString() + "'";
        QWidget* frame = nullptr;
        const QRect area = frameOf(w, panel, &frame);
        const QRect inFrame(w->mapTo(frame, QPoint(0, 0)), w->size());
        EXPECT_TRUE(area.contains(inFrame)) << name << " at (" << inFrame.x() << ", " << inFrame.y() << ") "
                                            << inFrame.width() << " x " << inFrame.height() << " lies outside "
                                            << area.width() << " x " << area.height();
        // A combo box elides and lists its items in full; a fixed width is the page's own choice.
        auto* label = qobject_cast<QLabel*>(w);
        const bool mayBeNarrow = (label && label->wordWrap()) || qobject_cast<QComboBox*>(w)
                                 || w->minimumWidth() == w->maximumWidth();
        if (!mayBeNarrow && w->minimumSizeHint().isValid()) {
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name << " is squeezed";
            // A pixel of height may go to rounding where a wrapped note's
            // height depends on the width it gets; more would cut the text.
            EXPECT_GE(w->height() + 1, std::min(w->minimumSizeHint().height(), w->sizeHint().height()))
                << name << " is squeezed";
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            QWidget* a = controls[i];
            QWidget* b = controls[j];
            if (a->parentWidget() != b->parentWidget())
                continue;
            EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                << where << ": '" << a->objectName().toStdString() << "' (" << a->metaObject()->className()
                << ") overlaps '" << b->objectName().toStdString() << "' (" << b->metaObject()->className() << ")";
        }
    }
}

} // namespace

TEST_F(DesktopWindow, EveryPageIsLaidOutWholeInASmallAndALargeWindow)
{
    TForm1 window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* stack = window.findChild<QStackedWidget*>(QStringLiteral("PageArea"));
    auto* scroll = window.findChild<QScrollArea*>(QStringLiteral("PageScroll"));
    ASSERT_NE(stack, nullptr);
    ASSERT_NE(scroll, nullptr);
    for (const QSize size : {QSize(800, 600), QSize(1600, 1000)}) {
        window.resize(size);
        QApplication::processEvents();
        ASSERT_EQ(window.size(), size) << "the window refuses " << size.width() << " x " << size.height();
        for (int page = 0; page < PageTree::kPageCount; ++page) {
            window.selectPage(page);
            QApplication::processEvents();
            QWidget* panel = stack->currentWidget();
            ASSERT_NE(panel, nullptr);
            const std::string where =
                std::to_string(size.width()) + "x" + std::to_string(size.height()) + " page " + std::to_string(page);
            // The page gets at least the room it needs: a window too small for it scrolls.
            EXPECT_GE(panel->width(), panel->minimumSizeHint().width()) << where;
            EXPECT_GE(panel->height(), panel->minimumSizeHint().height()) << where;
            expectPageLaidOut(panel, where);
            if (const QString grabs = qEnvironmentVariable("VRM_WINDOW_GRABS"); !grabs.isEmpty()) {
                const QString name =
                    QStringLiteral("window-%1x%2-page%3.png").arg(size.width()).arg(size.height()).arg(page);
                EXPECT_TRUE(window.grab().save(QDir(grabs).filePath(name)));
            }
        }
        if (size.width() >= 1600) {
            // A large window gives its room to the pages.
            EXPECT_GE(scroll->viewport()->width(), 1600 - window.pageTree()->width() - 40);
        }
    }
}

// The test screen (offscreen, 800 x 800) is narrower than the tree's texts and the pages
// together: the tree gives up width and elides, never scrolling sideways (the
// laptop screens, with room for every text, are LaptopScreenTest's).
TEST_F(DesktopWindow, OnANarrowScreenTheTreeElidesWithTheWholeTextAsToolTip)
{
    TForm1 window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTreeWidget* tree = window.pageTree();
    EXPECT_FALSE(tree->horizontalScrollBar()->isVisible()) << "the tree scrolls sideways";
    EXPECT_GE(tree->width(), kLeastTreeWidth);
    // With VRM_WINDOW_GRABS set to a folder, the window at its default size is
    // written there for a look (run with QT_SCALE_FACTOR=2 for a scaled screen).
    if (const QString grabs = qEnvironmentVariable("VRM_WINDOW_GRABS"); !grabs.isEmpty()) {
        const QString name = QStringLiteral("window-%1x%2-scale%3.png")
                                 .arg(window.width())
                                 .arg(window.height())
                                 .arg(window.devicePixelRatio());
        EXPECT_TRUE(window.grab().save(QDir(grabs).filePath(name)));
    }
    int elided = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QRect node = tree->visualItemRect(*it);
        if (node.left() + tree->fontMetrics().horizontalAdvance((*it)->text(0)) > tree->viewport()->width()) {
            ++elided;
            EXPECT_EQ((*it)->toolTip(0), (*it)->text(0));
        }
    }
    EXPECT_GT(elided, 0) << "nothing elided: the screen is not narrow enough for this test";
}

// The first size, from the screen's available area: the pages get their room,
// the tree the width of its texts, and on a narrow screen the tree gives up width.
TEST(WindowGeometry, TheFirstSizeFollowsTheScreen)
{
    const WindowParts parts{400, QSize(4, 73)};
    struct Case {
        const char* what;
        QRect available;
        QSize size;
        int treeWidth;
    };
    const Case cases[] = {
        {"a large screen: all that is wanted", QRect(0, 0, 1920, 1040), QSize(1164, 673), 400},
        {"1366 x 768", QRect(0, 0, 1366, 768), QSize(1164, 673), 400},
        {"1280 x 720: as tall as the frame allows", QRect(0, 0, 1280, 720), QSize(1164, 672), 400},
        {"1280 x 690 beside a panel", QRect(0, 30, 1280, 690), QSize(1164, 642), 400},
        {"1024 x 600: the tree gives up width", QRect(0, 0, 1024, 600), QSize(1008, 552), 244},
        {"800 x 600: the tree at its least width", QRect(0, 0, 800, 600), QSize(784, 552), kLeastTreeWidth},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const FirstWindowLayout first = firstWindowLayout(c.available, parts);
        EXPECT_EQ(first.geometry.size(), c.size);
        EXPECT_EQ(first.geometry.center(), c.available.center());
        EXPECT_EQ(first.treeWidth, c.treeWidth);
    }
}

TEST_F(DesktopWindow, SizePlaceAndSplitterComeBackAtTheNextStart)
{
    const QRect placed(40, 30, 760, 520);
    {
        TForm1 window;
        window.setGeometry(placed);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_TRUE(waitFor([&] { return window.closeAllowed(); }));
        window.splitter()->setSizes({300, placed.width() - 300 - window.splitter()->handleWidth()});
        QApplication::processEvents();
        ASSERT_EQ(window.splitter()->sizes().constFirst(), 300);
        ASSERT_TRUE(window.close());
    }
    TForm1 again;
    EXPECT_EQ(again.geometry(), placed);
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    EXPECT_EQ(again.splitter()->sizes().constFirst(), 300);
}

TEST(WindowGeometry, ASavedPlaceIsKeptOnlyWhereAScreenHoldsIt)
{
    const QList<QRect> screens{QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1024)};
    struct Case {
        const char* what;
        QRect saved;
        QRect expected;
    };
    const Case cases[] = {
        {"on the primary screen", QRect(100, 50, 900, 600), QRect(100, 50, 900, 600)},
        {"on the second screen", QRect(2000, 100, 900, 600), QRect(2000, 100, 900, 600)},
        {"on a screen since removed", QRect(3400, 100, 900, 600), QRect(510, 220, 900, 600)},
        {"across both screens", QRect(1500, 100, 900, 600), QRect(510, 220, 900, 600)},
        {"larger than any screen", QRect(0, 0, 2500, 1400), QRect(0, 0, 1920, 1040)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(fittedGeometry(c.saved, screens), c.expected);
    }
}

TEST_F(DesktopWindow, TitleNamesTheFileAndMarksUnsavedChanges)
{
    const QString path = configurationFile(QStringLiteral("site.cnt"), 0x31);
    TForm1 window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("default.cnt — ") + kCaption);
    ASSERT_TRUE(window.openConfigurationFile(path));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("site.cnt — ") + kCaption);

    window.image().setByte(kMarkerOffset, 0x32);
    window.document()->refresh();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("site.cnt* — ") + kCaption);

    window.image().setByte(kMarkerOffset, 0x31); // back as the file has it
    window.document()->refresh();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("site.cnt — ") + kCaption);
}

TEST_F(DesktopWindow, AnEditInTheShownPageCountsAsAChange)
{
    const QString path = configurationFile(QStringLiteral("site.cnt"), 0x31);
    TForm1 window;
    window.show();
    ASSERT_TRUE(window.openConfigurationFile(path));
    window.selectPage(1);
    QApplication::processEvents();
    // The first line edit of the common connection parameters, typed into.
    auto* stack = window.findChild<QStackedWidget*>(QStringLiteral("PageArea"));
    QLineEdit* edit = nullptr;
    for (QLineEdit* candidate : stack->currentWidget()->findChildren<QLineEdit*>()) {
        if (candidate->isVisible() && candidate->isEnabled() && !candidate->isReadOnly()
            && !qobject_cast<QComboBox*>(candidate->parentWidget())) {
            edit = candidate;
            break;
        }
    }
    ASSERT_NE(edit, nullptr);
    const ConfigImage before = window.image();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, edit->text() == QStringLiteral("1") ? QStringLiteral("2") : QStringLiteral("1"));
    window.document()->refresh();
    EXPECT_TRUE(window.document()->modified());
    EXPECT_TRUE(window.image() == before) << "looking for changes must not store into the image";
}

TEST_F(DesktopWindow, ClosingWithUnsavedChangesToANamedFileAsks)
{
    struct Case {
        const char* what;
        QMessageBox::StandardButton answer;
        bool closes;
        uint8_t fileMarker; // in site.cnt afterwards
    };
    const Case cases[] = {
        {"save", QMessageBox::Save, true, 0x32},
        {"discard", QMessageBox::Discard, true, 0x31},
        {"cancel", QMessageBox::Cancel, false, 0x31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = configurationFile(QStringLiteral("site.cnt"), 0x31);
        TForm1 window;
        ASSERT_TRUE(waitFor([&] { return window.closeAllowed(); }));
        ASSERT_TRUE(window.openConfigurationFile(path));
        window.image().setByte(kMarkerOffset, 0x32);
        script.messages.clear();
        script.thenMessage(c.answer);
        EXPECT_EQ(window.close(), c.closes);
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(script.unexpected, 0);
        ASSERT_EQ(script.messages.size(), 1u);
        EXPECT_EQ(script.messages[0].text,
                  QStringLiteral("Конфигурация изменена. Сохранить изменения в файле \"site.cnt\"?"));
        ConfigImage reread = buildFactoryImage();
        ASSERT_EQ(readConfigFile(path, reread), LoadResult::Loaded);
        EXPECT_EQ(reread.byte(kMarkerOffset), c.fileMarker);
        // The working file keeps its automatic save whenever the window closes.
        if (c.closes) {
            ConfigImage working = buildFactoryImage();
            ASSERT_EQ(readConfigFile(folder.file("default.cnt"), working), LoadResult::Loaded);
            EXPECT_EQ(working.byte(kMarkerOffset), 0x32);
        }
    }
}

TEST_F(DesktopWindow, ClosingTheWorkingFileOrAnUnchangedFileAsksNothing)
{
    const QString path = configurationFile(QStringLiteral("site.cnt"), 0x31);
    for (bool named : {false, true}) {
        SCOPED_TRACE(named ? "unchanged named file" : "changed working file");
        TForm1 window;
        ASSERT_TRUE(waitFor([&] { return window.closeAllowed(); }));
        if (named) {
            ASSERT_TRUE(window.openConfigurationFile(path));
        } else {
            window.image().setByte(kMarkerOffset, 0x44);
        }
        EXPECT_TRUE(window.close());
        EXPECT_EQ(script.unexpected, 0);
    }
}

TEST(StartupFile, TheFirstArgumentThatIsNotAnOptionNamesTheFile)
{
    struct Case {
        QStringList arguments;
        QString file;
    };
    const Case cases[] = {
        {{"vrm530-config"}, {}},
        {{"vrm530-config", "site.cnt"}, "site.cnt"},
        {{"vrm530-config", "--reverse", "/tmp/a b.cnt", "other.cnt"}, "/tmp/a b.cnt"},
        {{"vrm530-config", "file:///tmp/a%20b.cnt"}, "/tmp/a b.cnt"},
        {{"vrm530-config", "--", "-dash.cnt"}, "-dash.cnt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(startupFile(c.arguments), c.file);
    }
}

TEST_F(DesktopWindow, AFileNamedAtStartOpensAsFromTheMenuWithItsMessages)
{
    const QString path = configurationFile(QStringLiteral("site.cnt"), 0x57);
    ASSERT_TRUE(writeFile(folder.file("foreign.cnt"), "[SomeOtherProgram]"));
    {
        TForm1 window;
        EXPECT_TRUE(window.openConfigurationFile(startupFile({"vrm530-config", "site.cnt"})));
        EXPECT_EQ(window.image().byte(kMarkerOffset), 0x57);
        EXPECT_EQ(window.statusPanel(0), path);
    }
    TForm1 window;
    const ConfigImage before = window.image();
    script.thenMessage();
    EXPECT_FALSE(window.openConfigurationFile(startupFile({"vrm530-config", "foreign.cnt"})));
    EXPECT_TRUE(script.finished());
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].title, QStringLiteral("Открытие файла конфигурации"));
    EXPECT_EQ(script.messages[0].text, QStringLiteral("Неизвестный формат файла"));
    EXPECT_TRUE(window.image() == before);
    EXPECT_EQ(window.statusPanel(0), QStringLiteral("default.cnt"));
}

TEST_F(DesktopWindow, ADroppedConfigurationFileOpens)
{
    const QString path = configurationFile(QStringLiteral("dropped.cnt"), 0x66);
    ASSERT_TRUE(writeFile(folder.file("notes.txt"), "hello"));
    TForm1 window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.acceptDrops());

    auto drop = [&window](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = window.rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &dropped);
        QApplication::processEvents();
        return dropped.isAccepted();
    };
    EXPECT_FALSE(drop({QUrl::fromLocalFile(folder.file("notes.txt"))})) << "only .cnt files are taken";
    EXPECT_FALSE(drop({QUrl::fromLocalFile(path), QUrl::fromLocalFile(path)})) << "one file at a time";
    EXPECT_FALSE(drop({QUrl(QStringLiteral("https://example.com/x.cnt"))})) << "local files only";
    EXPECT_EQ(window.statusPanel(0), QStringLiteral("default.cnt"));

    EXPECT_TRUE(drop({QUrl::fromLocalFile(path)}));
    EXPECT_TRUE(waitFor([&] { return window.statusPanel(0) == path; }));
    EXPECT_EQ(window.image().byte(kMarkerOffset), 0x66);
    EXPECT_EQ(script.unexpected, 0);
}

TEST_F(DesktopWindow, RecentFilesSurviveARestartAndOpenFromTheMenu)
{
    const QString first = configurationFile(QStringLiteral("first.cnt"), 0x01);
    const QString second = configurationFile(QStringLiteral("second.cnt"), 0x02);
    {
        TForm1 window;
        ASSERT_TRUE(window.openConfigurationFile(first));
        ASSERT_TRUE(window.openConfigurationFile(second));
        ASSERT_TRUE(window.openConfigurationFile(first));
    }
    TForm1 window;
    EXPECT_EQ(window.recentFiles()->files(), (QStringList{first, second}));
    auto* menu = window.findChild<QMenu*>(QStringLiteral("RecentFilesMenu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isEnabled());
    QList<QAction*> entries;
    for (QAction* action : menu->actions()) {
        if (!action->data().toString().isEmpty())
            entries << action;
    }
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0]->text(), QStringLiteral("&1 first.cnt"));
    EXPECT_EQ(entries[1]->text(), QStringLiteral("&2 second.cnt"));

    entries[1]->trigger();
    EXPECT_TRUE(waitFor([&] { return window.statusPanel(0) == second; }));
    EXPECT_EQ(window.image().byte(kMarkerOffset), 0x02);
    EXPECT_EQ(window.recentFiles()->files(), (QStringList{second, first}));

    // A file gone since is reported as the open dialog would, and leaves the list.
    ASSERT_TRUE(QFile::remove(first));
    script.thenMessage();
    window.findChild<QMenu*>(QStringLiteral("RecentFilesMenu"))->actions().at(1)->trigger();
    EXPECT_TRUE(waitFor([&] { return script.finished(); }));
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].text, QStringLiteral("Невозможно открыть файл"));
    EXPECT_EQ(window.recentFiles()->files(), QStringList{second});
}

TEST_F(DesktopWindow, SavingPutsTheFileFirstInTheRecentList)
{
    TForm1 window;
    ASSERT_TRUE(waitFor([&] { return window.findChild<QAction*>(QStringLiteral("FileSave1"))->isEnabled(); }));
    script.then(typeFileName(folder.file("saved")));
    window.findChild<QAction*>(QStringLiteral("FileSave1"))->trigger();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(window.recentFiles()->files(), QStringList{folder.file("saved.cnt")});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("saved.cnt — ") + kCaption);
}

TEST_F(DesktopWindow, NothingIsLoadedWhileADeviceOperationRuns)
{
    const QString path = configurationFile(QStringLiteral("site.cnt"), 0x5C);
    TForm1 window;
    window.show();
    ASSERT_TRUE(waitFor([&] { return window.findChild<QAction*>(QStringLiteral("ReadConf"))->isEnabled(); }));
    const ConfigImage before = window.image();
    bool busy = false;
    bool opened = true;
    QTimer::singleShot(0, &window, [&] {
        busy = window.session()->busy();
        opened = window.openConfigurationFile(path);
    });
    window.findChild<QAction*>(QStringLiteral("ReadConf"))->trigger(); // "COM1" is absent: fails after its attempts
    ASSERT_TRUE(busy);
    EXPECT_FALSE(opened);
    EXPECT_TRUE(window.image() == before);
    EXPECT_EQ(window.statusPanel(0), QStringLiteral("default.cnt"));
    // Once the operation has ended, the same file opens.
    EXPECT_TRUE(window.openConfigurationFile(path));
}
