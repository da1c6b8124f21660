// Store and show of the profile pages (38-46): name, actions, the threshold rows
// of inputs 1-8 with their labels converted by each input's type, and the bytes
// no control owns carried unchanged.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QSlider>

#include "PageTestHost.h"
#include "model/layout/Inputs.h"
#include "ui/pages/io/inputs/ProfilePages.h"
#include "ui/pages/io/inputs/ProfileThresholdRow.h"

using namespace vrm;
using namespace vrm::test;

namespace {

constexpr std::size_t kProfile1 = 4316;
constexpr std::size_t kProfileSize = 122;
constexpr std::size_t profileAt(int p) { return kProfile1 + kProfileSize * std::size_t(p - 1); }
constexpr std::size_t entryAt(int p, int input) { return profileAt(p) + 18 + 6 * std::size_t(input - 1); }

using ProfilePage = PageFixture<ProfilePages>;

} // namespace

TEST(ProfilesPages, CommonPageExplainsProfiles)
{
    PageFixture<ProfilesCommonPage> page(38);
    auto* memo = page.control<QPlainTextEdit>("MemoProfiles");
    EXPECT_TRUE(memo->isReadOnly());
    const QStringList lines = memo->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(memo->document()->blockCount(), 5);
    EXPECT_EQ(lines[0], "Профиль - это совокупность параметров объединенных в группу, которые могут быть "
                        "применены одновременно по команде SMS или ");
    EXPECT_TRUE(lines[1].startsWith("в указанное время"));
    EXPECT_TRUE(lines[3].endsWith("профиль позволяет "));
    EXPECT_EQ(lines[4], "включить несколько реле или выходов одновременно, если потребуется.");
    const ConfigImage before = page.image();
    page.store();
    EXPECT_EQ(page.image(), before);
}

TEST(ProfilesPages, StoreThenShowKeepsEveryCarriedByte)
{
    ProfilePage page(41);
    const std::size_t base = profileAt(3);
    // Every byte of the record set, so that a store writing past its own bits shows.
    for (std::size_t i = 0; i < kProfileSize; ++i)
        page.image().setByte(base + i, uint8_t(0xC0 + i % 16) | 0x01);
    for (int input = 1; input <= 16; ++input) { // valid thresholds, low below high
        page.image().setWord(entryAt(3, input) + 2, uint16_t(100 * input));
        page.image().setWord(entryAt(3, input) + 4, uint16_t(2000 + 100 * input));
    }
    page.image().setByte(base + 16, 0);
    for (std::size_t i = 114; i <= 120; ++i)
        page.image().setByte(base + i, uint8_t(i - 110)); // actions 4-10
    const ConfigImage before = page.image();
    page.show();
    page.store();
    for (std::size_t i = 0; i < ConfigImage::kSize; ++i)
        EXPECT_EQ(page.image().byte(i), before.byte(i)) << "offset " << i;

    // The check box of a row stores bit 0 of the entry's byte 0 only.
    page.group->row(2)->enabled()->setChecked(false);
    page.store();
    EXPECT_EQ(page.image().byte(entryAt(3, 2)), before.byte(entryAt(3, 2)) & 0xFE);
}

TEST(ProfilesPages, FieldsShownAndStored)
{
    ProfilePage page(40);
    EXPECT_EQ(page.control<QComboBox>("ComboBoxProfileName")->currentText(), "ЭКОНОМ");
    EXPECT_EQ(page.group->row(1)->lower()->value(), 1365);
    EXPECT_EQ(page.group->row(8)->upper()->value(), 2730);
    EXPECT_EQ(page.control<QComboBox>("ComboBoxProfileToR1")->itemText(3), "сценарий 1");

    page.control<QComboBox>("ComboBoxProfileName")->setEditText("ДАЧА");
    page.control<QComboBox>("ComboBoxProfileToR7")->setCurrentIndex(16);
    page.group->row(8)->enabled()->setChecked(true);
    page.group->row(8)->upper()->setValue(4000);
    page.group->row(8)->lower()->setValue(10);
    page.store();
    const std::size_t base = profileAt(2);
    EXPECT_EQ(page.image().text(layout::profiles[1], layout::profile::name), QByteArray("\xC4\xC0\xD7\xC0"));
    EXPECT_EQ(page.image().byte(base + 120), 16);
    EXPECT_EQ(page.image().byte(entryAt(2, 8)), 1);
    EXPECT_EQ(page.image().word(entryAt(2, 8) + 2), 10);
    EXPECT_EQ(page.image().word(entryAt(2, 8) + 4), 4000);
}

TEST(ProfilesPages, LabelsFollowTheTypeOfEachInputInTheImage)
{
    ProfilePage page(39);
    // Input 3 a TS-41 probe, input 4 analogue from 0 to 3, input 5 TS-42 with its scale.
    page.image().setBits(360 + 92 * 2 + 55, 1, 3, 3);
    page.image().setBits(360 + 92 * 3 + 55, 1, 3, 2);
    page.image().setReal(layout::inputs[3], layout::input::maximum, 3.0f);
    page.image().setBits(360 + 92 * 4 + 55, 1, 3, 4);
    page.image().setReal(layout::inputs[4], layout::input::minimum, -50.0f);
    page.image().setReal(layout::inputs[4], layout::input::maximum, 150.0f);
    page.show();
    EXPECT_EQ(page.group->row(3)->lowerValue()->text(), "61.2° C");
    EXPECT_EQ(page.group->row(3)->upperValue()->text(), "173° C");
    EXPECT_EQ(page.group->row(4)->upperValue()->text(), "2");
    EXPECT_EQ(page.group->row(5)->lowerValue()->text(), "16.67° C");
    EXPECT_EQ(page.group->row(1)->lowerValue()->text(), "3.33 В");
}

TEST(ProfilesPages, LowerBarToTheTopTakesTheUpperAlong)
{
    ProfilePage page(39);
    ProfileThresholdRow* row = page.group->row(1);
    row->lower()->setValue(4095);
    EXPECT_EQ(row->upper()->value(), 4095);
    EXPECT_EQ(row->upperValue()->text(), "10 В");
    page.store();
    EXPECT_EQ(page.image().word(entryAt(1, 1) + 2), 4095);
    EXPECT_EQ(page.image().word(entryAt(1, 1) + 4), 4095);
}

TEST(ProfilesPages, RowsPlacedInTwoColumns)
{
    ProfilePage page(39);
    page.panel()->resize(716, 520);
    page.panel()->show();
    QApplication::processEvents();
    for (int i = 1; i <= 6; ++i) {
        const QPoint a = page.group->row(i)->mapTo(page.panel(), QPoint());
        const QPoint b = page.group->row(i + 2)->mapTo(page.panel(), QPoint());
        EXPECT_EQ(a.x(), b.x()) << "row " << i;
        EXPECT_LT(a.y(), b.y()) << "row " << i;
    }
    EXPECT_LT(page.group->row(1)->mapTo(page.panel(), QPoint()).x(),
              page.group->row(2)->mapTo(page.panel(), QPoint()).x());
}
