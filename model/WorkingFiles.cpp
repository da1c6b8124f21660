#include "model/WorkingFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "model/RegularFile.h"

namespace vrm {

QString keepDamagedFile(const QString& path, const QDateTime& now)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.isSymLink() || info.size() == 0)
        return {};
    const QString base = path + QStringLiteral(".damaged-") + now.toString(QStringLiteral("yyyyMMdd-hhmmss"));
    for (int n = 1; n <= 100; ++n) {
        const QString target = n == 1 ? base : base + QStringLiteral("-%1").arg(n);
        if (QFileInfo::exists(target))
            continue;
        // A rename keeps the bytes exactly and needs no room on the disk.
        return QFile::rename(path, target) ? target : QString();
    }
    return {};
}

int removeInterruptedSaves(const QString& folder, const QString& fileName, const QByteArray& header)
{
    const QDir dir(folder);
    const QRegularExpression temporaryName(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(fileName) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    int removed = 0;
    for (const QString& name : dir.entryList({fileName + QStringLiteral(".*")}, QDir::Files | QDir::Hidden)) {
        if (!temporaryName.match(name).hasMatch())
            continue;
        const QString path = dir.filePath(name);
        QFile file;
        if (!openRegularFileForReading(file, path))
            continue;
        const QByteArray start = file.read(header.size());
        file.close();
        // A save cut short may have written less than the header; an empty
        // file is what an interrupted save leaves when nothing was written yet.
        if (!header.startsWith(start))
            continue;
        if (QFile::remove(path))
            ++removed;
    }
    return removed;
}

} // namespace vrm
