// The serial trace: what each frame reads as, that the password never shows,
// and what a transaction through a traced port leaves in the file.
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "RecordingSink.h"
#include "link/Frame.h"
#include "link/SerialTrace.h"
#include "link/TraceFormat.h"
#include "link/TracingLink.h"
#include "sim/Controller.h"
#include "support/SimulatorLink.h"

using namespace vrm;
using namespace vrm::test;

namespace {

std::vector<uint8_t> hexBytes(const char* hex)
{
    const QByteArray raw = QByteArray::fromHex(QByteArray(hex));
    return std::vector<uint8_t>(raw.begin(), raw.end());
}

QString hexText(std::span<const uint8_t> bytes)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()))
                                   .toHex(' ')
                                   .toUpper());
}

QString fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A main block whose password field (offsets 20-28) holds an unmistakable text.
const QByteArray kPassword("Zq7#xK9!");
std::vector<uint8_t> mainBlockWithPassword()
{
    std::vector<uint8_t> block(5292);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = uint8_t(i * 7);
    std::copy(kPassword.begin(), kPassword.end(), block.begin() + 20);
    block[28] = 0;
    return block;
}

const QString kPasswordHex = QStringLiteral("5A 71 37 23 78 4B 39 21");

} // namespace

TEST(TraceFormat, NamesTheFrameAndShowsItsBytes)
{
    const struct {
        const char* request;
        const char* meaning;
    } cases[] = {
        {"0505 0000 FB", "cmd 5 identity query"},
        {"0510 0100 00 EF", "cmd 16 restart, payload 1 bytes"},
        {"0507 0800 00000000 0001 0000 F2", "cmd 7 read area 1 @0x0 256 bytes"},
        {"0514 0300 020101 EB", "cmd 20 control command, payload 3 bytes"},
        {"42494E4152590D", "binary mode entry"},
    };
    for (const auto& c : cases) {
        const std::vector<uint8_t> bytes = hexBytes(c.request);
        const trace::FrameText text = trace::describeRequest(bytes);
        EXPECT_EQ(text.meaning, QString::fromLatin1(c.meaning)) << c.request;
        EXPECT_EQ(text.hex, hexText(bytes)) << c.request;
    }

    const std::vector<uint8_t> status = hexBytes("0510 0100 02 00");
    EXPECT_EQ(trace::describeReply(status, 6, hexBytes("0510 0100 00 EF")).meaning,
              QStringLiteral("cmd 16 restart reply, status 2, check byte wrong"));
}

TEST(TraceFormat, HidesThePasswordWhereverItTravels)
{
    const QByteArray password = kPassword + '\0';
    const std::vector<uint8_t> passwordFrame =
        frame::buildFrame(17, std::span(reinterpret_cast<const uint8_t*>(password.data()), 9));
    const trace::FrameText sent = trace::describeRequest(passwordFrame);
    EXPECT_EQ(sent.hex, QStringLiteral("05 11 09 00 ** ** ** ** ** ** ** ** ** **"));

    // The first chunk of the main block carries offsets 20-28; the chunk's
    // check byte would give their XOR away.
    const std::vector<uint8_t> block = mainBlockWithPassword();
    const std::vector<uint8_t> firstChunk = frame::buildAreaWrite(6, 0, std::span(block).first(256));
    const QString written = trace::describeRequest(firstChunk).hex;
    EXPECT_FALSE(written.contains(kPasswordHex));
    const QStringList writtenBytes = written.split(' ');
    for (int i = 0; i < writtenBytes.size(); ++i) {
        const bool password = (i >= 30 && i <= 38) || i == writtenBytes.size() - 1;
        EXPECT_EQ(writtenBytes[i] == QStringLiteral("**"), password) << i;
    }
    // The same bytes elsewhere in area 1, or in another area, are no password.
    const std::vector<uint8_t> secondChunk = frame::buildAreaWrite(6, 256, std::span(block).first(256));
    EXPECT_TRUE(trace::describeRequest(secondChunk).hex.contains(kPasswordHex));
    const std::vector<uint8_t> otherArea = frame::buildAreaWrite(8, 0, std::span(block).first(40));
    EXPECT_TRUE(trace::describeRequest(otherArea).hex.contains(kPasswordHex));

    // A read of that chunk brings the password back, cut short or whole.
    const std::vector<uint8_t> readRequest = frame::buildAreaRead(7, 0, 256);
    std::vector<uint8_t> reply = hexBytes("0507 0601 00000000 0001");
    reply.insert(reply.end(), block.begin(), block.begin() + 256);
    reply.push_back(frame::FrameCheck(std::span(reply).subspan(1)));
    EXPECT_EQ(trace::describeReply(reply, int(reply.size()), readRequest).hex.count(QStringLiteral("**")), 10);
    EXPECT_EQ(trace::describeReply(std::span(reply).first(40), int(reply.size()), readRequest)
                  .hex.count(QStringLiteral("**")),
              9);
}

