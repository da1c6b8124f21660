// Page 14: time zone, daylight saving, information message and the scheduler
// tasks coded by their kind.

#include "PageTestHost.h"
#include "ui/pages/io/clock/ClockPage.h"

using namespace vrm;
using namespace vrm::test;

namespace {

constexpr std::size_t kClock = 2672;
std::size_t taskAt(int i) { return 2680 + 16 * std::size_t(i - 1); }

struct ClockFixture : PageFixture<ClockPage> {
    ClockFixture() : PageFixture(14) {}
    SchedulerGrid* grid() { return group->scheduler(); }
    SchedulerRow row(int i) { return grid()->rows()[i - 1]; }
    void setRow(int i, const SchedulerRow& r)
    {
        QList<SchedulerRow> rows = grid()->rows();
        rows[i - 1] = r;
        grid()->setRows(rows);
    }
};

} // namespace

TEST(ClockPage, TimeIsStoredAsHourAndMinuteAndShownWithLeadingZeros)
{
    ClockFixture f;
    f.image().setByte(taskAt(1) + 5, 0xE0); // bits 5-7 of the hour byte are carried
    f.show();
    f.setRow(1, {true, " 7: 5", 0, false, false, {}});
    f.store();
    EXPECT_EQ(f.image().byte(taskAt(1) + 5), 0xE7);
    EXPECT_EQ(f.image().byte(taskAt(1) + 6), 5);
    f.show();
    EXPECT_EQ(f.row(1).time, "07:05");
}

TEST(ClockPage, OutputControlTaskStoresKindThreeOutputAndAction)
{
    ClockFixture f;
    f.image().setByte(taskAt(2) + 13, 0xA0);
    f.show();
    f.setRow(2, {true, "12:30", 0x1F, true, false, {6, 3}}); // "Управление Выходом 2", "сценарий 1"
    EXPECT_EQ(f.grid()->actionBox(1)->currentText(), "Управление Выходом 2");
    EXPECT_EQ(f.grid()->parameterBox(1)->currentText(), "сценарий 1");
    f.store();
    EXPECT_EQ(f.image().byte(taskAt(2) + 12) >> 2, 3);
    EXPECT_EQ(f.image().byte(taskAt(2) + 12) & 3, 1);
    EXPECT_EQ(f.image().byte(taskAt(2) + 13), 0xA3);
    EXPECT_EQ(f.image().byte(taskAt(2) + 14), 3);
    EXPECT_EQ(f.image().byte(taskAt(2) + 4), 0x1F);
}

TEST(ClockPage, ApplyProfileEightIsKindFourWithTheParameterHidden)
{
    ClockFixture f;
    f.setRow(3, {false, "00:00", 0, false, true, {17, 0}});
    f.store();
    EXPECT_EQ(f.image().byte(taskAt(3) + 12), (4 << 2) | 2);
    EXPECT_EQ(f.image().byte(taskAt(3) + 13), 7);
    f.setRow(3, {});
    f.show();
    EXPECT_EQ(f.grid()->actionBox(2)->currentText(), "Применить профиль 8");
    EXPECT_TRUE(f.grid()->parameterBox(2)->isHidden());
}

TEST(ClockPage, UnknownKindShowsNoAction)
{
    ClockFixture f;
    f.image().setByte(taskAt(4) + 12, 0x50);
    f.image().setByte(taskAt(4) + 13, 2);
    f.show();
    EXPECT_EQ(f.grid()->actionBox(3)->currentText(), "Нет действия");
    EXPECT_EQ(f.row(4).action, (TaskActionChoice{0, 0}));
}

TEST(ClockPage, EnableByteOfAllOnesBecomesOne)
{
    ClockFixture f;
    f.image().setByte(taskAt(5), 0xFF);
    f.image().setByte(taskAt(5) + 1, 0x77); // bytes 1-3, 7-11 and 15 are carried
    f.image().setByte(taskAt(5) + 15, 0x88);
    f.show();
    EXPECT_TRUE(f.row(5).enabled);
    f.store();
    EXPECT_EQ(f.image().byte(taskAt(5)), 0x01);
    EXPECT_EQ(f.image().byte(taskAt(5) + 1), 0x77);
    EXPECT_EQ(f.image().byte(taskAt(5) + 15), 0x88);
}

TEST(ClockPage, TimeZoneDaylightSavingAndInformationMasks)
{
    ClockFixture f;
    EXPECT_EQ(f.control<QComboBox>("ComboBoxTimeZone")->currentText(), "(GMT+3:00) Москва, Санкт-Петербург, Тула");
    f.control<QComboBox>("ComboBoxTimeZone")->setCurrentIndex(0);
    f.control<QCheckBox>("CheckBoxDSTEnable")->setChecked(true);
    f.control<QCheckBox>("CheckBoxInfoIn8")->setChecked(true);
    f.control<QCheckBox>("CheckBoxInfoR5")->setChecked(true);
    f.image().setByte(kClock + 1, 0xF0);
    f.image().setByte(kClock + 6, 0x80);
    f.store();
    EXPECT_EQ(int8_t(f.image().byte(kClock)), -12);
    EXPECT_EQ(f.image().byte(kClock + 1), 0xF1);
    EXPECT_EQ(f.image().word(kClock + 4), 0x0080);
    EXPECT_EQ(f.image().byte(kClock + 6), 0x80 | 0x10);
    EXPECT_TRUE(f.control<QCheckBox>("CheckBoxInfoIn8")->isVisibleTo(f.panel()));
    EXPECT_TRUE(f.control<QCheckBox>("CheckBoxInfoR5")->isVisibleTo(f.panel()));
    EXPECT_FALSE(f.control<QCheckBox>("CheckBoxInfoIn9")->isVisibleTo(f.panel()));
    // A zone outside the list shows no selection and stays as it was.
    f.image().setByte(kClock, 20);
    f.show();
    EXPECT_EQ(f.control<QComboBox>("ComboBoxTimeZone")->currentIndex(), -1);
    f.store();
    EXPECT_EQ(f.image().byte(kClock), 20);
}
