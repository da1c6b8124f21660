// Start-up care of "default.cnt" and "VRMConfig.cfg": a file that did not load
// is kept under another name; what interrupted saves left is removed, and
// nothing else.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "model/WorkingFiles.h"

using namespace vrm;

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(WorkingFiles, DamagedFileIsKeptUnderANameThatSaysSo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("default.cnt"));
    const QDateTime when(QDate(2026, 12, 10), QTime(6, 30, 5));
    ASSERT_TRUE(writeBytes(path, "[VRMControllerConfiguration_v01.02]almost all of it"));

    const QString kept = keepDamagedFile(path, when);
    EXPECT_EQ(kept, dir.filePath(QStringLiteral("default.cnt.damaged-20261210-063005")));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(bytesOf(kept), QByteArray("[VRMControllerConfiguration_v01.02]almost all of it"));

    // A second one in the same second does not replace the first.
    ASSERT_TRUE(writeBytes(path, "second"));
    const QString again = keepDamagedFile(path, when);
    EXPECT_EQ(again, kept + QStringLiteral("-2"));
    EXPECT_EQ(bytesOf(again), QByteArray("second"));
    EXPECT_EQ(bytesOf(kept), QByteArray("[VRMControllerConfiguration_v01.02]almost all of it"));

    // Nothing to keep: no file, an empty one, a folder.
    EXPECT_TRUE(keepDamagedFile(path, when).isEmpty());
    ASSERT_TRUE(writeBytes(path, {}));
    EXPECT_TRUE(keepDamagedFile(path, when).isEmpty());
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(keepDamagedFile(dir.path(), when).isEmpty());
}

TEST(WorkingFiles, OnlyTheToolsOwnLeftoversOfInterruptedSavesAreRemoved)
{
    QTemporaryDir dir;
    auto file = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    const QByteArray header("[VRMControllerConfiguration_v");
    struct Case {
        const char* name;
        QByteArray bytes;
        bool removed;
    };
    const Case cases[] = {
        {"default.cnt.a1B2c3", header + "01.02]body", true},  // complete save, never renamed
        {"default.cnt.Zz9Zz9", header.left(10), true},        // cut inside the header
        {"default.cnt.000000", {}, true},                     // nothing written yet
        {"default.cnt.q1w2e3", "someone else's notes", false}, // not our bytes
        {"default.cnt.damaged-20261210-063005", header + "01.02]", false},
        {"default.cnt.a1B2c", header, false},                 // five characters: not a save's name
        {"default.cnt.a1B2c3d", header, false},
        {"other.cnt.a1B2c3", header, false},
        {"default.cnt", header + "01.02]", false},
    };
    for (const Case& c : cases)
        ASSERT_TRUE(writeBytes(file(c.name), c.bytes)) << c.name;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("default.cnt.f0ld3r")));

    EXPECT_EQ(removeInterruptedSaves(dir.path(), QStringLiteral("default.cnt"), header), 3);
    for (const Case& c : cases)
        EXPECT_EQ(QFile::exists(file(c.name)), !c.removed) << c.name;
    EXPECT_TRUE(QFileInfo(file("default.cnt.f0ld3r")).isDir());

    ASSERT_TRUE(writeBytes(file("VRMConfig.cfg.xY12zW"), "[VRMProgCfg]pts/3"));
    EXPECT_EQ(removeInterruptedSaves(dir.path(), QStringLiteral("VRMConfig.cfg"), "[VRMProgCfg]"), 1);
    EXPECT_FALSE(QFile::exists(file("VRMConfig.cfg.xY12zW")));
}
