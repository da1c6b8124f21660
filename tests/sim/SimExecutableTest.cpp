// vrm530-sim as a process: its pseudo-terminal opened with plain POSIX
// termios, as any serial program would.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include "ControllerHarness.h"
#include "support/SimProcess.h"

using namespace vrm::sim;
using namespace vrm::sim::test;
using vrm::test::SimProcess;

namespace {

class Port {
public:
    explicit Port(const QString& path)
    {
        fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        if (fd < 0)
            return;
        termios t{};
        ::tcgetattr(fd, &t);
        ::cfmakeraw(&t);
        ::cfsetispeed(&t, B19200);
        ::cfsetospeed(&t, B19200);
        ::tcsetattr(fd, TCSANOW, &t);
    }
    ~Port()
    {
        if (fd >= 0)
            ::close(fd);
    }
    // Writes `request`, then reads until `expected` bytes came or `ms` passed.
    QByteArray exchange(const QByteArray& request, int expected, int ms = 2000)
    {
        if (::write(fd, request.constData(), size_t(request.size())) != request.size())
            return {};
        QByteArray reply;
        QElapsedTimer timer;
        timer.start();
        while (reply.size() < expected && timer.elapsed() < ms) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, int(ms - timer.elapsed())) <= 0)
                break;
            char buffer[512];
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n <= 0)
                break;
            reply.append(buffer, n);
        }
        return reply;
    }
    int fd = -1;
};

TEST(SimExecutable, AnswersEntryAndIdentityOnItsPseudoTerminal)
{
    SimProcess sim({});
    ASSERT_TRUE(sim.path().startsWith(QStringLiteral("/dev/"))) << sim.path().toStdString();
    Port port(sim.path());
    ASSERT_GE(port.fd, 0);
    EXPECT_EQ(port.exchange("BINARY\r", 1), QByteArray(1, char(Controller::kBinaryAnswer)));
    QElapsedTimer wire;
    wire.start();
    const QByteArray identity = port.exchange(frame::build(5, {}), 93);
    ASSERT_EQ(identity.size(), 93);
    EXPECT_GE(wire.elapsed(), 40); // paced: 93 bytes at 19,200 baud take 48 ms
    EXPECT_EQ(ControllerHarness::payloadOf(identity, 5).left(7), QByteArray("VRM530\0", 7));

    // The tool closes and reopens the port for every transaction.
    ::close(port.fd);
    port.fd = -1;
    Port again(sim.path());
    EXPECT_EQ(again.exchange(frame::build(5, {}), 93).size(), 93);

    sim.process().terminate();
    ASSERT_TRUE(sim.process().waitForFinished(5000));
    EXPECT_EQ(sim.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.process().exitCode(), 0);
}

TEST(SimExecutable, WritesThePortSettingsFileAndTakesOptionsAndCommands)
{
    QTemporaryDir dir;
    SimProcess sim({"--write-config", dir.path(), "--no-pace", "--no-drift", "--gsm", "10", "--software",
                    "01.03", "--password", "pw"});
    ASSERT_FALSE(sim.path().isEmpty());
    QFile config(dir.filePath("VRMConfig.cfg"));
    ASSERT_TRUE(config.open(QIODevice::ReadOnly));
    const QByteArray cfg = config.readAll();
    ASSERT_EQ(cfg.size(), 24);
    EXPECT_EQ(cfg.left(12), "[VRMProgCfg]");
    EXPECT_EQ(cfg.mid(12, 8), sim.path().mid(5).toLatin1().leftJustified(8, '\0'));
    EXPECT_EQ(cfg.right(4), bytes({0x86, 0x42, 0xB8, 0x20}));

    Port port(sim.path());
    ASSERT_GE(port.fd, 0);
    EXPECT_EQ(frame::le16(ControllerHarness::payloadOf(port.exchange(frame::build(5, {}), 93), 5), 20), 0x0103);
    EXPECT_EQ(ControllerHarness::payloadOf(port.exchange(frame::build(12, {}), 41), 12).at(30), 10);
    EXPECT_EQ(ControllerHarness::statusOf(port.exchange(frame::build(14, {}), 6), 14), 2); // password set

    sim.process().write("signal 7\nkey 00112233445566FF\n");
    ASSERT_TRUE(sim.process().waitForBytesWritten(5000));
    ASSERT_TRUE(port.exchange(frame::build(17, QByteArray("pw").leftJustified(9, '\0')), 6).size() == 6);
    QByteArray status;
    for (int i = 0; i < 50 && (status.size() != 36 || (status.at(25) & 0x1F) != 7); ++i)
        status = ControllerHarness::payloadOf(port.exchange(frame::build(12, {}), 41), 12);
    EXPECT_EQ(status.at(25) & 0x1F, 7);
    const QByteArray key = ControllerHarness::payloadOf(port.exchange(frame::build(14, {}), 17), 14);
    ASSERT_EQ(key.size(), 12);
    EXPECT_EQ(key.left(8), bytes({0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0xFF}));
    EXPECT_EQ(key.at(8) & 3, 3);

    sim.process().write("quit\n");
    ASSERT_TRUE(sim.process().waitForBytesWritten(5000));
    ASSERT_TRUE(sim.process().waitForFinished(5000));
    EXPECT_EQ(sim.process().exitCode(), 0);
}

