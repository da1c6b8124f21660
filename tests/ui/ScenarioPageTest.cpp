// Page 37: the fourteen scenarios between the grid and the image.

#include "tests/ui/PageTestHost.h"
#include "ui/pages/io/outputs/ScenarioGrid.h"
#include "ui/pages/io/outputs/ScenarioPage.h"

using namespace vrm;
using namespace vrm::test;

namespace {
constexpr std::size_t scenarioWord(int s, int w) { return 2196 + 34 * std::size_t(s - 1) + 2 * std::size_t(w); }
} // namespace

TEST(ScenarioPage, FactoryScenariosShowAndStoreUnchanged)
{
    PageFixture<ScenarioPage> page(ScenarioPage::kPage);
    ScenarioGrid* grid = page.group->grid();
    EXPECT_EQ(grid->cell(2, 1), "ЦИКЛ");
    EXPECT_EQ(grid->cell(2, 2), "0");
    EXPECT_EQ(grid->cell(5, 3), "НИЗ");
    EXPECT_EQ(grid->cell(3, 7), "10");
    EXPECT_EQ(grid->cell(8, 1), "");
    EXPECT_EQ(grid->currentGridRow(), 1);
    EXPECT_EQ(grid->currentGridColumn(), 1);
    const ConfigImage before = page.image();
    page.store();
    EXPECT_EQ(changedOffsets(before, page.image()), std::vector<std::size_t>{});
}

TEST(ScenarioPage, EditedRowIsStoredAsWords)
{
    PageFixture<ScenarioPage> page(ScenarioPage::kPage);
    ScenarioGrid* grid = page.group->grid();
    // Scenario 14: high 3, low 4, repeating with count 0.
    grid->setCell(14, 3, "ВЫС");
    grid->setCell(14, 4, "3");
    grid->setCell(14, 5, "4");
    grid->toggleCell(14, ScenarioGrid::kCycleColumn);
    page.switchTo(ScenarioPage::kPage);
    const uint16_t expected[] = {0, 0x8003, 0x0004, 0x0000};
    for (int w = 0; w < 4; ++w)
        EXPECT_EQ(page.image().word(scenarioWord(14, w)), expected[w]) << "word " << w;
    EXPECT_EQ(grid->cell(14, 1), "ЦИКЛ");
    EXPECT_EQ(grid->cell(14, 5), "4");
}
