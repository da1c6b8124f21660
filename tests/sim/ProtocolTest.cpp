// The simulated controller on byte level: entry, identity, memory areas,
// password, clock, key code, restart and reconfigure.

#include <gtest/gtest.h>

#include "ControllerHarness.h"
#include "model/FactoryImage.h"

using namespace vrm::sim;
using namespace vrm::sim::test;

namespace {

class Protocol : public ::testing::Test {
protected:
    ControllerHarness h;
    Controller& c = h.controller;
};

TEST(Frames, CheckBytesMatchTheKnownRequests)
{
    EXPECT_EQ(frame::build(5, {}), bytes({0x05, 0x05, 0x00, 0x00, 0xFB}));
    EXPECT_EQ(frame::build(16, bytes({0})), bytes({0x05, 0x10, 0x01, 0x00, 0x00, 0xEF}));
    EXPECT_EQ(frame::build(7, ControllerHarness::areaReadPayload(0, 256)),
              bytes({0x05, 0x07, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0xF2}));
}

TEST_F(Protocol, BinaryEntryIsAnsweredWithOneByte)
{
    EXPECT_EQ(c.receive("BINARY\r"), QByteArray(1, char(Controller::kBinaryAnswer)));
    // The entry may arrive in pieces and be followed by a request at once.
    EXPECT_TRUE(c.receive("BIN").isEmpty());
    const QByteArray reply = c.receive(QByteArray("ARY\r") + frame::build(5, {}));
    ASSERT_EQ(reply.size(), 1 + 93);
    EXPECT_EQ(uint8_t(reply[0]), Controller::kBinaryAnswer);
}

TEST_F(Protocol, IdentityRecordCarriesTheConfiguredFields)
{
    c.identity().deviceName = "VRM530";
    c.identity().modification = "QT-PRISM-LONG"; // cut to 8 characters
    c.identity().softwareVersion = 0x0104;
    c.identity().imei = "123456789012345";
    c.identity().deviceSerial = {1, 2, 3, 0xFFFFFFFF};
    const QByteArray reply = h.ask(5);
    ASSERT_EQ(reply.size(), 93);
    const QByteArray r = ControllerHarness::payloadOf(reply, 5);
    ASSERT_EQ(r.size(), 88);
    EXPECT_EQ(r.left(9), QByteArray("VRM530\0\0\0", 9));
    EXPECT_EQ(r.mid(9, 9), QByteArray("QT-PRISM\0", 9));
    EXPECT_EQ(frame::le16(r, 20), 0x0104);
    EXPECT_EQ(r.mid(56, 16), QByteArray("123456789012345\0", 16));
    EXPECT_EQ(frame::le32(r, 72), 1u);
    EXPECT_EQ(frame::le32(r, 84), 0xFFFFFFFFu);
}

TEST(Identity, DefaultIsASupportedFirmware)
{
    const QByteArray r = Identity{}.record();
    EXPECT_EQ(r.left(7), QByteArray("VRM530\0", 7));
    EXPECT_EQ(r.mid(9, 3), QByteArray("QT\0", 3));
    EXPECT_EQ(frame::le16(r, 20), 0x0102); // "QT.01.02"
    uint16_t v = 0;
    EXPECT_TRUE(parseVersion("13.02", v));
    EXPECT_EQ(v, 0x1302);
    EXPECT_FALSE(parseVersion("1302", v));
    EXPECT_FALSE(parseVersion("1.2.3", v));
    EXPECT_FALSE(parseVersion("123.1", v));
}

TEST_F(Protocol, AreasStartWithFactoryBlocks)
{
    const vrm::ConfigImage factory = vrm::buildFactoryImage();
    const auto block = [&](vrm::Block b) {
        return QByteArray(reinterpret_cast<const char*>(factory.data() + b.offset), qsizetype(b.size));
    };
    EXPECT_EQ(c.area(1), block(vrm::blocks::main));
    EXPECT_EQ(c.area(4), block(vrm::blocks::modes));
    EXPECT_EQ(c.area(5), QByteArray(24, '\0'));
    EXPECT_EQ(c.area(6), block(vrm::blocks::phoneList));
    EXPECT_TRUE(c.area(0).isEmpty());
    EXPECT_TRUE(c.area(8).isEmpty());
}

// Writes every area in 256-byte chunks as the tool does, checking each echo,
// then reads it back the same way.
TEST_F(Protocol, AreaWriteAndReadRoundTripInChunks)
{
    struct AreaCase {
        int area;
        uint8_t write;
        uint8_t read;
    };
    for (const AreaCase& a : {AreaCase{1, 6, 7}, {2, 1, 2}, {3, 3, 4}, {4, 8, 9}, {5, 18, 19},
                              {6, 22, 23}, {7, 10, 11}}) {
        SCOPED_TRACE(a.area);
        const int size = Controller::areaSize(a.area);
        QByteArray data(size, '\0');
        for (int i = 0; i < size; ++i)
            data[i] = char((i * 7 + a.area) & 0xFF);
        int chunks = 0;
        for (int o = 0; o < size; o += 256, ++chunks) {
            const QByteArray chunk = data.mid(o, 256);
            const QByteArray reply = h.ask(a.write, ControllerHarness::areaWritePayload(o, chunk));
            ASSERT_EQ(reply.size(), 13);
            const QByteArray p = ControllerHarness::payloadOf(reply, a.write);
            ASSERT_EQ(p.size(), 8);
            EXPECT_EQ(frame::le32(p, 0), uint32_t(o));
            EXPECT_EQ(frame::le16(p, 4), chunk.size());
            EXPECT_EQ(p[6], '\0');
        }
        EXPECT_EQ(chunks, (size + 255) / 256);
        EXPECT_EQ(c.area(a.area), data);

        QByteArray back;
        for (int o = 0; o < size; o += 256) {
            const int n = std::min(256, size - o);
            const QByteArray reply = h.ask(a.read, ControllerHarness::areaReadPayload(o, uint16_t(n)));
            ASSERT_EQ(reply.size(), n + 11);
            const QByteArray p = ControllerHarness::payloadOf(reply, a.read);
            EXPECT_EQ(frame::le32(p, 0), uint32_t(o));
            EXPECT_EQ(frame::le16(p, 4), n);
            back += p.mid(6);
        }
        EXPECT_EQ(back, data);
    }
}

TEST_F(Protocol, OutOfRangeAreaRequestsAreRefusedAndChangeNothing)
{
    const QByteArray before = c.area(4);
    struct WriteCase {
        const char* what;
        QByteArray payload;
    };
    const WriteCase writes[] = {
        {"past the end", ControllerHarness::areaWritePayload(8, QByteArray(3, 'x'))},
        {"address far out", ControllerHarness::areaWritePayload(0xFFFFFFF0u, QByteArray(3, 'x'))},
        {"zero length", ControllerHarness::areaWritePayload(0, {})},
        {"length disagrees with payload", ControllerHarness::areaWritePayload(0, "abc").chopped(1)},
        {"no header", bytes({1, 2, 3})},
    };
    for (const WriteCase& w : writes) {
        SCOPED_TRACE(w.what);
        const QByteArray p = ControllerHarness::payloadOf(h.ask(8, w.payload), 8);
        ASSERT_EQ(p.size(), 8);
        EXPECT_EQ(uint8_t(p[6]), Controller::kStatusRefused);
    }
    EXPECT_EQ(c.area(4), before);

    // Refused reads get a short status frame, which the tool cannot take for data.
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(9, ControllerHarness::areaReadPayload(5, 6)), 9),
              Controller::kStatusRefused);
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(7, ControllerHarness::areaReadPayload(0, 257)), 7),
              Controller::kStatusRefused);
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(7, bytes({0, 0})), 7), Controller::kStatusRefused);
    // Unknown commands are refused, not ignored.
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(24), 24), Controller::kStatusRefused);
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(0), 0), Controller::kStatusRefused);
}

