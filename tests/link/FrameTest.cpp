#include <gtest/gtest.h>

#include "link/Frame.h"

using namespace vrm;
using Bytes = std::vector<uint8_t>;

TEST(FrameTest, BuildsTheControllersExampleFrames)
{
    EXPECT_EQ(frame::buildFrame(5), (Bytes{0x05, 0x05, 0x00, 0x00, 0xFB}));
    EXPECT_EQ(frame::buildFrame(16, Bytes{0}), (Bytes{0x05, 0x10, 0x01, 0x00, 0x00, 0xEF}));
    EXPECT_EQ(frame::buildAreaRead(7, 0, 256),
              (Bytes{0x05, 0x07, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0xF2}));
    // The 10-byte modes block to area 4 in one 21-byte frame; the XOR of
    // 08 10 0A and the bytes 1..10 is 0x19, so the check byte is 0xE7.
    const Bytes modes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const Bytes modesWrite{0x05, 0x08, 0x10, 0x00, 0, 0, 0, 0, 0x0A, 0x00, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0xE7};
    EXPECT_EQ(frame::buildAreaWrite(8, 0, modes), modesWrite);
}

TEST(FrameTest, AreaWriteCarriesAddressAndLengthLittleEndian)
{
    const Bytes chunk(3, 0xAA);
    const Bytes request = frame::buildAreaWrite(22, 0x01020304, chunk);
    EXPECT_EQ(Bytes(request.begin(), request.begin() + 10),
              (Bytes{0x05, 22, 9, 0, 0x04, 0x03, 0x02, 0x01, 3, 0}));
    EXPECT_TRUE(frame::checkByteValid(request));
}

TEST(FrameTest, AreaCommandsFollowTheAreaTable)
{
    const std::pair<int, int> table[] = {{1, 6}, {2, 1}, {3, 3}, {4, 8}, {5, 18}, {6, 22}, {7, 10}};
    for (auto [area, write] : table) {
        EXPECT_EQ(frame::areaWriteCommand(area), write) << "area " << area;
        EXPECT_EQ(frame::areaReadCommand(area), write + 1) << "area " << area;
    }
    for (int area : {0, 8, -1, 255}) {
        EXPECT_FALSE(frame::areaWriteCommand(area)) << "area " << area;
        EXPECT_FALSE(frame::areaReadCommand(area)) << "area " << area;
    }
}

TEST(FrameTest, ChunksAreAtMost256Bytes)
{
    EXPECT_EQ(frame::chunkLength(5292, 0), 256);
    EXPECT_EQ(frame::chunkLength(5292, 5120), 172);
    EXPECT_EQ(frame::chunkLength(256, 0), 256);
    EXPECT_EQ(frame::chunkLength(257, 256), 1);
}

namespace {

Bytes commandReply(uint8_t command, uint8_t status)
{
    return frame::buildFrame(command, Bytes{status});
}

Bytes areaWriteReply(uint8_t command, uint32_t address, uint16_t length, uint8_t status)
{
    Bytes payload{uint8_t(address), uint8_t(address >> 8), uint8_t(address >> 16), uint8_t(address >> 24),
                  uint8_t(length), uint8_t(length >> 8), status, 0x5A};
    return frame::buildFrame(command, payload);
}

Bytes withBadCheck(Bytes reply)
{
    reply.back() ^= 0x01;
    return reply;
}

} // namespace

TEST(FrameTest, CommandReplyVerdicts)
{
    using V = frame::Verdict;
    const struct {
        const char* name;
        Bytes reply;
        V verdict;
    } cases[] = {
        {"status 0", commandReply(16, 0), V::Accepted},
        {"status 1", commandReply(16, 1), V::FlashError},
        {"status 2", commandReply(16, 2), V::PasswordRequired},
        {"status 7", commandReply(16, 7), V::BadEcho},
        {"other command, status 0", commandReply(15, 0), V::BadEcho},
        {"other command, status 2", commandReply(15, 2), V::PasswordRequired},
        {"bad check beats status", withBadCheck(commandReply(16, 2)), V::BadCheck},
        {"too short", Bytes{0x05, 16, 1, 0, 0}, V::WrongSize},
    };
    for (const auto& c : cases)
        EXPECT_EQ(frame::validateCommandReply(c.reply, 16), c.verdict) << c.name;
}

TEST(FrameTest, AreaWriteReplyVerdicts)
{
    using V = frame::Verdict;
    const struct {
        const char* name;
        Bytes reply;
        V verdict;
    } cases[] = {
        {"echo and status 0", areaWriteReply(6, 512, 256, 0), V::Accepted},
        {"status 1", areaWriteReply(6, 512, 256, 1), V::FlashError},
        {"status 2 is no password text here", areaWriteReply(6, 512, 256, 2), V::BadEcho},
        {"other address", areaWriteReply(6, 768, 256, 0), V::BadEcho},
        {"other length", areaWriteReply(6, 512, 255, 0), V::BadEcho},
        {"other command", areaWriteReply(8, 512, 256, 0), V::BadEcho},
        {"bad check", withBadCheck(areaWriteReply(6, 512, 256, 0)), V::BadCheck},
    };
    for (const auto& c : cases)
        EXPECT_EQ(frame::validateAreaWriteReply(c.reply, 6, 512, 256), c.verdict) << c.name;
}

TEST(FrameTest, QueryAndAreaReadRepliesNeedTheirExactSize)
{
    const Bytes record(12, 0x33);
    const Bytes reply = frame::buildFrame(14, record);
    EXPECT_EQ(frame::validateQueryReply(reply, 14, 12), frame::Verdict::Accepted);
    EXPECT_EQ(frame::validateQueryReply(reply, 14, 11), frame::Verdict::WrongSize);
    EXPECT_EQ(frame::validateQueryReply(reply, 12, 12), frame::Verdict::BadEcho);

    Bytes readPayload{0, 1, 0, 0, 4, 0, 9, 9, 9, 9};
    const Bytes readReply = frame::buildFrame(7, readPayload);
    EXPECT_EQ(frame::validateAreaReadReply(readReply, 7, 256, 4), frame::Verdict::Accepted);
    EXPECT_EQ(frame::validateAreaReadReply(readReply, 7, 0, 4), frame::Verdict::BadEcho);
    EXPECT_EQ(frame::validateAreaReadReply(readReply, 7, 256, 5), frame::Verdict::WrongSize);
    EXPECT_EQ(frame::validateAreaReadReply(Bytes{}, 7, 256, 4), frame::Verdict::WrongSize);
}
