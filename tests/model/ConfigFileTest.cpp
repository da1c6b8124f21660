#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

#include "model/ConfigFile.h"
#include "model/FactoryImage.h"
#include "support/FifoWatchdog.h"

using namespace vrm;

namespace {

class ConfigFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

    QByteArray writtenFactoryFile()
    {
        ConfigImage image = buildFactoryImage();
        EXPECT_EQ(writeConfigFile(path("factory.cnt"), image), 0);
        QFile file(path("factory.cnt"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    void writeRaw(const QString& name, const QByteArray& bytes)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // An image that differs from the factory image everywhere the file reaches.
    static ConfigImage distinctImage()
    {
        ConfigImage image = buildFactoryImage();
        for (std::size_t i = 100; i < 5292; ++i)
            image.setByte(i, uint8_t(i));
        return image;
    }
};

} // namespace

TEST_F(ConfigFileTest, FactoryFileLayout)
{
    const QByteArray file = writtenFactoryFile();
    ASSERT_EQ(file.size(), 5328);
    EXPECT_EQ(file.left(35), QByteArray("[VRMControllerConfiguration_v01.02]"));
    uint8_t x = 0;
    for (qsizetype i = 35; i < 5327; ++i)
        x ^= uint8_t(file[i]);
    EXPECT_EQ(uint8_t(x + uint8_t(file[5327])), 0) << "XOR of the body plus the check byte is 0 mod 256";
    const ConfigImage factory = buildFactoryImage();
    EXPECT_EQ(file.mid(35, 5292), QByteArray(reinterpret_cast<const char*>(factory.data()), 5292));
}

TEST_F(ConfigFileTest, WriteClearsTheWholeAdministratorPassword)
{
    ConfigImage image = buildFactoryImage();
    image.setTextPadded(layout::commonBlock[0], layout::common::systemPassword, "12345678");
    ASSERT_EQ(writeConfigFile(path("a.cnt"), image), 0);
    for (std::size_t i = 20; i <= 28; ++i)
        EXPECT_EQ(image.byte(i), 0) << "image offset " << i;
    QFile file(path("a.cnt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().mid(35 + 20, 9), QByteArray(9, '\0'));
}

TEST_F(ConfigFileTest, RoundTripReplacesOnlyTheMainBlock)
{
    ConfigImage source = distinctImage();
    ASSERT_EQ(writeConfigFile(path("a.cnt"), source), 0);

    ConfigImage target = buildFactoryImage();
    target.setByte(5300, 0x77); // outside the main block
    ASSERT_EQ(readConfigFile(path("a.cnt"), target), LoadResult::Loaded);
    EXPECT_TRUE(std::equal(source.data(), source.data() + 5292, target.data()));
    EXPECT_EQ(target.byte(5300), 0x77);
}

TEST_F(ConfigFileTest, LoadResultCodes)
{
    const QByteArray good = writtenFactoryFile();
    QByteArray wrongCheck = good;
    wrongCheck[5327] = char(wrongCheck[5327] ^ 1);
    QByteArray oldVersion = good;
    oldVersion.replace(29, 5, "01.00");
    QByteArray nulInVersion = good;
    nulInVersion[31] = '\0';

    struct Case {
        const char* what;
        QByteArray bytes;
        LoadResult result;
    };
    const Case cases[] = {
        {"good file", good, LoadResult::Loaded},
        {"trailing bytes ignored", good + "tail", LoadResult::Loaded},
        {"empty file", QByteArray(), LoadResult::VersionMismatch},
        {"header only", good.left(35), LoadResult::UnknownFormat},
        {"truncated body", good.left(3000), LoadResult::UnknownFormat},
        {"missing check byte", good.left(5327), LoadResult::UnknownFormat},
        {"wrong check byte", wrongCheck, LoadResult::UnknownFormat},
        {"version 01.00", oldVersion, LoadResult::VersionMismatch},
        {"NUL inside the version", nulInVersion, LoadResult::VersionMismatch},
        {"short header with our prefix", good.left(20), LoadResult::VersionMismatch},
        {"foreign file", QByteArray("PK\x03\x04 some archive of another program") + QByteArray(6000, 'x'),
         LoadResult::UnknownFormat},
    };
    const ConfigImage before = distinctImage();
    for (const Case& c : cases) {
        writeRaw("case.cnt", c.bytes);
        ConfigImage image = before;
        EXPECT_EQ(readConfigFile(path("case.cnt"), image), c.result) << c.what;
        if (c.result != LoadResult::Loaded) {
            EXPECT_TRUE(image == before) << c.what << ": a failed load leaves the image unchanged";
        }
    }
}

TEST_F(ConfigFileTest, MissingFileCannotBeOpened)
{
    ConfigImage image;
    EXPECT_EQ(readConfigFile(path("absent.cnt"), image), LoadResult::CannotOpen);
}

TEST_F(ConfigFileTest, WhatIsNotARegularFileIsRefusedAtOnce)
{
    ASSERT_TRUE(test::makeFifo(path("fifo.cnt")));
    ConfigImage image = buildFactoryImage();
    const ConfigImage before = image;
    test::FifoWatchdog watchdog({path("fifo.cnt")}, std::chrono::seconds(2));
    EXPECT_EQ(readConfigFile(path("fifo.cnt"), image), LoadResult::CannotOpen);
    EXPECT_EQ(readConfigFile(dir.path(), image), LoadResult::CannotOpen); // a folder
    EXPECT_EQ(readConfigFile(QStringLiteral("/dev/null"), image), LoadResult::CannotOpen);
    watchdog.stop();
    EXPECT_FALSE(watchdog.fired()) << "the reader blocked on a FIFO";
    EXPECT_TRUE(image == before);

    // A link to a good file is a file.
    writtenFactoryFile();
    ASSERT_TRUE(QFile::link(path("factory.cnt"), path("link.cnt")));
    EXPECT_EQ(readConfigFile(path("link.cnt"), image), LoadResult::Loaded);
}

TEST_F(ConfigFileTest, ReadOnlyFileLoads)
{
    writtenFactoryFile();
    QFile::setPermissions(path("factory.cnt"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    ConfigImage image;
    EXPECT_EQ(readConfigFile(path("factory.cnt"), image), LoadResult::Loaded);
    EXPECT_EQ(image.byte(0), 1);
}

TEST_F(ConfigFileTest, ForeignVersionInTheBodyIsWrittenIntoTheHeader)
{
    ConfigImage image = buildFactoryImage();
    image.setByte(7, '3'); // "01.03"
    ASSERT_EQ(writeConfigFile(path("a.cnt"), image), 0);
    ConfigImage reader;
    EXPECT_EQ(readConfigFile(path("a.cnt"), reader), LoadResult::VersionMismatch);
}

TEST_F(ConfigFileTest, FailedWriteLeavesTheOldFileIntact)
{
    const QByteArray old = writtenFactoryFile();

    // A file size limit makes the write fail part-way, as a full disk would,
    // whatever rights the test runs with.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    ConfigImage image = distinctImage();
    const int result = writeConfigFile(path("factory.cnt"), image);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result, 1);
    QFile file(path("factory.cnt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
}