QByteArray passwordPayload(const QByteArray& text)
{
    QByteArray p = text.left(8);
    return p + QByteArray(9 - p.size(), '\0');
}

TEST_F(Protocol, PasswordLocksAreasAndRestrictedCommandsUntilPresented)
{
    c.setPassword("4321");
    const QByteArray mainBefore = c.area(1);

    // Locked: areas and restricted commands answer status 2.
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(7, ControllerHarness::areaReadPayload(0, 256)), 7), 2);
    const QByteArray write = ControllerHarness::payloadOf(h.ask(6, ControllerHarness::areaWritePayload(0, "zz")), 6);
    ASSERT_EQ(write.size(), 8);
    EXPECT_EQ(write[6], 2);
    EXPECT_EQ(c.area(1), mainBefore);
    for (uint8_t command : {14, 15, 16, 20})
        EXPECT_EQ(ControllerHarness::statusOf(h.ask(command, bytes({2, 0, 1})), command), 2) << int(command);
    EXPECT_EQ(c.restartCount(), 0);
    EXPECT_EQ(c.reconfigureCount(), 0);
    EXPECT_EQ(c.live().outputs, 0);

    // Always allowed: identity, live status, clock setting.
    EXPECT_EQ(h.ask(5).size(), 93);
    EXPECT_EQ(h.ask(12).size(), 41);
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(13, bytes({24, 3, 7, 9, 5, 30})), 13), 0);

    EXPECT_EQ(ControllerHarness::statusOf(h.ask(17, passwordPayload("4322")), 17), 2);
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(17, passwordPayload("4321")), 17), 0);
    EXPECT_EQ(h.ask(7, ControllerHarness::areaReadPayload(0, 256)).size(), 267);

    // A wrong password locks again.
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(17, passwordPayload("")), 17), 2);
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(7, ControllerHarness::areaReadPayload(0, 256)), 7), 2);
}

