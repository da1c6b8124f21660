// The live status poller against the in-process simulated controller: what
// each cycle shows on page 0 and in the status bar, and what it hands on for
// the other pages.
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "support/SimulatorLink.h"
#include "ui/SessionTestHost.h"
#include "session/TMainPanelControl.h"

using namespace vrm;

namespace {

class PollerTest : public ::testing::Test {
protected:
    test::SharedSimulator sim;
    test::SessionTestHost host{sim.linkFactory()};

    QString text(const char* name) { return host.find<QLabel>(QString::fromLatin1(name))->text(); }
    QColor background(const char* name)
    {
        return host.find<QWidget>(QString::fromLatin1(name))->palette().color(QPalette::Window);
    }
};

const QColor kOn(0x00, 0xFF, 0x00);
const QColor kOff(0x00, 0x80, 0x00);

} // namespace

TEST_F(PollerTest, PageZeroShowsTheControllerState)
{
    sim.with([](sim::Controller& c) {
        auto& live = c.live();
        live.gsmState = 200;
        live.signal = 23;
        live.inputs = 0x0005;
        live.outputs = 0x41;
        live.perimeters = {sim::PerimeterMode::Unused, sim::PerimeterMode::Armed, sim::PerimeterMode::Switching,
                           sim::PerimeterMode::Observation};
        live.balancePresent = true;
        live.balance = 10.5f;
    });
    host.session().startPoller();
    ASSERT_TRUE(test::waitUntil([&] { return !text("LabelGSMState").isEmpty(); }));

    EXPECT_EQ(text("LabelGSMState"), QStringLiteral("Неизвестное состояние GSM модуля"));
    EXPECT_EQ(host.find<QProgressBar>(QStringLiteral("ProgressBarSignalQuality"))->value(), 23);
    EXPECT_EQ(text("iDeviceNameLabel"), QStringLiteral("VRM530"));
    EXPECT_EQ(host.panels[1], QStringLiteral("SIM"));
    EXPECT_EQ(host.panels[2], QStringLiteral("QT.01.02"));
    EXPECT_EQ(host.panels[3], QStringLiteral("Версия устройства считана"));
    EXPECT_EQ(text("PanelP1ArmDisarmStatus"), QString());
    EXPECT_EQ(text("PanelP2ArmDisarmStatus"), QStringLiteral("ОХРАНА"));
    EXPECT_EQ(text("PanelP3ArmDisarmStatus"), QStringLiteral("Смена режима"));
    EXPECT_EQ(text("PanelP4ArmDisarmStatus"), QStringLiteral("НАБЛЮДЕНИЕ"));
    EXPECT_EQ(background("PanelLed1"), kOn);
    EXPECT_EQ(background("PanelLed2"), kOff);
    EXPECT_EQ(background("PanelLed3"), kOn);
    EXPECT_EQ(background("PanelOut1"), kOn);
    EXPECT_EQ(background("PanelOut7"), kOn);
    EXPECT_TRUE(text("LabelBalans").startsWith(QStringLiteral("Баланс лицевого счета: ")));
    EXPECT_TRUE(host.session().deviceAnswers());
}

TEST_F(PollerTest, LosingTheControllerBlanksTheIdentityOnly)
{
    host.session().startPoller();
    ASSERT_TRUE(test::waitUntil([&] { return host.panels[1] == QStringLiteral("SIM") && !text("LabelGSMState").isEmpty(); }));
    host.page().actionLabel()->setText(QStringLiteral("old text"));
    const QString gsm = text("LabelGSMState");

    // The open port fails first (a device pulled out), then cannot be opened.
    sim.setPortMissing(true);
    ASSERT_TRUE(test::waitUntil([&] { return host.panels[3] == QStringLiteral("Невозможно открыть SIM"); }, 15000));
    EXPECT_EQ(host.panels[1], QStringLiteral("NC"));
    EXPECT_EQ(text("iDeviceNameLabel"), QStringLiteral("--------"));
    EXPECT_TRUE(host.actionText().isEmpty());
    EXPECT_FALSE(host.session().deviceAnswers());
    // The page's own fields keep their last values while no one answers.
    EXPECT_EQ(text("LabelGSMState"), gsm);

    // Tried about once a second while missing, and at idle priority.
    sim.setPortMissing(false);
    EXPECT_TRUE(test::waitUntil([&] { return host.panels[1] == QStringLiteral("SIM"); }, 15000));
}

TEST_F(PollerTest, UnsupportedDeviceAndFirmwareAreRefusedEachCycle)
{
    sim.with([](sim::Controller& c) { c.identity().deviceName = "VRM999"; });
    host.session().startPoller();
    ASSERT_TRUE(test::waitUntil([&] { return !host.actionText().isEmpty(); }));
    EXPECT_EQ(host.actionText(), QStringLiteral("Устройство VRM999 не поддерживается"));
    EXPECT_EQ(statusColour(host.page().actionLabel()), QColor(Qt::red));
    // No page data is read for an unsupported device.
    EXPECT_TRUE(text("LabelGSMState").isEmpty());

    sim.with([](sim::Controller& c) {
        c.identity().deviceName = "VRM530";
        c.identity().softwareVersion = 0x0201;
    });
    EXPECT_TRUE(test::waitUntil(
        [&] { return host.actionText() == QStringLiteral("Версия QT.02.01 не поддерживается"); }));
}

