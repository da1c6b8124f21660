#pragma once
// Automatic backups: every configuration read from a controller or
// programmed into one is kept as a configuration file (.cnt) in a backups
// folder, named by the controller's IMEI, the date and time and the kind:
// "<IMEI>_<yyyyMMdd-hhmmss>_<read|programmed>.cnt" (with "-2", "-3" ... when
// two fall in one second). Like every configuration file, a backup never
// carries the administrator password.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace vrm {

inline constexpr char kBackupFolderName[] = "backups";

enum class BackupKind { Read, Programmed };

struct BackupEntry {
    QString path;
    QString imei;
    QDateTime when;
    BackupKind kind = BackupKind::Read;
};

struct BackupResult {
    QString path;  // the file written; empty on failure
    QString error; // why nothing was written
    bool ok() const { return !path.isEmpty(); }
};

// Writes `mainBlock` (the 5,292 bytes the operation moved) as a backup into
// `folder`, creating the folder when missing.
BackupResult writeBackup(const QString& folder, const QString& imei, BackupKind kind, const QByteArray& mainBlock,
                         const QDateTime& when = QDateTime::currentDateTime());

// The backups in `folder`, newest first; files of other names are left out.
QList<BackupEntry> listBackups(const QString& folder);

// "считана" / "запрограммирована", as the backups list shows the kind.
QString backupKindText(BackupKind kind);

} // namespace vrm
