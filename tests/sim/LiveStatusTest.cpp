// The live status record and the control commands that change it.

#include <gtest/gtest.h>

#include "ControllerHarness.h"
#include "model/Layout.h"

using namespace vrm::sim;
using namespace vrm::sim::test;

namespace {

class LiveStatus : public ::testing::Test {
protected:
    int control(std::initializer_list<int> payload)
    {
        return ControllerHarness::statusOf(h.ask(20, bytes(payload)), 20);
    }
    uint8_t statusByte(int offset) { return uint8_t(h.statusRecord().at(offset)); }

    ControllerHarness h;
    Controller& c = h.controller;
};

TEST_F(LiveStatus, RecordCarriesTheLiveStateAtItsOffsets)
{
    LiveState& s = c.live();
    s.gsmState = 10;
    s.signal = 25;
    s.supplyDeciVolts = 123;
    s.battery = 254;
    s.temperature = -10;
    s.temperaturePresent = true;
    s.balancePresent = false;
    s.balance = -12.5f;
    s.raw[0] = 4095;
    s.raw[7] = 17;
    s.inputs = 0x0181; // inputs 1, 8 and 9: only 1-8 have a bit in the record
    s.perimeters = {PerimeterMode::Unused, PerimeterMode::Armed, PerimeterMode::Switching,
                    PerimeterMode::Observation};
    const QByteArray r = h.statusRecord();
    ASSERT_EQ(r.size(), 36);
    EXPECT_EQ(frame::le16(r, 6), 4095);
    EXPECT_EQ(frame::le16(r, 20), 17);
    EXPECT_EQ(uint8_t(r[22]), 123);
    EXPECT_EQ(uint8_t(r[24]), 254);
    EXPECT_EQ(uint8_t(r[25]) & 0x1F, 25);
    EXPECT_NE(uint8_t(r[25]) & 0x20, 0); // readings may be shown
    EXPECT_EQ(uint8_t(r[26]), 0x1B);
    EXPECT_EQ(uint8_t(r[27]), 0x01);
    EXPECT_EQ(uint8_t(r[28]), 0x81);
    EXPECT_EQ(uint8_t(r[29]), 0);
    EXPECT_EQ(uint8_t(r[30]), 10);
    EXPECT_EQ(uint8_t(r[31]), 0xF6);
    EXPECT_EQ(r.mid(32, 4), bytes({0x00, 0x00, 0x48, 0xC1})); // -12.5f
}

TEST_F(LiveStatus, DriftStaysNearTheSetValues)
{
    c.setDrift(true);
    c.live().raw[0] = 4090;
    c.live().supplyDeciVolts = 124;
    bool moved = false;
    for (int i = 0; i < 40; ++i) {
        h.advance(250);
        const QByteArray r = h.statusRecord();
        EXPECT_LE(frame::le16(r, 6), 4095);
        EXPECT_GE(frame::le16(r, 6), 4090 - 25);
        EXPECT_NEAR(uint8_t(r[22]), 124, 1);
        moved = moved || frame::le16(r, 6) != 4090;
    }
    EXPECT_TRUE(moved);
}

TEST_F(LiveStatus, ControlCommandsSwitchOutputsAndPerimeters)
{
    struct Step {
        std::initializer_list<int> payload;
        int outputs;    // byte 29 afterwards
        int perimeters; // byte 26 afterwards
    };
    const Step steps[] = {
        {{2, 1, 1}, 0x02, 0x00},  // relay 2 on
        {{2, 6, 1}, 0x42, 0x00},  // output 5 on
        {{2, 1, 2}, 0x40, 0x00},  // relay 2 off
        {{0, 2, 0}, 0x40, 0x20},  // perimeter 3 armed
        {{1, 2, 0}, 0x40, 0x00},  // perimeter 3 observed
        {{3, 0, 0}, 0x40, 0xAA},  // protection: everything armed
        {{1, 0, 0}, 0x40, 0xA8},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::PrintToString(std::vector<int>(s.payload)));
        EXPECT_EQ(control(s.payload), 0);
        EXPECT_EQ(c.lastControlCommand(), bytes(s.payload));
        EXPECT_EQ(statusByte(29), s.outputs);
        EXPECT_EQ(statusByte(26), s.perimeters);
    }
}

TEST_F(LiveStatus, BadControlCommandsAreRefusedAndChangeNothing)
{
    const QByteArray before = h.statusRecord();
    for (std::initializer_list<int> payload : {std::initializer_list<int>{2, 7, 1}, {2, 0, 0}, {2, 0, 17},
                                               {0, 4, 0}, {4, 16, 0}, {5, 0, 0}, {2, 0}, {2, 0, 1, 0}}) {
        SCOPED_TRACE(testing::PrintToString(std::vector<int>(payload)));
        EXPECT_EQ(control(payload), Controller::kStatusRefused);
    }
    EXPECT_EQ(h.statusRecord(), before);
}

TEST_F(LiveStatus, ImitatedInputShowsForAWhile)
{
    c.setImitationMs(2000);
    EXPECT_EQ(control({4, 3, 0}), 0);
    EXPECT_EQ(statusByte(28), 0x08);
    EXPECT_EQ(c.inputMask(), 0x0008);
    EXPECT_EQ(control({4, 15, 0}), 0); // input 16: no bit in the record, but active
    EXPECT_EQ(c.inputMask(), 0x8008);
    h.advance(2000);
    EXPECT_EQ(statusByte(28), 0);
    EXPECT_EQ(c.inputMask(), 0);
}

TEST_F(LiveStatus, ScenarioIsPlayedOnTheOutput)
{
    // Scenario 2 of output 1 (actions 3-16 are scenarios 1-14): twice high 3,
    // low 1 (units of 100 ms), then the terminator's low level.
    QByteArray main = c.area(1);
    const auto base = qsizetype(vrm::layout::scenarios[1].base);
    QByteArray words;
    for (uint16_t w : {uint16_t(2), uint16_t(0x8003), uint16_t(1), uint16_t(0)})
        frame::appendLe16(words, w);
    main.replace(base, words.size(), words);
    c.setArea(1, main);

    EXPECT_EQ(control({2, 2, 4}), 0);
    const struct {
        qint64 at;
        bool on;
    } samples[] = {{0, true}, {299, true}, {300, false}, {399, false}, {400, true}, {700, false}, {5000, false}};
    qint64 now = 0;
    for (const auto& s : samples) {
        h.advance(s.at - now);
        now = s.at;
        EXPECT_EQ((statusByte(29) & 0x04) != 0, s.on) << "at " << s.at;
    }
    // Switching the output ends an endless scenario.
    c.setArea(1, main.replace(base, 2, bytes({0, 0})));
    EXPECT_EQ(control({2, 2, 4}), 0);
    h.advance(100000); // 250 passes later: high again
    EXPECT_EQ(statusByte(29) & 0x04, 0x04);
    EXPECT_EQ(control({2, 2, 2}), 0);
    EXPECT_EQ(statusByte(29) & 0x04, 0);
}

} // namespace
