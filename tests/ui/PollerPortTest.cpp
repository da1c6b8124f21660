// The poller's use of the port: held open while the controller answers (no
// open, lock file or line reset per cycle), tried about once a second while
// it cannot be opened, and back within a second of its return.
#include <QElapsedTimer>
#include <algorithm>
#include <vector>
#include <gtest/gtest.h>

#include "link/Transaction.h"
#include "support/SimulatorLink.h"
#include "ui/SessionTestHost.h"
#include "session/TMainPanelControl.h"

using namespace vrm;

namespace {

class PollerPort : public ::testing::Test {
protected:
    void start()
    {
        inputs->shownPage = 0;
        poller = std::make_unique<TMainPanelControl>(sim.linkFactory(), defaultTransactionMessages(),
                                                     QStringLiteral("SIM"), inputs, 1);
        // The poller emits on its own thread: the results are collected on
        // this one, through queued connections, never by two threads at once.
        QObject::connect(
            poller.get(), &TMainPanelControl::identityPolled, &receiver,
            [this](int, bool ok, const QByteArray&, const QString&) { identityOutcomes.push_back(ok); },
            Qt::QueuedConnection);
        QObject::connect(
            poller.get(), &TMainPanelControl::statusPolled, &receiver,
            [this](int, int, bool ok, const QByteArray&, const QString&) { statusOutcomes.push_back(ok); },
            Qt::QueuedConnection);
        poller->start();
    }
    int answered() const { return int(std::count(identityOutcomes.begin(), identityOutcomes.end(), true)); }
    int refused() const { return int(identityOutcomes.size()) - answered(); }
    // Cycles whose identity or status query failed (a busy machine can make
    // the simulator late): each closes the port, and the next cycle opens it.
    int failedCycles() const
    {
        return refused() + int(std::count(statusOutcomes.begin(), statusOutcomes.end(), false));
    }

    test::SharedSimulator sim;
    std::shared_ptr<PollerInputs> inputs = std::make_shared<PollerInputs>();
    // Declared before the poller, so that it goes first.
    QObject receiver;
    std::vector<bool> identityOutcomes;
    std::vector<bool> statusOutcomes;
    std::unique_ptr<TMainPanelControl> poller;
};

} // namespace

TEST_F(PollerPort, IdleCyclesShareOnePortOpen)
{
    start();
    ASSERT_TRUE(test::waitUntil([&] { return answered() >= 5; }, 15000));
    poller->requestStop();
    poller->wait();
    EXPECT_EQ(sim.openCount(), 1 + failedCycles());
}

TEST_F(PollerPort, APortThatCannotBeOpenedIsTriedAboutOnceASecond)
{
    sim.setPortMissing(true);
    QElapsedTimer clock;
    clock.start();
    start();
    // The poller runs at idle priority while nothing answers: a busy machine may hold it back.
    ASSERT_TRUE(test::waitUntil([&] { return refused() >= 3; }, 15000));
    // Cycles at about 0.1, 1.1 and 2.1 s, where ten a second were tried before.
    EXPECT_GE(clock.elapsed(), 1800);

    // The next try after the port's return succeeds: at most the cycle under
    // way when it came back still fails, and the pause is the second above.
    sim.setPortMissing(false);
    const int refusedAtReturn = refused();
    clock.restart();
    ASSERT_TRUE(test::waitUntil([&] { return answered() >= 1; }, 15000));
    EXPECT_LE(refused(), refusedAtReturn + 1);
    EXPECT_LT(clock.elapsed(), 4000) << "the port's return was noticed late";

    // A stop request does not wait out the pause.
    sim.setPortMissing(true);
    ASSERT_TRUE(test::waitUntil([&] { return refused() >= 5; }, 15000));
    clock.restart();
    poller->requestStop();
    poller->wait();
    EXPECT_LT(clock.elapsed(), 950); // less than the pause it was in
}
