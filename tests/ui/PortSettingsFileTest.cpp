// "VRMConfig.cfg": 24 bytes, the port name accepted only when it names a port.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/FifoWatchdog.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/PortSettingsFile.h"

using namespace vrm;
using namespace vrm::test;

namespace {

QByteArray settingsBytes(const QByteArray& header, const QByteArray& name8, const QByteArray& trailer)
{
    return header + name8 + trailer;
}

const QByteArray kHeader("[VRMProgCfg]");
const QByteArray kTrailer("\x86\x42\xB8\x20", 4);

QByteArray nameField(const QByteArray& name)
{
    QByteArray field = name;
    field.resize(8, '\0');
    return field;
}

} // namespace

TEST(PortSettingsFile, WrittenFileHasTheFixedLayoutAndReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VRMConfig.cfg");
    ASSERT_TRUE(writePortSettings(path, QStringLiteral("COM3")));
    EXPECT_EQ(readFile(path), settingsBytes(kHeader, nameField("COM3"), kTrailer));
    EXPECT_EQ(readPortSettings(path), QStringLiteral("COM3"));
}

TEST(PortSettingsFile, ReadAcceptsOnlyACompleteFileNamingAPort)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        std::optional<QString> expected;
    };
    const Case cases[] = {
        {"COM port", settingsBytes(kHeader, nameField("COM12"), kTrailer), QStringLiteral("COM12")},
        {"letters anywhere", settingsBytes(kHeader, nameField("MyCOx"), kTrailer), QStringLiteral("MyCOx")},
        {"pseudo-terminal", settingsBytes(kHeader, nameField("pts/3"), kTrailer), QStringLiteral("pts/3")},
        {"terminal device", settingsBytes(kHeader, nameField("ttyUSB0"), kTrailer), QStringLiteral("ttyUSB0")},
        {"name filling the field", settingsBytes(kHeader, "ttyUSB12", kTrailer), QStringLiteral("ttyUSB12")},
        {"no M", settingsBytes(kHeader, nameField("CO1"), kTrailer), std::nullopt},
        {"lower case", settingsBytes(kHeader, nameField("com1"), kTrailer), std::nullopt},
        {"bare tty", settingsBytes(kHeader, nameField("tty"), kTrailer), std::nullopt},
        {"empty name", settingsBytes(kHeader, nameField(""), kTrailer), std::nullopt},
        {"wrong header", settingsBytes("[VRMProgCfX]", nameField("COM1"), kTrailer), std::nullopt},
        {"wrong trailer", settingsBytes(kHeader, nameField("COM1"), QByteArray("\x86\x42\xB8\x21", 4)), std::nullopt},
        {"short file", settingsBytes(kHeader, nameField("COM1"), kTrailer).left(23), std::nullopt},
        {"empty file", QByteArray(), std::nullopt},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = dir.filePath("VRMConfig.cfg");
        ASSERT_TRUE(writeFile(path, c.bytes));
        EXPECT_EQ(readPortSettings(path), c.expected);
        EXPECT_EQ(parsePortSettings(c.bytes), c.expected);
    }
    EXPECT_EQ(readPortSettings(dir.filePath("missing.cfg")), std::nullopt);

    // A FIFO of that name is no settings file, and never waited for.
    const QString fifo = dir.filePath("fifo.cfg");
    ASSERT_TRUE(makeFifo(fifo));
    FifoWatchdog watchdog({fifo}, std::chrono::seconds(2));
    EXPECT_EQ(readPortSettings(fifo), std::nullopt);
    watchdog.stop();
    EXPECT_FALSE(watchdog.fired()) << "the reader blocked on a FIFO";
}

TEST(PortSettingsFile, NameThatDoesNotFitIsNotWrittenAndTheOldFileStays)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VRMConfig.cfg");
    ASSERT_TRUE(writePortSettings(path, QStringLiteral("pts/4")));
    // A cut name would select another port.
    EXPECT_FALSE(writePortSettings(path, QStringLiteral("ttyUSB10")));
    EXPECT_FALSE(writePortSettings(path, QStringLiteral("COMЖ")));
    EXPECT_EQ(readPortSettings(path), QStringLiteral("pts/4"));
}
