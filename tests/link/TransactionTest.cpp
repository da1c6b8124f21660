// What each transaction kind sends, shows and hands back.
#include "TransactionFixture.h"

#include <QRandomGenerator>

#include "link/Frame.h"
#include "link/TransactionMessages.h"

using namespace vrm;
using namespace vrm::test;

namespace {

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray out(size, '\0');
    for (char& b : out)
        b = char(generator.bounded(256));
    return out;
}

std::vector<uint8_t> vectorOf(const QByteArray& b)
{
    return {b.begin(), b.end()};
}

} // namespace

TEST_F(TransactionFixture, SingleFrameKindsSendTheirCommandAndShowTheirText)
{
    const struct {
        TransactionKind kind;
        std::vector<uint8_t> data;
        int command;
        int successText;
    } cases[] = {
        {TransactionKind::Identity, std::vector<uint8_t>(88), 5, message::VersionRead},
        {TransactionKind::Status, std::vector<uint8_t>(36), 12, message::DataRead},
        {TransactionKind::SetClock, {99, 12, 31, 23, 59, 59}, 13, message::DataSent},
        {TransactionKind::KeyCode, std::vector<uint8_t>(12), 14, message::DataRead},
        {TransactionKind::Reconfigure, {0}, 15, message::DataSent},
        {TransactionKind::Password, std::vector<uint8_t>(9), 17, message::DataSent},
        {TransactionKind::Control, {2, 1, 1}, 20, message::DataSent},
        {TransactionKind::Query21, std::vector<uint8_t>(16), 21, message::DataRead},
        {TransactionKind::Restart, {0}, 16, message::RestartStarted},
    };
    for (auto c : cases) {
        SCOPED_TRACE(int(c.kind));
        sink = {};
        const std::size_t writesBefore = link.writes().size();
        ASSERT_EQ(run(int(c.kind), c.data), 0);
        EXPECT_EQ(sink.texts(), QStringList({text(message::Identification), text(c.successText)}));
        EXPECT_EQ(sink.statuses[0].kind, StatusKind::Progress);
        EXPECT_EQ(sink.last().kind, StatusKind::Success);
        EXPECT_TRUE(sink.progresses.empty());
        EXPECT_EQ(controller.lastCommand(), c.command);
        // "BINARY\r" and then the request, nothing else.
        ASSERT_EQ(link.writes().size(), writesBefore + 2);
        EXPECT_EQ(link.writes()[writesBefore], QByteArray("BINARY\r"));
        EXPECT_EQ(link.writes().back().left(2), QByteArray("\x05", 1) + char(c.command));
    }
    EXPECT_EQ(controller.lastControlCommand(), QByteArray("\x02\x01\x01", 3));
    EXPECT_EQ(controller.restartCount(), 1);
}

TEST_F(TransactionFixture, QueryCopiesTheRecordOnlyFromAValidReply)
{
    std::vector<uint8_t> identity(88, 0xEE);
    ASSERT_EQ(run(int(TransactionKind::Identity), identity), 0);
    EXPECT_EQ(bytes(identity), controller.identityRecord());
}

