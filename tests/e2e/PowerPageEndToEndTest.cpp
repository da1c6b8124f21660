// Page 15 against vrm530-sim: the supply voltage, battery charge and board
// temperature follow the simulated controller while the page is shown.

#include <QProgressBar>

#include "EndToEndFixture.h"
#include "ui/pages/PageGroup.h"

using namespace vrm;
using namespace vrm::test;

namespace {
constexpr int kPowerPage = 15;

template <class T>
T* pageControl(TForm1& form, const char* name)
{
    T* widget = form.pageGroup(kPowerPage)->panel(kPowerPage)->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}
} // namespace

TEST_F(EndToEnd, PowerPageFollowsTheSimulatedSupplyAndTemperature)
{
    prepareMainArea(factoryMain());
    start();
    form_->selectPage(kPowerPage);
    auto* mains = pageControl<QProgressBar>(*form_, "ProgressBarMainPower");
    auto* battery = pageControl<QLabel>(*form_, "Label17");
    auto* temperature = pageControl<QLabel>(*form_, "LabelTempCurVal");

    simulator(QStringLiteral("supply 123"));
    simulator(QStringLiteral("battery 77"));
    simulator(QStringLiteral("temperature -10"));
    EXPECT_TRUE(waitUntil([&] { return mains->value() == 123; }, 3000)) << mains->value();
    EXPECT_TRUE(waitUntil([&] { return battery->text() == QStringLiteral("77%"); }, 3000)) << battery->text().toStdString();
    EXPECT_TRUE(waitUntil([&] { return temperature->text() == QStringLiteral("-10° C"); }, 3000))
        << temperature->text().toStdString();
    EXPECT_TRUE(pageControl<QLabel>(*form_, "LabelMainPower")->text().startsWith(QStringLiteral("12")));

    simulator(QStringLiteral("battery 255"));
    simulator(QStringLiteral("temperature off"));
    EXPECT_TRUE(waitUntil([&] { return pageControl<QLabel>(*form_, "LabelBatMsg")->text().contains("не подключен"); },
                          3000));
    EXPECT_TRUE(waitUntil([&] { return temperature->text().isEmpty(); }, 3000));
    EXPECT_FALSE(pageControl<QProgressBar>(*form_, "ProgressBarModemTemperature")->isVisible());
}