TEST(SimExecutable, KeepsItsMemoryInTheStateFile)
{
    QTemporaryDir dir;
    const QString state = dir.filePath("state.bin");
    const QByteArray modes = bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    {
        SimProcess sim({"--state", state, "--no-pace"});
        Port port(sim.path());
        ASSERT_GE(port.fd, 0);
        const QByteArray reply =
            port.exchange(frame::build(8, ControllerHarness::areaWritePayload(0, modes)), 13);
        ASSERT_EQ(reply.size(), 13);
        sim.process().terminate();
        ASSERT_TRUE(sim.process().waitForFinished(5000));
    }
    SimProcess sim({"--state", state, "--no-pace"});
    Port port(sim.path());
    ASSERT_GE(port.fd, 0);
    const QByteArray read = port.exchange(frame::build(9, ControllerHarness::areaReadPayload(0, 10)), 21);
    EXPECT_EQ(ControllerHarness::payloadOf(read, 9).mid(6), modes);
}

// CPU time the process has used so far, from /proc/PID/stat (user + system).
double cpuSecondsOf(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Fields after the command name, which is in parentheses and may hold blanks.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / double(::sysconf(_SC_CLK_TCK));
}

TEST(SimExecutable, RestsAfterAnAreaWriteWithoutAStateFile)
{
    SimProcess sim({"--no-pace"});
    Port port(sim.path());
    ASSERT_GE(port.fd, 0);
    const QByteArray modes = bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    ASSERT_EQ(port.exchange(frame::build(8, ControllerHarness::areaWritePayload(0, modes)), 13).size(), 13);

    // Past the moment a state file would have been saved, the idle simulator
    // sleeps in its poll: a busy loop would burn most of this window.
    const double before = cpuSecondsOf(sim.process().processId());
    QElapsedTimer window;
    window.start();
    pollfd none{-1, 0, 0};
    ::poll(&none, 1, 800);
    const double used = cpuSecondsOf(sim.process().processId()) - before;
    EXPECT_LT(used, 0.1 * double(window.elapsed()) / 1000.0) << used << " s of CPU";
    EXPECT_EQ(ControllerHarness::payloadOf(port.exchange(frame::build(9, ControllerHarness::areaReadPayload(0, 10)), 21), 9)
                  .mid(6),
              modes);
}

TEST(SimExecutable, RefusesBadOptionsWithAMessage)
{
    QTemporaryDir dir;
    QFile damaged(dir.filePath("damaged.bin"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a state");
    damaged.close();
    const QStringList cases[] = {{"--gsm", "300"},
                                 {"--hardware", "1302"},
                                 {"--password", "toolongpw"},
                                 {"--serial", "1,2,3"},
                                 {"--state", damaged.fileName()},
                                 {"--no-such-option"}};
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        QProcess process;
        process.start(QStringLiteral(VRM_SIM_EXECUTABLE), arguments);
        ASSERT_TRUE(process.waitForFinished(5000));
        EXPECT_NE(process.exitCode(), 0);
        EXPECT_FALSE(process.readAllStandardError().isEmpty());
        EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    }
    QFile check(damaged.fileName());
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), "not a state"); // left as it was
}

} // namespace
