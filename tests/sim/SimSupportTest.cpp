// The pieces around the responder: pacing, the port settings file, the
// state file and the console commands.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ControllerHarness.h"
#include "sim/ConsoleCommands.h"
#include "sim/Pacer.h"
#include "sim/ScenarioPlayer.h"
#include "sim/PortConfigFile.h"
#include "sim/StateFile.h"

using namespace vrm::sim;
using namespace vrm::sim::test;

namespace {

TEST(Pacer, ReleasesBytesAtWireSpeedWithoutExtraDelay)
{
    constexpr qint64 b = Pacer::kByteMicros;
    Pacer pacer;
    pacer.push("abcd", 1000);
    EXPECT_EQ(pacer.take(1000), "a"); // the first byte goes at once
    EXPECT_EQ(pacer.microsUntilNext(1000), b);
    EXPECT_EQ(pacer.take(1000 + b - 1), "");
    EXPECT_EQ(pacer.take(1000 + 2 * b), "bc"); // late wake-up catches up
    EXPECT_EQ(pacer.take(1000 + 3 * b), "d");
    EXPECT_EQ(pacer.microsUntilNext(1000 + 3 * b), -1);

    // After a pause the wire is idle: the next reply starts at once.
    pacer.push("xy", 1000000);
    EXPECT_EQ(pacer.take(1000000), "x");

    Pacer unpaced(0);
    unpaced.push("abcd", 0);
    EXPECT_EQ(unpaced.take(0), "abcd");
}

TEST(PortConfigFile, NamesThePortInTwentyFourBytes)
{
    const QByteArray bytes = portConfigBytes("pts/12");
    EXPECT_EQ(bytes, QByteArray("[VRMProgCfg]pts/12\0\0\x86\x42\xB8\x20", 24));
    EXPECT_TRUE(portConfigBytes("pts/1234").isEmpty()); // 8 characters do not fit
    EXPECT_TRUE(portConfigBytes("").isEmpty());

    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(writePortConfig(dir.path(), "pts/1234", error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("VRMConfig.cfg")));
    EXPECT_FALSE(writePortConfig(dir.filePath("missing/folder"), "pts/1", error));
}

TEST(StateFile, RoundTripsEveryAreaAndRefusesDamagedFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("state");
    QString error;
    Controller original;
    EXPECT_TRUE(loadState(original, path, error)) << "a missing file is a fresh start";
    for (int n = 1; n <= Controller::kAreaCount; ++n)
        original.setArea(n, QByteArray(Controller::areaSize(n), char(0x30 + n)));
    ASSERT_TRUE(saveState(original, path, error)) << error.toStdString();

    Controller restored;
    ASSERT_TRUE(loadState(restored, path, error)) << error.toStdString();
    for (int n = 1; n <= Controller::kAreaCount; ++n)
        EXPECT_EQ(restored.area(n), original.area(n)) << n;

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    for (const QByteArray& damaged : {bytes.chopped(1), bytes + 'x', QByteArray(bytes).replace(100, 1, "?"),
                                      QByteArray(bytes).replace(0, 3, "XYZ")}) {
        file.resize(0);
        file.seek(0);
        file.write(damaged);
        file.flush();
        Controller fresh;
        const QByteArray before = fresh.area(1);
        error.clear();
        EXPECT_FALSE(loadState(fresh, path, error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(fresh.area(1), before);
    }
}

TEST(ConsoleCommands, ChangeTheLiveStateOrSayWhatIsWrong)
{
    ControllerHarness h;
    Controller& c = h.controller;
    struct Good {
        const char* line;
        int offset; // byte of the status record
        int value;
    };
    for (const Good& g : {Good{"gsm 3", 30, 3}, {"signal 31", 25, 0x20 | 31}, {"supply 123", 22, 123},
                          {"battery 255", 24, 255}, {"temperature -10", 31, 0xF6}, {"input 2 on", 28, 0x02},
                          {"  INPUT   2   off ", 28, 0x00}, {"output 7 on", 29, 0x40}, {"perimeter 4 arm", 26, 0x80},
                          {"temperature off", 27, 0x02}, {"balance off", 27, 0x00}}) {
        SCOPED_TRACE(g.line);
        const ConsoleResult r = applyConsoleCommand(c, g.line);
        EXPECT_TRUE(r.ok) << r.message.toStdString();
        EXPECT_EQ(uint8_t(h.statusRecord().at(g.offset)), g.value);
    }
    EXPECT_TRUE(applyConsoleCommand(c, "key 0123456789abcdef").ok);
    EXPECT_EQ(ControllerHarness::payloadOf(h.ask(14), 14).left(9),
              bytes({0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0x03}));
    EXPECT_TRUE(applyConsoleCommand(c, "password abc").ok);
    EXPECT_EQ(c.password(), "abc");
    EXPECT_TRUE(applyConsoleCommand(c, "fault drop 2").ok);
    EXPECT_TRUE(h.ask(5).isEmpty());
    EXPECT_TRUE(applyConsoleCommand(c, "plug").ok);
    EXPECT_EQ(h.ask(5).size(), 93);
    EXPECT_TRUE(applyConsoleCommand(c, "quit").quit);
    EXPECT_TRUE(applyConsoleCommand(c, "").ok);

    const QByteArray before = h.statusRecord();
    for (const char* bad : {"gsm 256", "gsm x", "signal 32", "input 17 on", "input 1 maybe", "output 0 on",
                            "raw 9 100", "raw 1 4096", "perimeter 1 party", "key 0123", "key 0123456789abcdeg",
                            "password toolongpw", "fault gremlin", "frobnicate", "gsm", "gsm 1 2"}) {
        SCOPED_TRACE(bad);
        const ConsoleResult r = applyConsoleCommand(c, bad);
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.message.isEmpty());
    }
    EXPECT_EQ(h.statusRecord(), before);
    EXPECT_EQ(c.password(), "abc");
}

} // namespace

namespace {

TEST(ScenarioPlayer, LevelsFollowTheStepsAndTheEndRule)
{
    using Words = std::array<uint16_t, ScenarioPlayer::kWords>;
    constexpr int u = ScenarioPlayer::kUnitMs;
    struct Case {
        const char* what;
        Words words;
        std::vector<std::pair<qint64, bool>> samples; // time into the play, level
    };
    Words allSteps{};
    allSteps[0] = 1;
    for (int i = 1; i < ScenarioPlayer::kWords; ++i)
        allSteps[i] = uint16_t((i % 2 ? 0x8000 : 0) | 1); // high, low, ... low
    const Case cases[] = {
        {"once, then the terminator's high level",
         Words{1, 0x8002, 0x0001, 0x8000},
         {{0, true}, {2 * u - 1, true}, {2 * u, false}, {3 * u, true}, {100 * u, true}}},
        {"once, sixteen steps and no terminator: the level after the last",
         allSteps,
         {{0, true}, {u, false}, {15 * u, false}, {16 * u, true}}},
        {"no steps: the terminator's level at once", Words{1, 0x8000}, {{0, true}, {10 * u, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ScenarioPlayer player(c.words, 1000);
        for (const auto& [at, level] : c.samples)
            EXPECT_EQ(player.level(1000 + at), level) << "at " << at;
    }
}

} // namespace
