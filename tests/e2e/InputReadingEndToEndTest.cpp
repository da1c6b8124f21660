// The live reading of an analogue input against vrm530-sim: while the input's
// page is shown, the simulator's raw reading reaches the bar and the value label
// in the input's user units, and follows when the reading changes.
#include <QLabel>
#include <QProgressBar>

#include "tests/e2e/EndToEndFixture.h"
#include "ui/pages/PageGroup.h"

using namespace vrm;
using namespace vrm::test;

namespace {

constexpr std::size_t kInput2 = 360 + 92;

QByteArray mainWithAnalogueInput2()
{
    QByteArray main = factoryMain();
    main[int(kInput2 + 55)] = char(2 << 1); // analogue
    // Scale 0-100: minimum 0.0f, maximum 100.0f (0x42C80000).
    const char maximum[] = {0x00, 0x00, char(0xC8), 0x42};
    main.replace(int(kInput2 + 72), 4, QByteArray(maximum, 4));
    return main;
}

} // namespace

TEST_F(EndToEnd, AnalogueInputReadingFollowsTheSimulator)
{
    prepareMainArea(mainWithAnalogueInput2());
    start();
    ASSERT_FALSE(HasFatalFailure());
    trigger("ReadConf");
    EXPECT_EQ(actionText(), QStringLiteral("Данные считаны"));
    ASSERT_TRUE(test::waitUntil([this] { return ready(); }, 10000));
    form_->selectPage(22);
    QWidget* panel = form_->pageGroup(22)->panel(22);
    auto* bar = panel->findChild<QProgressBar*>(QStringLiteral("ProgressBarCurrentVal"));
    auto* label = panel->findChild<QLabel*>(QStringLiteral("LabelCurrentVal"));
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(label, nullptr);

    simulator(QStringLiteral("raw 2 1000"));
    EXPECT_TRUE(test::waitUntil([&] { return bar->value() == 1000; }, 5000)) << bar->value();
    EXPECT_EQ(label->text(), "24.42"); // 100 x 1000 / 4095

    simulator(QStringLiteral("raw 2 4095"));
    EXPECT_TRUE(test::waitUntil([&] { return bar->value() == 4095; }, 5000)) << bar->value();
    EXPECT_EQ(label->text(), "100");
}
