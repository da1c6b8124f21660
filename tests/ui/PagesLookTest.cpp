// Every settings page group's pages at the size of the window's page area
// (see PageLook.h), with the states worth a look beside the shown one.

#include <QPushButton>

#include "tests/ui/EnglishInterface.h"
#include "tests/ui/PageLook.h"
#include "ui/pages/comms/CommsPages.h"
#include "ui/pages/io/inputs/InputPages.h"
#include "ui/pages/io/inputs/InputsPages.h"
#include "ui/pages/io/outputs/OutputsPageGroups.h"
#include "ui/pages/io/outputs/ScenarioGrid.h"
#include "ui/pages/io/perimeters/PerimeterAndClockPages.h"

using namespace vrm;
using namespace vrm::test;

namespace {

void lookAtCommunicationPages()
{
    PageTestHost host;
    auto groups = createCommsPages(host);
    const QList<int> served = lookAtEveryPage(host, groups, [](PageGroup&, int page, QWidget* panel) {
        if (page != 47)
            return;
        expectTidy(panel, "47 covered");
        grabPage(panel, QStringLiteral("page47-covered"));
        panel->findChild<QPushButton*>(QStringLiteral("Button1"))->click(); // lift the notices
    });
    EXPECT_EQ(served, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 47}));
}

void lookAtInputAndProfilePages()
{
    PageTestHost host;
    auto groups = createInputsPages(host);
    const QList<int> served = lookAtEveryPage(host, groups, [](PageGroup& group, int page, QWidget*) {
        if (auto* inputs = dynamic_cast<InputPages*>(&group))
            inputs->showReading(page - 20, 1000, true);
    });
    EXPECT_EQ(served, (QList<int>{20, 21, 22, 23, 24, 25, 26, 27, 28, 38, 39, 40, 41, 42, 43, 44, 45, 46}));
}

void lookAtOutputScenarioAndPowerPages()
{
    PageTestHost host;
    host.configImage.setByte(360 + 76 + 1, 5);  // input 1 drives relay 2: one stimulus line
    host.configImage.setByte(3087 + 19 + 1, 1); // perimeter 1 arming switches relay 2 on
    auto groups = createOutputsPageGroups(host);
    const QList<int> served = lookAtEveryPage(host, groups, [](PageGroup&, int page, QWidget* panel) {
        auto* grid = panel->findChild<ScenarioGrid*>();
        if (!grid)
            return;
        grid->setCurrentGridCell(3, 4); // scenario 3 repeats
        QApplication::processEvents();
        expectTidy(panel, std::to_string(page) + " repeating");
        grabPage(panel, QStringLiteral("page%1-repeating").arg(page));
        grid->setCurrentGridCell(4, 5); // scenario 4 runs once
    });
    EXPECT_EQ(served, (QList<int>{15, 29, 30, 31, 32, 33, 34, 35, 36, 37}));
}

void lookAtPerimeterAndClockPages()
{
    PageTestHost host;
    auto groups = createPerimeterAndClockPages(host);
    EXPECT_EQ(lookAtEveryPage(host, groups), (QList<int>{14, 16, 17, 18, 19}));
}

} // namespace

TEST(PagesLook, CommunicationPagesFitThePageArea) { lookAtCommunicationPages(); }
TEST(PagesLook, InputAndProfilePagesFitThePageArea) { lookAtInputAndProfilePages(); }
TEST(PagesLook, OutputScenarioAndPowerPagesFitThePageArea) { lookAtOutputScenarioAndPowerPages(); }
TEST(PagesLook, PerimeterAndClockPagesFitThePageArea) { lookAtPerimeterAndClockPages(); }

// English texts are longer or shorter than the Russian ones: the pages adapt.
TEST(PagesLook, EnglishPagesFitThePageArea)
{
    EnglishInterface english;
    ASSERT_TRUE(english.installed());
    const GrabPrefix prefix(QStringLiteral("en-"));
    lookAtCommunicationPages();
    lookAtInputAndProfilePages();
    lookAtOutputScenarioAndPowerPages();
    lookAtPerimeterAndClockPages();
}