TEST_F(Protocol, PasswordIsTheOneStoredInTheMainBlock)
{
    // Without a password any one is accepted.
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(17, passwordPayload("whatever")), 17), 0);
    // Programming a password of 8 characters takes effect for the next session.
    QByteArray field = passwordPayload("ABCDEFGH");
    h.ask(6, ControllerHarness::areaWritePayload(20, field));
    EXPECT_EQ(c.password(), "ABCDEFGH");
    h.ask(16, bytes({0}));
    h.advance(c.restartSilenceMs());
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(15, bytes({0})), 15), 2);
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(17, passwordPayload("ABCDEFG")), 17), 2);
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(17, passwordPayload("ABCDEFGH")), 17), 0);
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(15, bytes({0})), 15), 0);
    EXPECT_EQ(c.reconfigureCount(), 1);
    // A password command of the wrong size is refused.
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(17, "ABCDEFGH"), 17), Controller::kStatusRefused);
}

TEST_F(Protocol, ClockCommandSetsARunningClock)
{
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(13, bytes({99, 12, 31, 23, 59, 59})), 13), 0);
    EXPECT_EQ(h.statusRecord().left(6), bytes({99, 12, 31, 23, 59, 59}));
    h.advance(2000);
    EXPECT_EQ(h.statusRecord().left(6), bytes({0, 1, 1, 0, 0, 1}));

    struct BadClock {
        const char* what;
        QByteArray payload;
    };
    for (const BadClock& b : {BadClock{"day 32", bytes({24, 1, 32, 0, 0, 0})},
                              {"February 30", bytes({24, 2, 30, 0, 0, 0})},
                              {"month 13", bytes({24, 13, 1, 0, 0, 0})},
                              {"year 100", bytes({100, 1, 1, 0, 0, 0})},
                              {"hour 24", bytes({24, 1, 1, 24, 0, 0})},
                              {"second 60", bytes({24, 1, 1, 0, 0, 60})},
                              {"short payload", bytes({24, 1, 1, 0, 0})}}) {
        SCOPED_TRACE(b.what);
        EXPECT_EQ(ControllerHarness::statusOf(h.ask(13, b.payload), 13), Controller::kStatusRefused);
        EXPECT_EQ(h.statusRecord().left(6), bytes({0, 1, 1, 0, 0, 1}));
    }
}

