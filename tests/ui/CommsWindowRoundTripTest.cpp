// The communication pages through the main window as an installer uses them:
// every stored control of pages 1-13 and 47 is changed page by page through the
// tree, the configuration is saved with FileSave1, and a second window with its
// own working folder opens the file with FileOpen1 and shows every value again.
#include <QAction>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "model/ConfigFile.h"
#include "tests/ui/CommsPageChanges.h"
#include "tests/ui/WindowPages.h"
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
            const std::set<QString> chosen = changeCommsPage(window);
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
