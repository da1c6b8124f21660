// The session on its own, with no widget anywhere: a host that records what
// the session asks of the window, against the in-process simulator.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <array>

#include "model/ConfigImage.h"
#include "model/FactoryImage.h"
#include "session/ControllerSession.h"
#include "session/LiveStatus.h"
#include "session/OperationHost.h"
#include "session/StatusView.h"
#include "support/SimulatorLink.h"

using namespace vrm;

namespace {

bool waitUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

class RecordingHost : public OperationHost {
public:
    explicit RecordingHost(LinkFactory factory) : factory_(std::move(factory)) {}

    bool actionsEnabled = true;
    int shown = 0;
    std::array<QString, 4> panels;
    LastStatusText action;

    ConfigImage& image() override { return image_; }
    int shownPage() const override { return shown; }
    void selectPage(int index) override { shown = index; }
    void storeShownPage() override {}
    void showShownPage() override {}
    void setControllerActionsEnabled(bool enabled) override { actionsEnabled = enabled; }
    void setStatusPanel(int panel, const QString& text) override { panels.at(panel) = text; }
    QString statusPanel(int panel) const override { return panels.at(panel); }
    QString portName() const override { return QStringLiteral("SIM"); }
    LinkFactory linkFactory() const override { return factory_; }
    QStringList transactionMessages() const override { return defaultTransactionMessages(); }
    QStringList gsmStates() const override { return defaultGsmStates(); }
    StatusView& actionStatus() override { return action; }
    bool clearModesOnProgram() const override { return false; }
    void showWarning(const QString&, const QString&) override {}
    void copyToClipboard(const QString&) override {}
    bool runFactoryResetCountdown(std::function<bool()>) override { return false; }

private:
    ConfigImage image_ = buildFactoryImage();
    LinkFactory factory_;
};

class SessionSeam : public ::testing::Test {
protected:
    void SetUp() override { sim.controller().setRestartSilenceMs(0); }
    void TearDown() override { session.stopPoller(); }

    test::SharedSimulator sim;
    RecordingHost host{sim.linkFactory()};
    ControllerSession session{host};
};

} // namespace

// Page 47's buttons lock nothing, so they can be pressed while Program or
// Restart waits for the controller to come back; the wait must survive them.
TEST_F(SessionSeam, SystemParameterTransfersDuringTheRestartWaitGiveTheActionsBack)
{
    for (bool program : {false, true}) {
        SCOPED_TRACE(program ? "program" : "read");
        session.restart();
        ASSERT_FALSE(host.actionsEnabled);
        ASSERT_FALSE(session.pollerRunning());

        LastStatusText pageStatus;
        const bool ok = program ? session.programSystemParameters(pageStatus)
                                : session.readSystemParameters(pageStatus);
        EXPECT_TRUE(ok) << pageStatus.text().toStdString();
        EXPECT_FALSE(session.pollerRunning()) << "the poller waits for the rest of the restart wait";
        EXPECT_FALSE(session.busy());

        ASSERT_TRUE(waitUntil([&] { return host.actionsEnabled; }, 4000));
        EXPECT_TRUE(session.pollerRunning());
        session.stopPoller();
    }
}

// Stopping the poller (the port dialog) during the restart wait only suspends it.
TEST_F(SessionSeam, StoppingThePollerDuringTheRestartWaitKeepsTheUnlockComing)
{
    host.actionsEnabled = false;
    session.startPollerAfter(100);
    session.stopPoller();
    EXPECT_FALSE(waitUntil([&] { return host.actionsEnabled; }, 300)) << "suspended, not running";
    session.startPoller();
    EXPECT_FALSE(session.pollerRunning());
    ASSERT_TRUE(waitUntil([&] { return host.actionsEnabled; }, 1000));
    EXPECT_TRUE(session.pollerRunning());
}

// The poller empties `ActionName` only of its own texts: an operation's
// failure text stays while the controller is gone.
TEST_F(SessionSeam, OperationFailureTextOutlivesTheFailingPoll)
{
    session.startPoller();
    ASSERT_TRUE(waitUntil([&] { return host.panels[1] == QStringLiteral("SIM"); }, 3000));

    sim.setPortMissing(true);
    session.read();
    const QString failure = host.action.text();
    ASSERT_EQ(failure, QStringLiteral("Невозможно открыть SIM"));
    ASSERT_EQ(host.action.kind(), StatusKind::Failure);
    ASSERT_TRUE(session.pollerRunning());
    host.panels[1].clear();
    ASSERT_TRUE(waitUntil([&] { return host.panels[1] == QStringLiteral("NC"); }, 3000));
    ASSERT_TRUE(waitUntil([&] { return host.action.text() != failure; }, 500) == false)
        << "the poller emptied the operation's text";
    EXPECT_EQ(host.action.kind(), StatusKind::Failure);

    // The poller's own text (an unsupported device) is its to clear.
    sim.with([](sim::Controller& c) { c.identity().deviceName = "VRM999"; });
    sim.setPortMissing(false);
    ASSERT_TRUE(waitUntil(
        [&] { return host.action.text() == QStringLiteral("Устройство VRM999 не поддерживается"); }, 3000));
    sim.setPortMissing(true);
    EXPECT_TRUE(waitUntil([&] { return host.action.text().isEmpty(); }, 3000));
}

// What the pages hear through ControllerAccess, with no window in between.
TEST_F(SessionSeam, PagesHearThePollerThroughControllerAccess)
{
    ControllerAccess& access = session;
    QString controllerClock;
    int pcClocks = 0;
    int battery = -1;
    QObject::connect(&access, &ControllerAccess::pcClockPolled, [&](const QString& t) {
        EXPECT_EQ(t.size(), 17) << t.toStdString(); // "dd.mm.yy hh:mm:ss"
        ++pcClocks;
    });
    QObject::connect(&access, &ControllerAccess::controllerClockPolled, [&](const QString& t) { controllerClock = t; });
    QObject::connect(&access, &ControllerAccess::powerPolled, [&](int b, int) { battery = b; });

    host.shown = 14;
    session.pageShown(14);
    session.startPoller();
    ASSERT_TRUE(waitUntil([&] { return pcClocks > 0 && !controllerClock.isEmpty(); }, 3000));
    EXPECT_EQ(battery, -1) << "page 15's readings while page 14 is shown";

    // While the user edits the controller clock it is no longer read; the PC clock goes on.
    access.setEditingControllerTime(true);
    pcClocks = 0;
    ASSERT_TRUE(waitUntil([&] { return pcClocks >= 2; }, 3000)); // the cycle under way has ended
    controllerClock.clear();
    ASSERT_TRUE(waitUntil([&] { return pcClocks >= 4; }, 3000));
    EXPECT_TRUE(controllerClock.isEmpty());

    session.pageShown(15);
    EXPECT_TRUE(waitUntil([&] { return battery >= 0; }, 3000));
}