TEST_F(Protocol, PresentedKeyIsReportedOnce)
{
    const QByteArray empty = ControllerHarness::payloadOf(h.ask(14), 14);
    ASSERT_EQ(empty.size(), 12);
    EXPECT_EQ(uint8_t(empty[8]) & 3, 0);

    c.presentKey(bytes({0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}));
    const QByteArray fresh = ControllerHarness::payloadOf(h.ask(14), 14);
    ASSERT_EQ(fresh.size(), 12);
    EXPECT_EQ(fresh.left(8), bytes({0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}));
    EXPECT_EQ(uint8_t(fresh[8]) & 3, 3);
    const QByteArray again = ControllerHarness::payloadOf(h.ask(14), 14);
    ASSERT_EQ(again.size(), 12);
    EXPECT_EQ(uint8_t(again[8]) & 3, 0);
}

TEST_F(Protocol, RestartAnswersThenStaysSilentThenStartsAFreshSession)
{
    c.setPassword("1");
    h.ask(17, passwordPayload("1"));
    h.ask(20, bytes({2, 0, 1}));
    ASSERT_EQ(c.live().outputs, 1);

    // The acknowledgement goes out; what follows in the same write is lost.
    const QByteArray ack = c.receive(frame::build(16, bytes({0})) + frame::build(5, {}));
    EXPECT_EQ(ack, bytes({0x05, 0x10, 0x01, 0x00, 0x00, 0xEF}));
    EXPECT_EQ(c.restartCount(), 1);
    EXPECT_TRUE(c.restarting());

    h.advance(c.restartSilenceMs() - 1);
    EXPECT_TRUE(c.receive("BINARY\r").isEmpty());
    EXPECT_TRUE(h.ask(5).isEmpty());
    h.advance(1);
    EXPECT_EQ(c.receive("BINARY\r").size(), 1);
    EXPECT_EQ(h.ask(5).size(), 93);
    // Fresh session: locked again, outputs off.
    EXPECT_FALSE(c.unlocked());
    EXPECT_EQ(c.live().outputs, 0);
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(15, bytes({0})), 15), 2);
}

TEST_F(Protocol, ForgottenPasswordIsClearedAfterTheResetCountdown)
{
    c.setPassword("secret");
    c.setResetCountdownMs(10000);
    QByteArray changed = c.area(1);
    changed[100] = char(~uint8_t(changed[100]));
    c.setArea(1, changed);

    // The tool's factory reset: the empty password fails and starts the countdown.
    EXPECT_EQ(ControllerHarness::statusOf(h.ask(17, passwordPayload("")), 17), 2);
    EXPECT_TRUE(c.resetCountdownRunning());
    for (int s = 0; s < 9; ++s) {
        h.advance(1000);
        h.ask(5);
    }
    EXPECT_EQ(c.password(), "secret");
    h.advance(1000);
    h.ask(5);
    EXPECT_TRUE(c.password().isEmpty());
    EXPECT_EQ(c.area(1), Controller().area(1));
    EXPECT_EQ(h.ask(6, ControllerHarness::areaWritePayload(0, "\x01")).at(10), 0);
}

TEST_F(Protocol, ResetCountdownStopsWhenTheLinkIsBroken)
{
    c.setPassword("secret");
    c.setResetCountdownMs(10000);
    h.ask(17, passwordPayload(""));
    h.advance(Controller::kLinkLostMs + 1);
    h.ask(5);
    EXPECT_FALSE(c.resetCountdownRunning());
    h.advance(20000);
    h.ask(5);
    EXPECT_EQ(c.password(), "secret");
}

} // namespace
