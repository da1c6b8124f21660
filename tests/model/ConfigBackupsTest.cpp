// Automatic backups: names, the listing, and what a backup file holds.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "model/ConfigBackups.h"
#include "model/ConfigFile.h"
#include "model/FactoryImage.h"

using namespace vrm;

namespace {

QByteArray mainBlockOf(const ConfigImage& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(blocks::main.size));
}

const QDateTime kWhen(QDate(2026, 12, 10), QTime(9, 41, 5));

} // namespace

TEST(ConfigBackups, KeepTheExactBlockUnderTheControllersNameAndReadBack)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("backups")); // made on first use
    ConfigImage image = buildFactoryImage();
    image.setByte(4000, 0x5A);
    const QByteArray block = mainBlockOf(image);

    const BackupResult read = writeBackup(folder, QStringLiteral("351234567890125"), BackupKind::Read, block, kWhen);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(QFileInfo(read.path).fileName(), QStringLiteral("351234567890125_20261210-094105_read.cnt"));

    ConfigImage loaded = buildFactoryImage();
    ASSERT_EQ(readConfigFile(read.path, loaded), LoadResult::Loaded);
    EXPECT_EQ(mainBlockOf(loaded), block);

    // Two in one second get distinct names; odd IMEI characters stay out of the name.
    const BackupResult again = writeBackup(folder, QStringLiteral("351234567890125"), BackupKind::Read, block, kWhen);
    EXPECT_EQ(QFileInfo(again.path).fileName(), QStringLiteral("351234567890125_20261210-094105_read-2.cnt"));
    const BackupResult odd =
        writeBackup(folder, QStringLiteral("12/34 5"), BackupKind::Programmed, block, kWhen.addSecs(60));
    EXPECT_EQ(QFileInfo(odd.path).fileName(), QStringLiteral("12_34_5_20261210-094205_programmed.cnt"));

    // Newest first; files of other names are not backups.
    QFile stray(QDir(folder).filePath(QStringLiteral("notes.cnt")));
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.close();
    const QList<BackupEntry> entries = listBackups(folder);
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].path, odd.path);
    EXPECT_EQ(entries[0].imei, QStringLiteral("12_34_5"));
    EXPECT_EQ(entries[0].kind, BackupKind::Programmed);
    EXPECT_EQ(entries[1].path, again.path);
    EXPECT_EQ(entries[2].path, read.path);
    EXPECT_EQ(entries[2].when, kWhen);
    EXPECT_EQ(entries[2].kind, BackupKind::Read);
}

TEST(ConfigBackups, NeverCarryTheAdministratorPassword)
{
    QTemporaryDir dir;
    ConfigImage image = buildFactoryImage();
    for (int i = 0; i < 8; ++i)
        image.setByte(20 + std::size_t(i), uint8_t('a' + i));
    const BackupResult result =
        writeBackup(dir.path(), QStringLiteral("1"), BackupKind::Programmed, mainBlockOf(image), kWhen);
    ASSERT_TRUE(result.ok());
    QFile file(result.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("abcdefgh"));
}

TEST(ConfigBackups, AFolderThatCannotBeMadeIsAFailureWithItsReason)
{
    QTemporaryDir dir;
    // A file where the folder should be: even root cannot make the folder there.
    QFile blocker(dir.filePath(QStringLiteral("backups")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const BackupResult result = writeBackup(blocker.fileName(), QStringLiteral("1"), BackupKind::Read,
                                            mainBlockOf(buildFactoryImage()), kWhen);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(QStringLiteral("папку"))) << result.error.toStdString();
    EXPECT_TRUE(listBackups(blocker.fileName()).isEmpty());

    EXPECT_FALSE(writeBackup(dir.path(), QStringLiteral("1"), BackupKind::Read, QByteArray(100, 0), kWhen).ok());
}
