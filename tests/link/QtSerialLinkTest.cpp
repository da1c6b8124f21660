// The Qt serial link against a real pseudo-terminal: line settings, time-outs,
// purging, a missing or busy port, and whole transactions through it.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <atomic>
#include <thread>

#include "PseudoTerminal.h"
#include "RecordingSink.h"
#include "link/QtSerialLink.h"
#include "link/TransactionMessages.h"
#include "sim/Controller.h"

using namespace vrm;
using namespace vrm::test;

namespace {

class QtSerialLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(terminal.valid());
        link = std::make_unique<QtSerialLink>(terminal.deviceName());
        ASSERT_TRUE(link->open()) << "modem lines a pseudo-terminal refuses must not close the port";
    }

    QByteArray readFromLink(int count, qint64* elapsedMs = nullptr)
    {
        QByteArray buffer(count, '\0');
        QElapsedTimer timer;
        timer.start();
        const int got = link->read(reinterpret_cast<uint8_t*>(buffer.data()), count);
        if (elapsedMs)
            *elapsedMs = timer.elapsed();
        EXPECT_GE(got, 0);
        return buffer.left(std::max(got, 0));
    }

    PseudoTerminal terminal;
    std::unique_ptr<QtSerialLink> link;
};

} // namespace

TEST_F(QtSerialLinkTest, MovesBytesBothWays)
{
    EXPECT_TRUE(link->isOpen());
    EXPECT_EQ(link->name(), terminal.deviceName());
    const QByteArray binary("BINARY\r");
    EXPECT_TRUE(link->write(reinterpret_cast<const uint8_t*>(binary.constData()), int(binary.size())));
    EXPECT_EQ(terminal.receive(int(binary.size())), binary);

    const QByteArray reply("\x05\x10\x01\x00\x00\xEF", 6);
    ASSERT_TRUE(terminal.send(reply));
    EXPECT_EQ(readFromLink(6), reply);
}

TEST_F(QtSerialLinkTest, ReadGivesUpAfterTheTotalOrTheGapTimeOut)
{
    const struct {
        const char* name;
        QByteArray sent;
        int requested;
        qint64 atLeastMs;
        qint64 atMostMs;
    } cases[] = {
        {"silence: 100 + 3 ms", {}, 1, 95, 600},
        {"short reply: 100 + 3 x 10 ms", "abcd", 10, 120, 700},
        // 300 bytes may take 1,000 ms in total, but a 500 ms gap ends the read first.
        {"gap after one byte", "a", 300, 490, 950},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.sent.isEmpty()) {
            ASSERT_TRUE(terminal.send(c.sent));
        }
        qint64 elapsed = 0;
        EXPECT_EQ(readFromLink(c.requested, &elapsed), c.sent);
        EXPECT_GE(elapsed, c.atLeastMs);
        EXPECT_LE(elapsed, c.atMostMs);
    }
}

TEST_F(QtSerialLinkTest, ClearDiscardsWhatIsPending)
{
    ASSERT_TRUE(terminal.send("stale bytes"));
    EXPECT_EQ(readFromLink(1), "s"); // the rest has arrived with it
    EXPECT_TRUE(link->clear());
    ASSERT_TRUE(terminal.send("ok"));
    EXPECT_EQ(readFromLink(12), "ok");
}

TEST_F(QtSerialLinkTest, APortInUseCannotBeOpenedTwice)
{
    QtSerialLink second(terminal.deviceName());
    EXPECT_FALSE(second.open());
    EXPECT_FALSE(second.isOpen());
    link->close();
    EXPECT_TRUE(second.open());
}

TEST_F(QtSerialLinkTest, AVanishedPortIsAPortError)
{
    terminal.closeMaster();
    uint8_t byte = 0;
    EXPECT_EQ(link->read(&byte, 1), -1);
}

TEST(QtSerialLinkMissingTest, AMissingPortDoesNotOpen)
{
    QtSerialLink missing(QStringLiteral("/dev/ttyVRM-missing"));
    EXPECT_FALSE(missing.open());
    EXPECT_FALSE(missing.isOpen());
    uint8_t byte = 0;
    EXPECT_FALSE(missing.clear());
    EXPECT_FALSE(missing.write(&byte, 1));
    EXPECT_EQ(missing.read(&byte, 1), -1);
    missing.close(); // harmless when closed
}

namespace {

// Serves the simulated controller on the terminal's master end until stopped.
class PtyResponder {
public:
    PtyResponder(PseudoTerminal& terminal, sim::Controller& controller)
        : thread_([this, &terminal, &controller] {
              while (!stop_) {
                  const QByteArray heard = terminal.receiveSome(20);
                  if (!heard.isEmpty())
                      terminal.send(controller.receive(heard));
              }
          })
    {
    }
    ~PtyResponder()
    {
        stop_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace

TEST(QtSerialLinkTransactionTest, RunsTransactionsOverAPseudoTerminal)
{
    PseudoTerminal terminal;
    ASSERT_TRUE(terminal.valid());
    sim::Controller controller;
    std::vector<uint8_t> identity(88, 0);
    std::vector<uint8_t> main(5292, 0);
    std::vector<uint8_t> modes{9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    {
        PtyResponder responder(terminal, controller);
        const LinkFactory factory = serialLinkFactory(terminal.deviceName());
        const QStringList messages = defaultTransactionMessages();
        const auto run = [&](int kind, std::span<uint8_t> data, uint8_t area) {
            RecordingSink sink;
            const auto link = factory();
            const int result = runTransaction(*link, {.kind = kind, .area = area, .data = data}, messages, sink);
            EXPECT_FALSE(link->isOpen());
            EXPECT_EQ(sink.last().kind, StatusKind::Success) << sink.last().text.toStdString();
            return result;
        };
        EXPECT_EQ(run(int(TransactionKind::Identity), identity, 0), 0);
        EXPECT_EQ(run(int(TransactionKind::ReadArea), main, 1), 0);
        EXPECT_EQ(run(int(TransactionKind::WriteVerify), modes, 4), 0);
    }
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(identity.data()), 88), controller.identityRecord());
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(main.data()), 5292), controller.area(1));
    EXPECT_EQ(controller.area(4), QByteArray("\x09\x08\x07\x06\x05\x04\x03\x02\x01\x00", 10));
}

namespace {

// A driver that never sends what it was given, as a USB adapter pulled out in
// the middle of a write can behave.
int neverDrains(int)
{
    return 16;
}

} // namespace

TEST(QtSerialLinkStuckDriverTest, AWriteThatNeverDrainsFailsWithinItsLimit)
{
    PseudoTerminal terminal;
    ASSERT_TRUE(terminal.valid());
    QtSerialLink link(terminal.deviceName(), neverDrains);
    const QStringList messages = defaultTransactionMessages();
    std::vector<uint8_t> identity(88, 0);
    RecordingSink sink;
    QElapsedTimer elapsed;
    elapsed.start();
    // The first write is "BINARY\r": 7 bytes, so 200 + 4 x 7 ms at most.
    const int result = runTransaction(link, {.kind = int(TransactionKind::Identity), .data = identity}, messages, sink);
    const qint64 took = elapsed.elapsed();
    EXPECT_EQ(result, 1);
    EXPECT_EQ(sink.last().kind, StatusKind::Failure);
    EXPECT_EQ(sink.last().text, messages.value(message::PortError) + terminal.deviceName());
    EXPECT_GE(took, 200);
    EXPECT_LT(took, 228 + 400);
    EXPECT_FALSE(link.isOpen());
}
