// The tool's own port layer (QSerialPort) against the vrm530-sim executable on a
// real pseudo-terminal: what an installer's PC does with a controller.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "RecordingSink.h"
#include "link/QtSerialLink.h"
#include "link/Transaction.h"
#include "link/TransactionMessages.h"
#include "model/FactoryImage.h"
#include "support/SimProcess.h"

using namespace vrm;

namespace {

class SimExecutableLinkTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sim.path().startsWith("/dev/")) << "vrm530-sim did not start"; }

    int run(TransactionKind kind, std::span<uint8_t> data, uint8_t area = 0)
    {
        QtSerialLink link(sim.path());
        const int result = runTransaction(link, {.kind = int(kind), .area = area, .data = data}, messages, sink);
        EXPECT_FALSE(link.isOpen()) << "every transaction closes the port";
        return result;
    }

    test::SimProcess sim{{"--no-pace", "--no-drift"}};
    QStringList messages = defaultTransactionMessages();
    test::RecordingSink sink;
};

// A main block unlike the factory one in every byte a page can reach, with no
// administrator password so the controller stays open.
std::vector<uint8_t> distinctMainBlock()
{
    ConfigImage image = buildFactoryImage();
    for (std::size_t i = 100; i < blocks::main.size; ++i)
        image.setByte(i, uint8_t(i * 13));
    const auto main = image.span(blocks::main);
    return {main.begin(), main.end()};
}

} // namespace

TEST_F(SimExecutableLinkTest, IdentifiesTheController)
{
    std::vector<uint8_t> identity(88, 0xEE);
    ASSERT_EQ(run(TransactionKind::Identity, identity), 0);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(identity.data()), 7), QByteArray("VRM530\0", 7));
    EXPECT_EQ(sink.last().text, messages[message::VersionRead]);
    EXPECT_EQ(sink.last().kind, StatusKind::Success);
}

TEST_F(SimExecutableLinkTest, WritesVerifiesAndReadsBackTheMainBlock)
{
    std::vector<uint8_t> block = distinctMainBlock();
    ASSERT_EQ(run(TransactionKind::WriteVerify, block, 1), 0) << sink.last().text.toStdString();
    EXPECT_EQ(sink.last().text, messages[message::ProgrammedOk]);
    ASSERT_FALSE(sink.progresses.empty());
    EXPECT_EQ(sink.progresses.back(), (std::pair{5292, 5292}));

    const std::vector<uint8_t> written = block;
    EXPECT_EQ(run(TransactionKind::Compare, block, 1), 0);
    EXPECT_EQ(sink.last().text, messages[message::CompareEqual]);

    std::vector<uint8_t> readBack(blocks::main.size, 0);
    ASSERT_EQ(run(TransactionKind::ReadArea, readBack, 1), 0);
    EXPECT_EQ(readBack, written);
}

TEST_F(SimExecutableLinkTest, AControllerThatStopsMidReadLeavesTheBufferUnchanged)
{
    ASSERT_TRUE(sim.command("unplug 3000"));
    std::vector<uint8_t> buffer(blocks::main.size, 0x5A);
    EXPECT_EQ(run(TransactionKind::ReadArea, buffer, 1), 1);
    EXPECT_EQ(sink.last().text, messages[message::TransferCode1]);
    EXPECT_EQ(sink.last().kind, StatusKind::Failure);
    EXPECT_TRUE(std::all_of(buffer.begin(), buffer.end(), [](uint8_t b) { return b == 0x5A; }));

    ASSERT_TRUE(sim.command("plug"));
    EXPECT_EQ(run(TransactionKind::ReadArea, buffer, 1), 0) << "the controller answers again once plugged in";
}
