// Pages 15 and 30-37 through the main window as an installer uses them: every
// stored control is set page by page through the tree, the configuration is
// saved with FileSave1, and a second window with its own working folder opens
// the file with FileOpen1 and shows every value again.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QSlider>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "tests/ui/OutputsPageChanges.h"
#include "ui/TForm1.h"
#include "ui/pages/PageGroup.h"
#include "ui/pages/io/outputs/ScenarioGrid.h"

using namespace vrm;
using namespace vrm::test;

namespace {

const QList<int> kPages = {kPowerPage, 30, 31, 32, 33, 34, 35, 36, kScenarioPage};

} // namespace

TEST(OutputsWindowRoundTrip, EveryControlSurvivesSaveAndOpenInAnotherWindow)
{
    std::map<int, ControlStates> set;
    WorkingFolder firstFolder;
    const QString savedFile = firstFolder.file(QStringLiteral("outputs.cnt"));
    {
        TForm1 window;
        waitUntilReady(window);
        for (int page : kPages) {
            SCOPED_TRACE(page);
            clickPage(window, page);
            ASSERT_FALSE(HasFatalFailure());
            const ControlStates factory = captureOutputControls(shownPanel(window));
            changeOutputsPage(window);
            set[page] = captureOutputControls(shownPanel(window));
            for (const auto& [name, state] : set[page])
                if (factory.at(name) == state && !name.startsWith("cell"))
                    ADD_FAILURE() << name.toStdString() << " kept its factory value";
        }
        // Switching away and back shows what was stored.
        clickPage(window, kPowerPage);
        expectShown(captureOutputControls(shownPanel(window)), set[kPowerPage]);
        clickPage(window, kScenarioPage);

        ModalScript script;
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
        expectShown(captureOutputControls(shownPanel(window)), set[page]);
    }
}
