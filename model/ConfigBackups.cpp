#include "model/ConfigBackups.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "model/ConfigFile.h"
#include "model/FactoryImage.h"
#include "model/UiText.h"

namespace vrm {
namespace {

const QString kStampFormat = QStringLiteral("yyyyMMdd-hhmmss");
const QString kReadName = QStringLiteral("read");
const QString kProgrammedName = QStringLiteral("programmed");

// The IMEI as a file name part: letters, digits and '-' kept, anything else '_'.
QString namePart(const QString& imei)
{
    QString part;
    for (const QChar c : imei.trimmed())
        part += (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('-') ? c : QLatin1Char('_');
    return part.isEmpty() ? QStringLiteral("unknown") : part;
}

QString freeName(const QDir& dir, const QString& stem)
{
    QString name = stem + QStringLiteral(".cnt");
    for (int n = 2; QFileInfo::exists(dir.filePath(name)); ++n)
        name = stem + QStringLiteral("-%1.cnt").arg(n);
    return name;
}

} // namespace

BackupResult writeBackup(const QString& folder, const QString& imei, BackupKind kind, const QByteArray& mainBlock,
                         const QDateTime& when)
{
    if (mainBlock.size() != qsizetype(blocks::main.size))
        return {{}, Ui::tr("неполный блок конфигурации (%1 байт)").arg(mainBlock.size())};
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return {{}, Ui::tr("не удалось создать папку \"%1\"").arg(QDir::toNativeSeparators(folder))};

    const QString stem = namePart(imei) + QLatin1Char('_') + when.toString(kStampFormat) + QLatin1Char('_')
        + (kind == BackupKind::Read ? kReadName : kProgrammedName);
    const QString path = dir.filePath(freeName(dir, stem));

    // The rest of the image is of no concern to a configuration file.
    ConfigImage image = buildFactoryImage();
    std::copy(mainBlock.cbegin(), mainBlock.cend(), image.data() + blocks::main.offset);
    if (writeConfigFile(path, image) != 0)
        return {{}, Ui::tr("не удалось записать файл \"%1\"").arg(QDir::toNativeSeparators(path))};
    return {path, {}};
}

QList<BackupEntry> listBackups(const QString& folder)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(.+)_(\\d{8}-\\d{6})_(read|programmed)(-\\d+)?\\.cnt$"));
    QList<BackupEntry> entries;
    const QDir dir(folder);
    for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("*.cnt")}, QDir::Files)) {
        const QRegularExpressionMatch match = pattern.match(file.fileName());
        if (!match.hasMatch())
            continue;
        const QDateTime when = QDateTime::fromString(match.captured(2), kStampFormat);
        if (!when.isValid())
            continue;
        entries.append({file.absoluteFilePath(), match.captured(1), when,
                        match.captured(3) == kReadName ? BackupKind::Read : BackupKind::Programmed});
    }
    // Newest first; within one second the later number first.
    std::sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
        if (a.when != b.when)
            return a.when > b.when;
        return QFileInfo(a.path).fileName().size() != QFileInfo(b.path).fileName().size()
            ? QFileInfo(a.path).fileName().size() > QFileInfo(b.path).fileName().size()
            : QFileInfo(a.path).fileName() > QFileInfo(b.path).fileName();
    });
    return entries;
}

QString backupKindText(BackupKind kind)
{
    return kind == BackupKind::Read ? Ui::tr("считана") : Ui::tr("запрограммирована");
}

} // namespace vrm