TEST_F(PollerTest, OtherPagesGetTheirOwnReadings)
{
    QSignalSpy power(&host.session(), &ControllerSession::powerPolled);
    QSignalSpy temperature(&host.session(), &ControllerSession::temperaturePolled);
    QSignalSpy reading(&host.session(), &ControllerSession::inputReadingPolled);
    QSignalSpy pcClock(&host.session(), &ControllerSession::pcClockPolled);
    QSignalSpy controllerClock(&host.session(), &ControllerSession::controllerClockPolled);
    QSignalSpy keys(&host.session(), &ControllerSession::keyPolled);
    sim.with([](sim::Controller& c) {
        c.live().battery = 254;
        c.live().supplyDeciVolts = 123;
        c.live().temperature = -10;
        c.setClock(QDateTime(QDate(2024, 3, 7), QTime(9, 5, 30)));
    });

    host.shown = 15;
    host.session().startPoller();
    ASSERT_TRUE(test::waitUntil([&] { return power.count() > 0; }));
    EXPECT_EQ(power.first().at(0).toInt(), 254);
    EXPECT_EQ(power.first().at(1).toInt(), 123);
    ASSERT_GT(temperature.count(), 0);
    EXPECT_EQ(temperature.first().at(0).toInt(), -10);

    host.shown = 23;
    host.session().pageShown(23);
    ASSERT_TRUE(test::waitUntil([&] { return reading.count() > 0; }));
    EXPECT_EQ(reading.first().at(0).toInt(), 3);
    EXPECT_EQ(reading.first().at(1).toInt(), sim.with([](sim::Controller& c) { return int(c.live().raw[2]); }));
    EXPECT_TRUE(reading.first().at(2).toBool());

    // The controller clock field is left alone while the user edits it.
    host.shown = 14;
    host.session().setEditingControllerTime(true);
    host.session().pageShown(14);
    ASSERT_TRUE(test::waitUntil([&] { return pcClock.count() >= 3; }));
    EXPECT_EQ(controllerClock.count(), 0);
    host.session().setEditingControllerTime(false);
    ASSERT_TRUE(test::waitUntil([&] { return controllerClock.count() > 0; }));
    EXPECT_TRUE(controllerClock.first().at(0).toString().startsWith(QStringLiteral("07.03.24 09:05:")));

    host.shown = 16;
    host.session().pageShown(16);
    sim.with([](sim::Controller& c) { c.presentKey(QByteArray::fromHex("01A2B3C4D5E6F708")); });
    ASSERT_TRUE(test::waitUntil([&] {
        for (const auto& call : keys)
            if (call.at(0).toInt() == ControllerAccess::KeyRead)
                return true;
        return false;
    }));
    for (const auto& call : keys) {
        if (call.at(0).toInt() == ControllerAccess::KeyRead) {
            EXPECT_EQ(call.at(1).toString(), QStringLiteral("01A2B3C4D5E6F708"));
        }
    }
}

TEST_F(PollerTest, KeyPollNeedsThePassword)
{
    QSignalSpy keys(&host.session(), &ControllerSession::keyPolled);
    sim.with([](sim::Controller& c) { c.setPassword("1234"); });
    host.shown = 17;
    host.session().startPoller();
    ASSERT_TRUE(test::waitUntil([&] { return keys.count() > 0; }));
    EXPECT_EQ(keys.first().at(0).toInt(), ControllerAccess::PasswordRefused);
}

TEST_F(PollerTest, AStoppedPollerChangesNothing)
{
    host.session().startPoller();
    ASSERT_TRUE(test::waitUntil([&] { return host.panels[1] == QStringLiteral("SIM"); }));
    host.session().stopPoller();
    EXPECT_FALSE(host.session().pollerRunning());
    host.panels[3] = QStringLiteral("operation text");
    host.page().actionLabel()->setText(QStringLiteral("operation text"));
    sim.setPortMissing(true);
    test::waitUntil([] { return false; }, 400);
    EXPECT_EQ(host.panels[3], QStringLiteral("operation text"));
    EXPECT_EQ(host.actionText(), QStringLiteral("operation text"));
    EXPECT_EQ(host.panels[1], QStringLiteral("SIM"));
}

TEST_F(PollerTest, Timer2StartsThePollerAndUnlocksTheActions)
{
    host.actionsEnabled = false;
    host.session().startPollerAfter(50);
    EXPECT_FALSE(host.session().pollerRunning());
    ASSERT_TRUE(test::waitUntil([&] { return host.session().pollerRunning(); }, 1000));
    EXPECT_TRUE(host.actionsEnabled);
}
