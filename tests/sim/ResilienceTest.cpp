// The simulated controller against noise on the line and its fault plan.

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "ControllerHarness.h"

using namespace vrm::sim;
using namespace vrm::sim::test;

namespace {

const QByteArray kIdentityQuery = frame::build(5, {});

// True when `out` is nothing but answers to "BINARY\r" and well-formed frames.
bool onlyWellFormed(const QByteArray& out)
{
    qsizetype pos = 0;
    while (pos < out.size()) {
        if (uint8_t(out[pos]) == Controller::kBinaryAnswer) {
            ++pos;
            continue;
        }
        if (out.size() - pos < frame::kOverhead || uint8_t(out[pos]) != frame::kStart)
            return false;
        const int length = frame::le16(out, int(pos + 2));
        const QByteArray f = out.mid(pos, length + frame::kOverhead);
        if (f.size() != length + frame::kOverhead || frame::check(f) != uint8_t(f.back()))
            return false;
        pos += f.size();
    }
    return true;
}

TEST(Resilience, FindsTheFrameBehindGarbage)
{
    ControllerHarness h;
    Controller& c = h.controller;
    struct Case {
        const char* what;
        QByteArray before;
    };
    QByteArray badCheck = kIdentityQuery;
    badCheck[4] = char(0xFA);
    for (const Case& g : {Case{"noise", bytes({0x00, 0xFF, 0x13, 0x42})},
                          {"start byte with an absurd length", bytes({0x05, 0x01, 0xFF, 0xFF})},
                          {"frame with a wrong check", badCheck},
                          {"start of the entry text", QByteArray("BINAR")},
                          {"start byte and a short length", bytes({0x05, 0x05, 0x01, 0x00})}}) {
        SCOPED_TRACE(g.what);
        const QByteArray reply = c.receive(g.before + kIdentityQuery);
        EXPECT_EQ(reply.size(), 93);
        EXPECT_EQ(ControllerHarness::payloadOf(reply, 5).size(), 88);
    }
    // A wrong check byte alone gets no answer.
    EXPECT_TRUE(c.receive(badCheck).isEmpty());
}

TEST(Resilience, WaitsForTheRestOfASplitFrameButDropsAStaleOne)
{
    ControllerHarness h;
    Controller& c = h.controller;
    const QByteArray write = frame::build(8, ControllerHarness::areaWritePayload(0, QByteArray(10, 'm')));
    EXPECT_TRUE(c.receive(write.left(7)).isEmpty());
    h.advance(5);
    EXPECT_EQ(c.receive(write.mid(7)).size(), 13);
    EXPECT_EQ(c.area(4), QByteArray(10, 'm'));

    // A partial frame followed, much later, by the tool's next request.
    EXPECT_TRUE(c.receive(bytes({0x05, 0x06, 0xC8, 0x00, 1, 2, 3})).isEmpty());
    h.advance(FrameScanner::kStaleMs + 1);
    EXPECT_EQ(c.receive(kIdentityQuery).size(), 93);
}

TEST(Resilience, RandomBytesNeverBreakTheResponder)
{
    ControllerHarness h;
    Controller& c = h.controller;
    QRandomGenerator random(530);
    const auto randomBytes = [&random](int count) {
        QByteArray b(count, '\0');
        for (char& x : b) // favour the bytes that start something
            x = char(random.bounded(4) == 0 ? (random.bounded(2) ? 0x05 : 'B') : random.bounded(256));
        return b;
    };
    for (int round = 0; round < 3000; ++round) {
        // Plain noise, or well-framed requests of any command with any payload.
        const QByteArray noise = random.bounded(2)
            ? randomBytes(random.bounded(1, 64))
            : frame::build(uint8_t(random.bounded(32)), randomBytes(random.bounded(0, 300)));
        const QByteArray out = c.receive(noise);
        ASSERT_TRUE(onlyWellFormed(out)) << out.toHex().constData();
        h.advance(random.bounded(0, 400));
        if (c.restarting())
            h.advance(c.restartSilenceMs());
    }
    h.advance(FrameScanner::kStaleMs + 1);
    c.faults().clear();
    EXPECT_EQ(c.receive(kIdentityQuery).size(), 93);
}

struct FaultCase {
    const char* what;
    Fault fault;
    uint8_t command;
    QByteArray payload;
    // Checks on the faulty reply, given the sound one.
    std::function<void(const QByteArray& faulty, const QByteArray& sound)> check;
};

TEST(Faults, EachFaultSpoilsTheNextReplyAsNamed)
{
    const QByteArray areaRead = ControllerHarness::areaReadPayload(0, 10);
    const QByteArray areaWrite = ControllerHarness::areaWritePayload(0, QByteArray(10, '\0'));
    const auto isValidFrame = [](const QByteArray& f) { return frame::check(f) == uint8_t(f.back()); };
    const FaultCase cases[] = {
        {"drop", Fault::Drop, 5, {}, [](auto& f, auto&) { EXPECT_TRUE(f.isEmpty()); }},
        {"short by one", Fault::ShortByOne, 5, {}, [](auto& f, auto& s) { EXPECT_EQ(f, s.chopped(1)); }},
        {"corrupt check", Fault::CorruptCheck, 16, bytes({0}),
         [&](auto& f, auto& s) {
             EXPECT_EQ(f.chopped(1), s.chopped(1));
             EXPECT_FALSE(isValidFrame(f));
         }},
        {"wrong command echo", Fault::WrongCommandEcho, 9, areaRead,
         [&](auto& f, auto& s) {
             EXPECT_NE(f[1], s[1]);
             EXPECT_EQ(f.mid(2).chopped(1), s.mid(2).chopped(1));
             EXPECT_TRUE(isValidFrame(f));
         }},
        {"wrong address echo", Fault::WrongAddressEcho, 8, areaWrite,
         [&](auto& f, auto& s) {
             EXPECT_NE(frame::le32(f, 4), frame::le32(s, 4));
             EXPECT_EQ(f.mid(8).chopped(1), s.mid(8).chopped(1));
             EXPECT_TRUE(isValidFrame(f));
         }},
        {"wrong length echo", Fault::WrongLengthEcho, 9, areaRead,
         [&](auto& f, auto& s) {
             EXPECT_NE(frame::le16(f, 8), frame::le16(s, 8));
             EXPECT_EQ(f.size(), s.size());
             EXPECT_TRUE(isValidFrame(f));
         }},
        {"status 1 on a command", Fault::Status1, 15, bytes({0}),
         [](auto& f, auto&) { EXPECT_EQ(ControllerHarness::statusOf(f, 15), 1); }},
        {"status 2 on an area write", Fault::Status2, 8, areaWrite,
         [&](auto& f, auto& s) {
             EXPECT_EQ(f.size(), s.size());
             EXPECT_EQ(f[10], 2);
             EXPECT_TRUE(isValidFrame(f));
         }},
        {"status 2 on an area read", Fault::Status2, 9, areaRead,
         [](auto& f, auto&) { EXPECT_EQ(ControllerHarness::statusOf(f, 9), 2); }},
        {"status 1 on a query", Fault::Status1, 12, {},
         [](auto& f, auto&) { EXPECT_EQ(ControllerHarness::statusOf(f, 12), 1); }},
    };
    for (const FaultCase& fc : cases) {
        SCOPED_TRACE(fc.what);
        ControllerHarness h;
        Controller& c = h.controller;
        c.setRestartSilenceMs(0);
        const QByteArray sound = h.ask(fc.command, fc.payload);
        c.faults().add(fc.fault);
        // The answer to "BINARY\r" is never spoilt.
        EXPECT_EQ(c.receive("BINARY\r").size(), 1);
        fc.check(h.ask(fc.command, fc.payload), sound);
        EXPECT_EQ(h.ask(fc.command, fc.payload), sound); // used up
    }
}

TEST(Faults, TimesAndOrderAndWaitingForAnAreaReply)
{
    ControllerHarness h;
    Controller& c = h.controller;
    c.faults().add(Fault::WrongAddressEcho);
    c.faults().add(Fault::Drop, 2);
    // The identity reply has no address: the drop applies, the echo fault waits.
    EXPECT_TRUE(h.ask(5).isEmpty());
    EXPECT_TRUE(h.ask(5).isEmpty());
    EXPECT_EQ(h.ask(5).size(), 93);
    const QByteArray read = h.ask(9, ControllerHarness::areaReadPayload(0, 10));
    ASSERT_EQ(read.size(), 21);
    EXPECT_NE(frame::le32(read, 4), 0u);
    EXPECT_EQ(frame::le32(h.ask(9, ControllerHarness::areaReadPayload(0, 10)), 4), 0u);

    c.faults().add(Fault::Drop, 5);
    c.faults().clear();
    EXPECT_EQ(h.ask(5).size(), 93);
}

TEST(Faults, StopAfterBytesCutsTheLineForGood)
{
    ControllerHarness h;
    Controller& c = h.controller;
    c.faults().stopAfterBytes(11);
    EXPECT_EQ(c.receive("BINARY\r").size(), 1);
    const QByteArray cut = h.ask(5);
    EXPECT_EQ(cut, Controller().receive(kIdentityQuery).left(10));
    EXPECT_TRUE(c.receive("BINARY\r").isEmpty());
    EXPECT_TRUE(h.ask(12).isEmpty());
    c.faults().stopAfterBytes(-1);
    EXPECT_EQ(h.ask(5).size(), 93);
}

} // namespace
