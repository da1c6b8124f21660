// Pages 29-36: the relay and output records between controls and image, the
// captions that depend on the kind of output, and the stimulus list.

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>

#include "tests/ui/PageTestHost.h"
#include "ui/pages/io/outputs/OutputPages.h"

using namespace vrm;
using namespace vrm::test;

namespace {
constexpr std::size_t record(int output) { return 1832 + 52 * std::size_t(output); }
constexpr int kRelay1 = 30, kRelay2 = 31, kOutput1 = 32, kOutput5 = 36;

struct OutputsPagesTest : ::testing::Test {
    PageFixture<OutputPages> page{kRelay1};
    QComboBox* box(const char* name) { return page.control<QComboBox>(name); }
    QCheckBox* check(const char* name) { return page.control<QCheckBox>(name); }
    QString memo() { return page.control<QPlainTextEdit>("MemoRsOutsStimulus")->toPlainText(); }
};
} // namespace

TEST_F(OutputsPagesTest, FactoryRecordsShowAndStoreUnchanged)
{
    for (int p = kRelay1; p <= kOutput5; ++p) {
        page.visit(p);
        const ConfigImage before = page.image();
        page.store();
        EXPECT_EQ(changedOffsets(before, page.image()), std::vector<std::size_t>{}) << "page " << p;
    }
    page.visit(kOutput1);
    EXPECT_EQ(box("ComboBoxReleName")->currentText(), "ВЫХОД1");
    EXPECT_EQ(box("ComboBoxReleNameAct")->currentText(), "ВКЛ");
    EXPECT_EQ(box("ComboBoxReleNameDeact")->currentText(), "ВЫКЛ");
    EXPECT_TRUE(check("CheckBoxReleEn")->isChecked());
    EXPECT_TRUE(check("CheckBoxRemoteControlEn")->isChecked());
    EXPECT_FALSE(check("CheckBoxReleInversion")->isChecked());
    EXPECT_EQ(box("ComboBoxCommType")->currentText(), "уровень");
}

TEST_F(OutputsPagesTest, CaptionsFollowTheKindOfOutput)
{
    EXPECT_EQ(check("CheckBoxReleEn")->text(), "Разрешено");
    EXPECT_EQ(page.control<QGroupBox>("GroupBoxRsOutsStimulus")->title(),
              " События воздействующие на это реле [Вкладка | Воздействие | Событие] ");
    page.switchTo(kOutput1);
    EXPECT_EQ(check("CheckBoxReleEn")->text(), "Разрешен");
    EXPECT_EQ(page.control<QGroupBox>("GroupBoxRsOutsStimulus")->title(),
              " События воздействующие на этот выход [Вкладка | Воздействие | Событие] ");
}

TEST_F(OutputsPagesTest, EveryControlIsStoredIntoItsOwnRecord)
{
    page.switchTo(kRelay2);
    box("ComboBoxReleName")->setCurrentText("ЗАМОК ВОРОТ");
    box("ComboBoxReleNameAct")->setCurrentText("ОТКРЫТ");
    box("ComboBoxReleNameDeact")->setCurrentText("ЗАКРЫТ");
    page.choose("ComboBoxCommType", 14);
    check("CheckBoxReleEn")->setChecked(false);
    check("CheckBoxReleInversion")->setChecked(true);
    check("CheckBoxRemoteControlEn")->setChecked(false);
    page.switchTo(kOutput5);
    EXPECT_EQ(page.image().byte(record(1) + 51), 14 | 0x40);
    EXPECT_EQ(fromCp1251(page.image().text(layout::outputs[1], layout::output::name)), "ЗАМОК ВОРОТ");
    EXPECT_EQ(page.image().byte(record(0) + 51), 0xA0); // relay 1 untouched

    page.switchTo(kRelay2);
    EXPECT_EQ(box("ComboBoxReleName")->currentText(), "ЗАМОК ВОРОТ");
    EXPECT_EQ(box("ComboBoxReleNameAct")->currentText(), "ОТКРЫТ");
    EXPECT_EQ(box("ComboBoxReleNameDeact")->currentText(), "ЗАКРЫТ");
    EXPECT_EQ(box("ComboBoxCommType")->currentIndex(), 14);
    EXPECT_FALSE(check("CheckBoxReleEn")->isChecked());
    EXPECT_TRUE(check("CheckBoxReleInversion")->isChecked());
    EXPECT_FALSE(check("CheckBoxRemoteControlEn")->isChecked());
}

TEST_F(OutputsPagesTest, NameWithoutTerminatorShowsSixteenCharactersAndGetsOne)
{
    for (std::size_t i = 0; i < 17; ++i)
        page.image().setByte(record(0) + i, uint8_t('A' + i));
    page.visit(kRelay1);
    EXPECT_EQ(box("ComboBoxReleName")->currentText(), "ABCDEFGHIJKLMNOP");
    page.store();
    EXPECT_EQ(page.image().byte(record(0) + 16), 0);
    EXPECT_EQ(page.image().byte(record(0) + 15), 'P');
    EXPECT_EQ(page.image().byte(record(0) + 17), 0xC2); // "ВКЛ" of the next field untouched
}

TEST(OutputsPagesHost, BuiltInPageTitlesNameTheStimulusSources)
{
    EXPECT_EQ(builtInPageTitle(14), "Часы, планировщик задач");
    EXPECT_EQ(builtInPageTitle(16), "Периметр 1");
    EXPECT_EQ(builtInPageTitle(28), "Вход 8");
    EXPECT_EQ(builtInPageTitle(48), "");
}

TEST_F(OutputsPagesTest, StimulusListIsRebuiltOnEveryShow)
{
    EXPECT_TRUE(memo().isEmpty());
    page.image().setByte(360 + 76 + 1, 5); // input 1 activation on relay 2: scenario 3
    page.switchTo(kRelay2);
    EXPECT_EQ(memo(), "[Вход 1]\t\t\t\tсценарий 3\tПри активизации входа 1");
    for (int p : {kRelay1, kOutput1, kOutput5}) {
        page.switchTo(p);
        EXPECT_TRUE(memo().isEmpty()) << "page " << p;
    }
    EXPECT_TRUE(page.control<QPlainTextEdit>("MemoRsOutsStimulus")->isReadOnly());
}
