// The "*" in the window title follows what changes the configuration: a
// user's edit of any kind of control, a file loaded or saved, an operation
// that replaces the image. Nothing polls for it: an idle window without a
// controller fires no timer of its own.
#include <QAbstractEventDispatcher>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>

#include "support/TimerEvents.h"
#include "model/ConfigFile.h"
#include "model/FactoryImage.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/OpenDocument.h"
#include "ui/TForm1.h"
#include "ui/UserSettings.h"
#include "ui/pages/PageGroup.h"

using namespace vrm;
using namespace vrm::test;

namespace {

// A byte of the main block that no page of the tests below shows.
constexpr int kMarkerOffset = 100;

QString writeConfiguration(const WorkingFolder& folder, const QString& name,
                           const std::function<void(ConfigImage&)>& change = {})
{
    ConfigImage image = buildFactoryImage();
    if (change)
        change(image);
    const QString path = folder.file(name);
    EXPECT_EQ(writeConfigFile(path, image), 0);
    return path;
}

bool marked(const TForm1& window)
{
    return window.windowTitle().contains(QStringLiteral("* — "));
}

QWidget* shownPanel(TForm1& window)
{
    return window.findChild<QStackedWidget*>(QStringLiteral("PageArea"))->currentWidget();
}

template <class T> T* shown(TForm1& window, const char* name)
{
    return shownPanel(window)->findChild<T*>(QString::fromLatin1(name));
}

// One edit as the user makes it, with mouse or keys, on a page of the window.
struct Edit {
    const char* what;
    int page;
    std::function<void(TForm1&)> make;
};

// The shown page's first line edit open to typing, without a mask.
QLineEdit* firstEdit(TForm1& window)
{
    for (QLineEdit* edit : shownPanel(window)->findChildren<QLineEdit*>()) {
        if (edit->isVisible() && edit->isEnabled() && !edit->isReadOnly() && edit->inputMask().isEmpty()
            && !qobject_cast<QComboBox*>(edit->parentWidget()))
            return edit;
    }
    return nullptr;
}

void typeIntoFirstEdit(TForm1& window)
{
    QLineEdit* edit = firstEdit(window);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, edit->text() == QStringLiteral("1") ? QStringLiteral("2") : QStringLiteral("1"));
}

const Edit kEdits[] = {
    {"text typed", 1, typeIntoFirstEdit},
    {"item chosen", 21,
     [](TForm1& window) {
         auto* box = shown<QComboBox>(window, "ComboBoxSensType");
         ASSERT_NE(box, nullptr);
         QTest::keyClick(box, box->currentIndex() + 1 < box->count() ? Qt::Key_Down : Qt::Key_Up);
     }},
    {"box clicked", 21,
     [](TForm1& window) {
         auto* box = shown<QCheckBox>(window, "CheckBox24HZone");
         ASSERT_NE(box, nullptr);
         QTest::mouseClick(box, Qt::LeftButton);
     }},
    {"track bar moved", 15,
     [](TForm1& window) {
         auto* bar = shown<QSlider>(window, "TrackBarTemperatLowBorder");
         ASSERT_NE(bar, nullptr);
         QTest::keyClick(bar, bar->value() > bar->minimum() ? Qt::Key_Left : Qt::Key_Right);
     }},
    {"grid cell ticked", 14,
     [](TForm1& window) {
         auto* grid = shown<QTableWidget>(window, "StringGrid3");
         ASSERT_NE(grid, nullptr);
         grid->setFocus();
         grid->setCurrentCell(0, 3); // task 1, Monday
         QTest::keyClick(grid, Qt::Key_Space);
     }},
};

class UnsavedMark : public ::testing::Test {
protected:
    void SetUp() override { userSettings()->clear(); }
    WorkingFolder folder;
};

} // namespace

TEST_F(UnsavedMark, EveryKindOfEditMarksTheTitleAndSavingClearsIt)
{
    const QString path = writeConfiguration(folder, QStringLiteral("site.cnt"));
    for (const Edit& edit : kEdits) {
        SCOPED_TRACE(edit.what);
        TForm1 window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_TRUE(waitFor([&] { return window.closeAllowed(); }));
        ASSERT_TRUE(window.openConfigurationFile(path));
        window.selectPage(edit.page);
        QApplication::processEvents();
        ASSERT_FALSE(marked(window)) << "a page shown is no edit";

        const ConfigImage before = window.image();
        edit.make(window);
        QApplication::processEvents();
        EXPECT_TRUE(marked(window)) << window.windowTitle().toStdString();
        EXPECT_TRUE(window.image() == before) << "looking for changes must not store into the image";

        ModalScript script;
        const QString saved = QStringLiteral("saved-page%1").arg(edit.page) + QString::fromLatin1(edit.what).replace(' ', '-');
        script.then(typeFileName(folder.file(saved)));
        window.findChild<QAction*>(QStringLiteral("FileSave1"))->trigger();
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(window.windowTitle().section(QLatin1Char(' '), 0, 0), saved + QStringLiteral(".cnt"));
        EXPECT_FALSE(marked(window));
    }
}