class TracedTransaction : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(trace.start(path())); }

    QString path() const { return dir.filePath(QStringLiteral("exchange.log")); }

    int run(int kind, std::span<uint8_t> data, uint8_t area)
    {
        return runTransaction(link, TransactionRequest{.kind = kind, .area = area, .data = data},
                              defaultTransactionMessages(), sink);
    }

    QTemporaryDir dir;
    SerialTrace trace;
    sim::Controller controller;
    SimulatorLink* raw = new SimulatorLink(controller, QStringLiteral("ttyS7"));
    TracingLink link{std::unique_ptr<SerialLink>(raw), &trace};
    RecordingSink sink;
};

TEST_F(TracedTransaction, HoldsEveryFrameTheTimeOutsAndTheRetries)
{
    std::vector<uint8_t> block = mainBlockWithPassword();
    controller.faults().add(sim::Fault::Drop, 2);
    ASSERT_EQ(run(int(TransactionKind::WriteVerify), block, 1), 0);
    trace.stop();
    const QString text = fileText(path());
    const QStringList lines = text.split('\n', Qt::SkipEmptyParts);

    // Every write of the port is one "->" line, in order, with its bytes
    // (the first chunk's password and check byte hidden).
    QStringList sent;
    for (const QString& line : lines) {
        if (line.contains(QStringLiteral(" ttyS7 -> ")))
            sent << line.section(QStringLiteral(" | "), 1);
    }
    ASSERT_EQ(sent.size(), int(raw->writes().size()));
    for (int i = 0; i < sent.size(); ++i) {
        const QByteArray& bytes = raw->writes()[std::size_t(i)];
        const QString expected = trace::describeRequest(std::span(reinterpret_cast<const uint8_t*>(bytes.data()),
                                                                  std::size_t(bytes.size())))
                                     .hex;
        EXPECT_EQ(sent[i], expected) << i;
    }
    // 21 chunks written and 21 read back, the first write sent three times.
    EXPECT_EQ(text.count(QStringLiteral("-> cmd 6 write area 1")), 23);
    EXPECT_EQ(text.count(QStringLiteral("<- cmd 7 read area 1 reply")), 21);
    EXPECT_EQ(text.count(QStringLiteral("-- time-out: 0 of 13 bytes")), 2);
    EXPECT_TRUE(text.contains(QStringLiteral("-- retry, attempt 2")));
    EXPECT_TRUE(text.contains(QStringLiteral("-- retry, attempt 3")));
    EXPECT_TRUE(text.contains(QStringLiteral("-- port opened")));
    EXPECT_TRUE(text.contains(QStringLiteral("-- port closed")));
    EXPECT_FALSE(text.contains(kPasswordHex));
    EXPECT_FALSE(text.contains(QString::fromLatin1(kPassword)));

    // Time stamps to the millisecond.
    const QRegularExpression stamp(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} ttyS7 (->|<-|--) "));
    for (const QString& line : lines)
        EXPECT_TRUE(stamp.match(line).hasMatch()) << line.toStdString();
}

TEST_F(TracedTransaction, RotatesAtItsSizeLimitAndStopsWhenTold)
{
    ASSERT_TRUE(trace.start(path(), 16 * 1024));
    std::vector<uint8_t> block = mainBlockWithPassword();
    ASSERT_EQ(run(int(TransactionKind::WriteVerify), block, 1), 0);
    const QString older = path() + QStringLiteral(".1");
    EXPECT_TRUE(QFileInfo::exists(older));
    EXPECT_LE(QFileInfo(path()).size(), 16 * 1024);
    EXPECT_LE(QFileInfo(older).size(), 16 * 1024);
    // The newest lines are in the file itself: the last read-back and the close.
    EXPECT_TRUE(fileText(path()).contains(QStringLiteral("-- port closed")));

    trace.stop();
    const qint64 size = QFileInfo(path()).size();
    ASSERT_EQ(run(int(TransactionKind::WriteVerify), block, 1), 0);
    EXPECT_EQ(QFileInfo(path()).size(), size);
}

TEST(SerialTraceFile, ReportsAFileThatCannotBeOpened)
{
    QTemporaryDir dir;
    SerialTrace trace;
    QString error;
    EXPECT_FALSE(trace.start(dir.filePath(QStringLiteral("missing/folder/trace.log")), SerialTrace::kDefaultSizeLimit,
                             &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(trace.active());
}