TEST_F(TransactionFixture, PasswordRequiredRefusesCommands)
{
    controller.setPassword("1234");
    std::vector<uint8_t> wrong{'9', 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(run(int(TransactionKind::Password), wrong), 1);
    EXPECT_EQ(sink.last().text, text(message::PasswordRequired));

    std::vector<uint8_t> right{'1', '2', '3', '4', 0, 0, 0, 0, 0};
    EXPECT_EQ(run(int(TransactionKind::Password), right), 0);
    EXPECT_EQ(sink.last().text, text(message::DataSent));
}

TEST_F(TransactionFixture, ReadAreaFillsTheBufferAndReportsProgressPerChunk)
{
    controller.setArea(1, randomBytes(5292, 1));
    controller.setPassword({}); // the password lives in area 1; an empty one lets the reads through
    const QByteArray main = controller.area(1);
    std::vector<uint8_t> data(5292, 0);

    ASSERT_EQ(run(int(TransactionKind::ReadArea), data, 1), 0);
    EXPECT_EQ(bytes(data), main);
    EXPECT_EQ(sink.texts(), QStringList({text(message::Identification), text(message::Reading),
                                         text(message::DataRead)}));
    EXPECT_EQ(sink.last().kind, StatusKind::Success);
    // 20 chunks of 256 and one of 172.
    ASSERT_EQ(sink.progresses.size(), 22u);
    EXPECT_EQ(sink.progresses.front(), std::make_pair(0, 5292));
    EXPECT_EQ(sink.progresses[20], std::make_pair(5120, 5292));
    EXPECT_EQ(sink.progresses.back(), std::make_pair(5292, 5292));
    const auto sent = requests();
    ASSERT_EQ(sent.size(), 21u);
    EXPECT_EQ(bytes(frame::buildAreaRead(7, 0, 256)), sent.front());
    EXPECT_EQ(bytes(frame::buildAreaRead(7, 5120, 172)), sent.back());
}

TEST_F(TransactionFixture, PhoneListTakesSeventyOneChunksEachWay)
{
    const QByteArray phones = randomBytes(18032, 2);
    std::vector<uint8_t> data = vectorOf(phones);

    ASSERT_EQ(run(int(TransactionKind::WriteVerify), data, 6), 0);
    EXPECT_EQ(controller.area(6), phones);
    const auto sent = requests();
    // 70 writes of 256 and one of 112, then the same reads.
    ASSERT_EQ(sent.size(), 142u);
    EXPECT_EQ(sent[69].size(), 256 + 11);
    EXPECT_EQ(sent[70], bytes(frame::buildAreaWrite(22, 17920, std::span(data).subspan(17920))));
    EXPECT_EQ(sent[71], bytes(frame::buildAreaRead(23, 0, 256)));
    EXPECT_EQ(sent[141], bytes(frame::buildAreaRead(23, 17920, 112)));
}

TEST_F(TransactionFixture, EachPrimitiveDiscardsTheBinaryAnswerOnceBeforeItsFirstRequest)
{
    std::vector<uint8_t> modes(10, 7);
    ASSERT_EQ(run(int(TransactionKind::WriteVerify), modes, 4), 0);
    // Write: discard, one 13-byte reply; read-back: discard, one 21-byte reply.
    EXPECT_EQ(link.readRequests(), (std::vector<int>{1, 13, 1, 21}));

    std::vector<uint8_t> main(600);
    ASSERT_EQ(run(int(TransactionKind::ReadArea), main, 1), 0);
    EXPECT_EQ(std::vector<int>(link.readRequests().begin() + 4, link.readRequests().end()),
              (std::vector<int>{1, 267, 267, 99}));
}

TEST_F(TransactionFixture, WriteVerifyReportsEqualAndDifferentReadBack)
{
    std::vector<uint8_t> modes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    ASSERT_EQ(run(int(TransactionKind::WriteVerify), modes, 4), 0);
    EXPECT_EQ(controller.area(4), bytes(modes));
    EXPECT_EQ(sink.texts(), QStringList({text(message::Identification), text(message::Writing),
                                         text(message::Reading), text(message::ProgrammedOk)}));
    EXPECT_EQ(sink.last().kind, StatusKind::Success);

    // A controller whose memory loses a bit: the read-back differs from what was sent.
    link.setReplyFilter([](const QByteArray& reply) {
        QByteArray changed = reply;
        if (changed.size() == frame::areaReadReplySize(10) && uint8_t(changed[1]) == 9) {
            changed[12] = char(changed[12] ^ 0x04);
            changed.back() = char(frame::FrameCheck(std::span(
                reinterpret_cast<const uint8_t*>(changed.constData()) + 1, std::size_t(changed.size() - 2))));
        }
        return changed;
    });
    sink = {};
    EXPECT_EQ(run(int(TransactionKind::WriteVerify), modes, 4), 1);
    EXPECT_EQ(sink.last().text, text(message::WriteMismatch));
    EXPECT_EQ(sink.last().kind, StatusKind::Failure);
    EXPECT_EQ(modes, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(TransactionFixture, CompareNeverChangesTheCallersBytes)
{
    const QByteArray system = randomBytes(24, 3);
    controller.setArea(5, system);

    std::vector<uint8_t> same = vectorOf(system);
    EXPECT_EQ(run(int(TransactionKind::Compare), same, 5), 0);
    EXPECT_EQ(sink.texts(), QStringList({text(message::Identification), text(message::Reading),
                                         text(message::CompareEqual)}));
    EXPECT_EQ(sink.last().kind, StatusKind::Success);
    EXPECT_EQ(bytes(same), system);

    std::vector<uint8_t> other = vectorOf(system);
    other[23] ^= 0xFF;
    const std::vector<uint8_t> otherBefore = other;
    EXPECT_EQ(run(int(TransactionKind::Compare), other, 5), 1);
    EXPECT_EQ(sink.last().text, text(message::CompareDifferent));
    EXPECT_EQ(sink.last().kind, StatusKind::Failure);
    EXPECT_EQ(other, otherBefore);
}

// A field-by-field comparison needs what the controller holds, from the same single read.
TEST_F(TransactionFixture, CompareHandsBackTheControllersBytesOnlyWhenTheWholeAreaArrived)
{
    QByteArray main = randomBytes(5292, 6);
    main.replace(20, 9, QByteArray(9, '\0')); // no password
    controller.setArea(1, main);
    std::vector<uint8_t> expected = vectorOf(main);
    expected[100] ^= 0x01;
    std::vector<uint8_t> held;
    const auto compare = [&] {
        return runTransaction(link,
                              TransactionRequest{.kind = int(TransactionKind::Compare), .area = 1,
                                                 .data = expected, .held = &held},
                              messages, sink);
    };
    EXPECT_EQ(compare(), 1);
    EXPECT_EQ(sink.last().text, text(message::CompareDifferent));
    EXPECT_EQ(bytes(held), main);
    const std::size_t requestsAfterOne = requests().size();

    held.clear();
    controller.faults().stopAfterBytes(1 + 2 * frame::areaReadReplySize(256));
    EXPECT_EQ(compare(), 1);
    EXPECT_TRUE(held.empty());
    EXPECT_EQ(requestsAfterOne, 21u); // one read of the block: 21 chunks, as for a plain compare
}

TEST_F(TransactionFixture, ReadAreaCutOffMidwayLeavesTheCallersBytesAlone)
{
    controller.setArea(1, randomBytes(5292, 4));
    controller.setPassword({});
    // The "BINARY" answer and three whole chunks, then the controller falls silent.
    controller.faults().stopAfterBytes(1 + 3 * frame::areaReadReplySize(256) + 100);
    std::vector<uint8_t> data(5292, 0xAA);

    EXPECT_EQ(run(int(TransactionKind::ReadArea), data, 1), 1);
    EXPECT_EQ(sink.last().text, text(message::TransferCode1));
    EXPECT_EQ(data, std::vector<uint8_t>(5292, 0xAA));
    EXPECT_EQ(sink.progresses.back(), std::make_pair(3 * 256, 5292));
}

TEST_F(TransactionFixture, AreaOutsideOneToSevenIsRefusedBeforeAnyRequest)
{
    for (uint8_t area : {0, 8}) {
        std::vector<uint8_t> data(10, 0xAA);
        sink = {};
        EXPECT_EQ(run(int(TransactionKind::ReadArea), data, area), 1);
        EXPECT_EQ(sink.last().text, message::badAreaText());
        EXPECT_EQ(sink.last().kind, StatusKind::Failure);
        EXPECT_EQ(data, std::vector<uint8_t>(10, 0xAA));
    }
    // Each run sent "BINARY\r" and no frame.
    EXPECT_EQ(link.writes(), std::vector<QByteArray>(2, QByteArray("BINARY\r")));
}

TEST_F(TransactionFixture, UnknownKindOpensAndClosesThePortAndNothingElse)
{
    std::vector<uint8_t> data(4, 0);
    for (int kind : {12, -1, 127, -128}) {
        EXPECT_EQ(run(kind, data), 1) << kind;
    }
    EXPECT_EQ(link.openCount(), 4);
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(link.writes().empty());
    EXPECT_TRUE(link.readRequests().empty());
    EXPECT_TRUE(sink.statuses.empty());
}

TEST_F(TransactionFixture, MissingPortShowsItsNameAndSendsNothing)
{
    link.setPortMissing(true);
    std::vector<uint8_t> identity(88, 0);
    EXPECT_EQ(run(int(TransactionKind::Identity), identity), 1);
    ASSERT_EQ(sink.statuses.size(), 1u);
    EXPECT_EQ(sink.last().text, QStringLiteral("Невозможно открыть ttyS7"));
    EXPECT_EQ(sink.last().kind, StatusKind::Failure);
    EXPECT_TRUE(link.writes().empty());
}

TEST_F(TransactionFixture, PortErrorShowsItsTextWithThePortName)
{
    const struct {
        const char* name;
        int writesBeforeError;
    } cases[] = {{"entering binary mode", 0}, {"reading the binary answer", 1}, {"after the first chunk", 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimulatorLink failing(controller, QStringLiteral("ttyS7"));
        failing.setPortErrorAfterWrites(c.writesBeforeError);
        RecordingSink reports;
        std::vector<uint8_t> phones(18032, 0xAA);
        EXPECT_EQ(runTransaction(failing, {.kind = 0, .area = 6, .data = phones}, messages, reports), 1);
        EXPECT_EQ(reports.last().text, QStringLiteral("Ошибка порта ttyS7"));
        EXPECT_EQ(reports.last().kind, StatusKind::Failure);
        EXPECT_FALSE(failing.isOpen());
        EXPECT_EQ(phones, std::vector<uint8_t>(18032, 0xAA));
    }
}

TEST_F(TransactionFixture, RecordsLargerThanTheEngineCarriesAreRefusedUnsent)
{
    std::vector<uint8_t> record(frame::kMaxRecord + 1, 0xAA);
    EXPECT_EQ(run(int(TransactionKind::Query21), record), 1);
    EXPECT_EQ(sink.last().kind, StatusKind::Failure);
    EXPECT_EQ(link.openCount(), 0);
    EXPECT_TRUE(link.writes().empty());
    EXPECT_EQ(record, std::vector<uint8_t>(frame::kMaxRecord + 1, 0xAA));

    std::vector<uint8_t> payload(frame::kMaxRecord + 1, 0);
    EXPECT_EQ(run(int(TransactionKind::Control), payload), 1);
    EXPECT_TRUE(link.writes().empty());
}

TEST_F(TransactionFixture, TextsComeFromTheCallersList)
{
    QStringList translated;
    for (int i = 0; i < message::Count; ++i)
        translated << QStringLiteral("text %1 ").arg(i);
    messages = translated;
    std::vector<uint8_t> identity(88);
    ASSERT_EQ(run(int(TransactionKind::Identity), identity), 0);
    EXPECT_EQ(sink.texts(), QStringList({"text 1 ", "text 10 "}));

    // A list without the texts shows them empty rather than failing.
    messages.clear();
    link.setPortMissing(true);
    sink = {};
    EXPECT_EQ(run(int(TransactionKind::Identity), identity), 1);
    EXPECT_EQ(sink.texts(), QStringList({"ttyS7"}));
}
