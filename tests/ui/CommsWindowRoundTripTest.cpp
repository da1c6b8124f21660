// The communication pages through the main window as an installer uses them:
// every stored control of pages 1-13 and 47 is changed page by page through the
// tree, the configuration is saved with FileSave1, and a second window with its
// own working folder opens the file with FileOpen1 and shows every value again.
#include <QAction>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "model/ConfigFile.h"
#include "tests/ui/CommsControlStates.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/TForm1.h"
#include "ui/pages/PageGroup.h"
#include "ui/pages/comms/ServerPages.h"

using namespace vrm;
using namespace vrm::test;

namespace {

constexpr int kSystemPage = 47;
constexpr int kPasswordOffset = 20;
constexpr int kPasswordSize = 9;
constexpr int kFileHeaderSize = 35;

// A fresh window in the current working folder, shown, with its actions
// unlocked (Timer2 has fired).
void waitUntilReady(TForm1& window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(waitFor([&] { return window.findChild<QAction*>(QStringLiteral("FileSave1"))->isEnabled(); }));
}

// Clicks the page's node in TreeView1, as the user selects a page.
void clickPage(TForm1& window, int page)
{
    QTreeWidget* tree = window.pageTree();
    QTreeWidgetItemIterator it(tree);
    for (int i = 0; i < page && *it; ++i)
        ++it;
    ASSERT_NE(*it, nullptr) << "no node for page " << page;
    tree->scrollToItem(*it);
    // On the start of the node's text: long texts reach beyond the view's width.
    const QRect node = tree->visualItemRect(*it);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(node.left() + 8, node.center().y()));
    ASSERT_EQ(window.shownPage(), page) << "the click did not select page " << page;
}

QWidget* shownPanel(TForm1& window)
{
    return window.pageGroup(window.shownPage())->panel(window.shownPage());
}

template <class T>
T* control(TForm1& window, const char* name)
{
    T* widget = shownPanel(window)->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Picks an item as the user does, so that the box's change handler runs.
void choose(TForm1& window, const char* comboName, int index)
{
    QComboBox* box = control<QComboBox>(window, comboName);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// Sets every stored control of the page shown the way a user would reach it
// (handlers of the boxes that switch other controls run first); returns the
// names whose value was chosen on purpose, possibly the factory one.
std::set<QString> changeShownPage(TForm1& window)
{
    const int page = window.shownPage();
    std::set<QString> chosen;
    if (page == 1) {
        control<QCheckBox>(window, "CheckBoxSysPassword")->click();
    } else if (page == 10) {
        choose(window, "ComboBoxGPRSConnectionStrategy", 1); // periodically: the period edit opens
        chosen.insert("ComboBoxGPRSConnectionStrategy");
    } else if (page >= 11 && page <= 13) {
        chosen = {"ComboBoxDestType", "MaskEditServerIPAddr", "MaskEditServerPort"};
        choose(window, "ComboBoxDestType", page == 13 ? ServerPages::kIpAddress : ServerPages::kDomainName);
    } else if (page == kSystemPage) {
        control<QPushButton>(window, "Button1")->click(); // lift the notices
    }
    changeEveryControl(shownPanel(window), chosen, page);

    // Pages that share a panel get values of their own, so that one record
    // shown for another cannot pass.
    if (page >= 2 && page <= 9)
        control<QLineEdit>(window, "MaskEditPhone")->setText(QStringLiteral("8916000000%1").arg(page));
    if (page >= 11 && page <= 13) {
        control<QLineEdit>(window, "MaskEditServerIPAddr")
            ->setText(page == 13 ? QStringLiteral("10.20.30.13") : QStringLiteral("srv%1.example.org").arg(page));
        control<QLineEdit>(window, "MaskEditServerPort")->setText(QString::number(8000 + page));
    }
    return chosen;
}

void expectShown(const ControlStates& shown, const ControlStates& expected)
{
    for (const auto& [name, state] : expected) {
        const auto it = shown.find(name);
        if (it == shown.end())
            ADD_FAILURE() << name.toStdString() << " is missing";
        else
            EXPECT_EQ(it->second.toStdString(), state.toStdString()) << name.toStdString();
    }
}

const QList<int> kPages = {kSystemPage, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};

} // namespace

TEST(CommsWindowRoundTrip, EveryControlSurvivesSaveAndOpenInAnotherWindow)
{
    std::map<int, ControlStates> factory;
    std::map<int, ControlStates> set;
    WorkingFolder firstFolder;
    const QString savedFile = firstFolder.file(QStringLiteral("roundtrip.cnt"));
    {
        TForm1 window;
        waitUntilReady(window);
        ModalScript script;

        // Page 47 first, so that it is left and entered again before the end;
        // page 13 last, so that its values reach the file by Save's own store.
        for (int page : kPages) {
            SCOPED_TRACE(page);
            clickPage(window, page);
            ASSERT_FALSE(HasFatalFailure());
            factory[page] = capture(shownPanel(window));
            const std::set<QString> chosen = changeShownPage(window);
            set[page] = capture(shownPanel(window));
            for (const auto& [name, state] : set[page])
                if (!chosen.count(name) && factory[page].at(name) == state)
                    ADD_FAILURE() << name.toStdString() << " kept its factory value";
        }
        EXPECT_EQ(set[1].at("MaskEditSysPassword"), QStringLiteral("text 'Adm1n234'"));

        script.then(typeFileName(savedFile));
        window.findChild<QAction*>(QStringLiteral("FileSave1"))->trigger();
        ASSERT_TRUE(script.finished());
        EXPECT_EQ(script.unexpected, 0);
        EXPECT_EQ(window.statusPanel(0), savedFile);

        // The administrator password stays out of the file and out of the image.
        const QByteArray file = readFile(savedFile);
        ASSERT_EQ(file.size(), kConfigFileSize);
        EXPECT_EQ(file.mid(kFileHeaderSize + kPasswordOffset, kPasswordSize), QByteArray(kPasswordSize, '\0'));
        for (int i = 0; i < kPasswordSize; ++i)
            EXPECT_EQ(window.image().byte(kPasswordOffset + i), 0) << "password byte " << i;

        // Page 47 is no part of the file: its values live on in this window.
        clickPage(window, kSystemPage);
        expectShown(capture(shownPanel(window)), set[kSystemPage]);
    }

    WorkingFolder secondFolder;
    TForm1 window;
    waitUntilReady(window);
    // An edit not yet stored when the file is opened: the file's value replaces it.
    clickPage(window, 13);
    ASSERT_FALSE(HasFatalFailure());
    control<QLineEdit>(window, "MaskEditServerPort")->setText(QStringLiteral("1"));
    ModalScript script;
    script.then(typeFileName(savedFile));
    window.findChild<QAction*>(QStringLiteral("FileOpen1"))->trigger();
    ASSERT_TRUE(script.finished());
    EXPECT_EQ(script.unexpected, 0);
    EXPECT_EQ(window.statusPanel(0), savedFile);
    expectShown(capture(shownPanel(window)), set[13]);

    set[1]["MaskEditSysPassword"] = QStringLiteral("text ''"); // never saved
    for (int page : kPages) {
        SCOPED_TRACE(page);
        clickPage(window, page);
        ASSERT_FALSE(HasFatalFailure());
        expectShown(capture(shownPanel(window)), page == kSystemPage ? factory[page] : set[page]);
    }
}
