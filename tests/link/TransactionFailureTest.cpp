// How each primitive reports a controller that misbehaves, and when it tries again.
#include "TransactionFixture.h"

#include "link/TransactionMessages.h"

using namespace vrm;
using namespace vrm::test;
using sim::Fault;

namespace {

enum class Primitive { Query, Command, AreaWrite, AreaRead };

struct FailureCase {
    const char* name;
    Primitive primitive;
    Fault fault;
    int times;
    int text;      // message index shown in red
    int requests;  // frames sent, attempts included
};

void PrintTo(const FailureCase& c, std::ostream* out)
{
    *out << c.name;
}

// Identity query, reconfigure command, modes block write (kind 1) and read (kind 0).
const FailureCase kCases[] = {
    {"query, no reply", Primitive::Query, Fault::Drop, 3, message::NoReply, 3},
    {"command, no reply", Primitive::Command, Fault::Drop, 3, message::NoReply, 3},
    {"area write, no reply", Primitive::AreaWrite, Fault::Drop, 3, message::NoReply, 3},
    {"area read, no reply", Primitive::AreaRead, Fault::Drop, 3, message::TransferCode1, 3},

    {"query, one byte short", Primitive::Query, Fault::ShortByOne, 3, message::NoCorrectReply, 3},
    {"command, one byte short", Primitive::Command, Fault::ShortByOne, 3, message::NoCorrectReply, 3},
    {"area write, one byte short", Primitive::AreaWrite, Fault::ShortByOne, 3, message::NoCorrectReply, 3},
    {"area read, one byte short", Primitive::AreaRead, Fault::ShortByOne, 3, message::TransferCode1, 3},

    {"query, bad check byte", Primitive::Query, Fault::CorruptCheck, 1, message::TransferCode2, 1},
    {"command, bad check byte", Primitive::Command, Fault::CorruptCheck, 1, message::TransferCode2, 1},
    {"area write, bad check byte", Primitive::AreaWrite, Fault::CorruptCheck, 1, message::TransferCode2, 1},
    {"area read, bad check byte", Primitive::AreaRead, Fault::CorruptCheck, 1, message::TransferCode2, 1},

    {"query, wrong command echo", Primitive::Query, Fault::WrongCommandEcho, 1, message::TransferCode3, 1},
    {"command, wrong command echo", Primitive::Command, Fault::WrongCommandEcho, 1, message::TransferCode3, 1},
    {"area write, wrong command echo", Primitive::AreaWrite, Fault::WrongCommandEcho, 1, message::TransferCode3, 1},
    {"area read, wrong command echo", Primitive::AreaRead, Fault::WrongCommandEcho, 1, message::TransferCode3, 1},

    {"area write, wrong address echo", Primitive::AreaWrite, Fault::WrongAddressEcho, 1, message::TransferCode3, 1},
    {"area read, wrong address echo", Primitive::AreaRead, Fault::WrongAddressEcho, 1, message::TransferCode3, 1},
    {"area write, wrong length echo", Primitive::AreaWrite, Fault::WrongLengthEcho, 1, message::TransferCode3, 1},
    {"area read, wrong length echo", Primitive::AreaRead, Fault::WrongLengthEcho, 1, message::TransferCode3, 1},

    {"command, status 1", Primitive::Command, Fault::Status1, 1, message::FlashError, 1},
    {"area write, status 1", Primitive::AreaWrite, Fault::Status1, 1, message::FlashError, 1},
    {"command, status 2", Primitive::Command, Fault::Status2, 1, message::PasswordRequired, 1},
    {"area write, status 2", Primitive::AreaWrite, Fault::Status2, 1, message::TransferCode3, 1},
};

class TransactionFailureTest : public TransactionFixture, public ::testing::WithParamInterface<FailureCase> {
protected:
    // Runs the primitive's transaction with a buffer of marker bytes.
    int runPrimitive(Primitive primitive)
    {
        switch (primitive) {
        case Primitive::Query:
            buffer.assign(88, 0xEE);
            return run(int(TransactionKind::Identity), buffer);
        case Primitive::Command:
            buffer.assign(1, 0);
            return run(int(TransactionKind::Reconfigure), buffer);
        case Primitive::AreaWrite:
            buffer.assign(10, 0x11);
            return run(int(TransactionKind::WriteVerify), buffer, 4);
        case Primitive::AreaRead:
            buffer.assign(10, 0xEE);
            return run(int(TransactionKind::ReadArea), buffer, 4);
        }
        return -1;
    }

    std::vector<uint8_t> buffer;
};

} // namespace

TEST_P(TransactionFailureTest, ShowsItsTextAfterTheRightNumberOfAttempts)
{
    const FailureCase& c = GetParam();
    controller.faults().add(c.fault, c.times);

    EXPECT_EQ(runPrimitive(c.primitive), 1);
    EXPECT_EQ(sink.last().text, text(c.text));
    EXPECT_EQ(sink.last().kind, StatusKind::Failure);
    EXPECT_EQ(int(requests().size()), c.requests);
    EXPECT_FALSE(link.isOpen());
    // A failed read or query leaves the caller's bytes as they were.
    if (c.primitive == Primitive::Query || c.primitive == Primitive::AreaRead) {
        EXPECT_EQ(buffer, std::vector<uint8_t>(buffer.size(), 0xEE));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPrimitive, TransactionFailureTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST_F(TransactionFixture, TwoLostRepliesAreRecoveredByTheThirdAttempt)
{
    std::vector<uint8_t> identity(88, 0);
    controller.faults().add(Fault::Drop, 2);
    EXPECT_EQ(run(int(TransactionKind::Identity), identity), 0);
    EXPECT_EQ(requests().size(), 3u);
    EXPECT_EQ(bytes(identity), controller.identityRecord());

    std::vector<uint8_t> modes(10, 0);
    controller.faults().add(Fault::ShortByOne, 2);
    EXPECT_EQ(run(int(TransactionKind::ReadArea), modes, 4), 0);
    EXPECT_EQ(bytes(modes), controller.area(4));
}
