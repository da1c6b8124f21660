// The input and profile pages through the main window as an installer uses them:
// every stored control of pages 20-28 and 39-46 is changed page by page through
// the tree, the configuration is saved with FileSave1, and a second window in
// its own working folder opens the file with FileOpen1 and shows every value.
#include <QAction>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "tests/ui/InputsControlStates.h"
#include "tests/ui/WindowPages.h"
#include "ui/TForm1.h"
#include "ui/pages/PageGroup.h"

using namespace vrm;
using namespace vrm::test;

namespace {

const QList<int> kPages = {20, 21, 22, 23, 24, 25, 26, 27, 28, 39, 40, 41, 42, 43, 44, 45, 46};

} // namespace

TEST(InputsWindowRoundTrip, EveryControlSurvivesSaveAndOpenInAnotherWindow)
{
    std::map<int, InputControlStates> set;
    WorkingFolder firstFolder;
    const QString savedFile = firstFolder.file(QStringLiteral("inputs.cnt"));
    {
        TForm1 window;
        waitUntilReady(window);
        ModalScript script;
        for (int page : kPages) {
            SCOPED_TRACE(page);
            clickPage(window, page);
            ASSERT_FALSE(HasFatalFailure());
            const InputControlStates factory = captureInputControls(shownPanel(window));
            ASSERT_FALSE(factory.empty());
            changeEveryInputControl(shownPanel(window), page);
            set[page] = captureInputControls(shownPanel(window));
            for (const auto& [name, state] : set[page])
                if (factory.at(name) == state)
                    ADD_FAILURE() << name.toStdString() << " kept its factory value";
        }
        // Leaving an input page for another and coming back shows what was set.
        clickPage(window, 22);
        expectShown(captureInputControls(shownPanel(window)), set[22]);

        script.then(typeFileName(savedFile));
        window.findChild<QAction*>(QStringLiteral("FileSave1"))->trigger();
        ASSERT_TRUE(script.finished());
        EXPECT_EQ(script.unexpected, 0);
    }

    WorkingFolder secondFolder;
    TForm1 window;
    waitUntilReady(window);
    ModalScript script;
    script.then(typeFileName(savedFile));
    window.findChild<QAction*>(QStringLiteral("FileOpen1"))->trigger();
    ASSERT_TRUE(script.finished());
    EXPECT_EQ(script.unexpected, 0);
    for (int page : kPages) {
        SCOPED_TRACE(page);
        clickPage(window, page);
        ASSERT_FALSE(HasFatalFailure());
        expectShown(captureInputControls(shownPanel(window)), set[page]);
    }
}
