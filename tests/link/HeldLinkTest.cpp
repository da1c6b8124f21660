// A port held open across transactions: the controller sees what a fresh
// port per transaction shows it, the port opens once, and a port error or a
// release lets the next transaction open it afresh.
#include <gtest/gtest.h>

#include "RecordingSink.h"
#include "link/HeldLink.h"
#include "link/Transaction.h"
#include "sim/Controller.h"
#include "support/SimulatorLink.h"

using namespace vrm;
using namespace vrm::test;

namespace {

// Identity, live status and key code, as a poll cycle asks for them.
int pollOnce(SerialLink& link, RecordingSink& sink)
{
    const QStringList messages = defaultTransactionMessages();
    int failures = 0;
    for (auto [kind, size] : {std::pair{TransactionKind::Identity, 88}, {TransactionKind::Status, 36},
                              {TransactionKind::KeyCode, 12}}) {
        std::vector<uint8_t> record(std::size_t(size), 0);
        failures += runTransaction(link, {.kind = int(kind), .data = record}, messages, sink);
    }
    return failures;
}

} // namespace

TEST(HeldLink, SendsWhatFreshPortsSendButOpensOnce)
{
    sim::Controller freshController;
    std::vector<QByteArray> freshWrites;
    for (int cycle = 0; cycle < 3; ++cycle) {
        SimulatorLink fresh(freshController);
        RecordingSink sink;
        EXPECT_EQ(pollOnce(fresh, sink), 0);
        freshWrites.insert(freshWrites.end(), fresh.writes().begin(), fresh.writes().end());
        EXPECT_FALSE(fresh.isOpen());
    }

    sim::Controller heldController;
    auto port = std::make_unique<SimulatorLink>(heldController);
    SimulatorLink& raw = *port;
    HeldLink held(std::move(port));
    RecordingSink sink;
    for (int cycle = 0; cycle < 3; ++cycle)
        EXPECT_EQ(pollOnce(held, sink), 0);

    EXPECT_EQ(raw.writes(), freshWrites); // purge, "BINARY\r" and request, transaction by transaction
    EXPECT_EQ(raw.openCount(), 1);
    EXPECT_TRUE(raw.isOpen());
    held.release();
    EXPECT_FALSE(raw.isOpen());
}

TEST(HeldLink, APortErrorClosesThePortAndTheNextTransactionReopensIt)
{
    sim::Controller controller;
    auto port = std::make_unique<SimulatorLink>(controller);
    SimulatorLink& raw = *port;
    HeldLink held(std::move(port));
    RecordingSink sink;
    ASSERT_EQ(pollOnce(held, sink), 0);

    raw.setPortErrorAfterWrites(0);
    EXPECT_EQ(pollOnce(held, sink), 3);
    EXPECT_EQ(sink.last().kind, StatusKind::Failure);
    EXPECT_FALSE(raw.isOpen()) << "a port that failed stays open";
    EXPECT_FALSE(held.lastOpenFailed());

    // Each failing transaction opened afresh; once the port works, one open serves all.
    raw.setPortErrorAfterWrites(-1);
    const int opensBefore = raw.openCount();
    EXPECT_EQ(pollOnce(held, sink), 0);
    EXPECT_EQ(raw.openCount(), opensBefore + 1);

    raw.close();
    raw.setPortMissing(true);
    std::vector<uint8_t> record(88, 0);
    EXPECT_EQ(runTransaction(held, {.kind = int(TransactionKind::Identity), .data = record},
                             defaultTransactionMessages(), sink),
              1);
    EXPECT_TRUE(held.lastOpenFailed());
    EXPECT_EQ(sink.last().text, defaultTransactionMessages().at(0) + QStringLiteral("SIM"));
}