TEST_F(UnsavedMark, TheMarkComparesWithTheFileAndFollowsLoadsAndReplacedImages)
{
    const QString path = writeConfiguration(folder, QStringLiteral("site.cnt"));
    const QString other =
        writeConfiguration(folder, QStringLiteral("other.cnt"), [](ConfigImage& image) { image.setByte(kMarkerOffset, 7); });
    TForm1 window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(window.openConfigurationFile(path));
    window.selectPage(1);
    QApplication::processEvents();

    // Typed and typed back: the controls show the file again.
    QLineEdit* typed = firstEdit(window);
    ASSERT_NE(typed, nullptr);

    typed->setFocus();
    typed->end(false);
    QTest::keyClicks(typed, QStringLiteral("9"));
    QApplication::processEvents();
    EXPECT_TRUE(marked(window));
    QTest::keyClick(typed, Qt::Key_Backspace);
    QApplication::processEvents();
    EXPECT_FALSE(marked(window)) << "the controls show the file again";

    // Leaving the page with an edit keeps the mark: the edit is in the image now.
    QTest::keyClicks(typed, QStringLiteral("9"));
    window.selectPage(2);
    QApplication::processEvents();
    EXPECT_TRUE(marked(window));

    // A file loaded matches itself.
    ASSERT_TRUE(window.openConfigurationFile(other));
    EXPECT_FALSE(marked(window));

    // An operation that replaces the image (a read from the controller) shows it: the mark follows.
    window.image().setByte(kMarkerOffset, 8);
    window.showShownPage();
    EXPECT_TRUE(marked(window));
    window.image().setByte(kMarkerOffset, 7); // as the file holds it
    window.showShownPage();
    EXPECT_FALSE(marked(window));

    // The standard configuration is the working file's, unsaved changes or not.
    window.image().setByte(kMarkerOffset, 8);
    window.showShownPage();
    window.newConfiguration();
    EXPECT_EQ(window.windowTitle().section(QLatin1Char(' '), 0, 0), QStringLiteral("default.cnt"));
}

namespace {

// A page whose control cannot show every stored value: a spin box of 0-10
// over a byte, so that showing 50 and storing gives 10.
class ClampingGroup : public PageGroup {
public:
    static constexpr int kOffset = 200;

    explicit ClampingGroup(PageHost& host) : PageGroup(host)
    {
        panel_ = new QWidget;
        spin_ = new QSpinBox(panel_);
        spin_->setObjectName(QStringLiteral("ClampedSpin"));
        spin_->setRange(0, 10);
        (new QVBoxLayout(panel_))->addWidget(spin_);
    }
    ~ClampingGroup() override
    {
        if (!panel_->parent())
            delete panel_;
    }
    QList<int> pages() const override { return {2}; }
    QWidget* panel(int) override { return panel_; }
    void store(int, ConfigImage& image) override { image.setByte(kOffset, uint8_t(spin_->value())); }
    void show(int, const ConfigImage& image) override { spin_->setValue(image.byte(kOffset)); }

    QWidget* panel_ = nullptr;
    QSpinBox* spin_ = nullptr;
};

} // namespace

// What a page makes of a value it cannot show is not the user's edit: a
// visit marks nothing, and an edit is measured against what the page showed.
TEST_F(UnsavedMark, AValueAPageCannotShowIsNoEdit)
{
    const QString path = writeConfiguration(
        folder, QStringLiteral("site.cnt"), [](ConfigImage& image) { image.setByte(ClampingGroup::kOffset, 50); });
    ClampingGroup* group = nullptr;
    TForm1 window([&](PageHost& host) {
        std::vector<std::unique_ptr<PageGroup>> groups;
        auto made = std::make_unique<ClampingGroup>(host);
        group = made.get();
        groups.push_back(std::move(made));
        return groups;
    });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(window.openConfigurationFile(path));
    window.selectPage(2);
    QApplication::processEvents();
    ASSERT_EQ(group->spin_->value(), 10);
    EXPECT_FALSE(marked(window)) << "showing 50 as 10 is no edit";
    window.selectPage(1);
    QApplication::processEvents();
    EXPECT_FALSE(marked(window)) << "nor is leaving the page that stored it";

    window.selectPage(2);
    QApplication::processEvents();
    group->spin_->setFocus();
    QTest::keyClick(group->spin_, Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_TRUE(marked(window));
    QTest::keyClick(group->spin_, Qt::Key_Up);
    QApplication::processEvents();
    EXPECT_FALSE(marked(window)) << "back at what the page showed";
}

namespace {

std::string listed(const std::map<QString, int>& counts)
{
    std::string text;
    for (const auto& [name, count] : counts)
        text += "\n  " + name.toStdString() + ": " + std::to_string(count);
    return text.empty() ? " none" : text;
}

} // namespace

TEST_F(UnsavedMark, AnIdleWindowWithoutAControllerFiresNoTimer)
{
    // No port settings: the poller looks for COM1, which is not there.
    TForm1 window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(waitFor([&] { return window.closeAllowed(); }));
    // The settings pages are built and laid out in idle passes after the start.
    ASSERT_TRUE(waitFor([&] { return window.pageGroup(47) && window.pageGroup(47)->panel(47)->size().isValid()
                                     && window.pageGroup(47)->panel(47)->testAttribute(Qt::WA_WState_Polished); }));
    QTest::qWait(500); // the last idle passes
    window.pageTree()->setFocus();

    TimerEvents timers(window);
    QEventLoop idle;
    QTimer end;
    end.setSingleShot(true);
    QObject::connect(&end, &QTimer::timeout, &idle, &QEventLoop::quit);
    end.start(1000);
    idle.exec();
    EXPECT_TRUE(timers.window.empty()) << "timers of the window fired in an idle second:" << listed(timers.window);
    RecordProperty("other timers", listed(timers.others));
    std::printf("timers outside the window in an idle second:%s\n", listed(timers.others).c_str());
}
