#pragma once
// The automatic backups of the device operations: each main block read from
// or programmed into a controller is kept in the host's backups folder, as
// the bytes the transfer moved (no extra exchange with the controller). A
// backup that cannot be written never fails the operation; the installer is
// told of the first such failure of a run, once, after the operation's own
// steps, and not again.

#include <QByteArray>
#include <QString>

#include "model/ConfigBackups.h"

namespace vrm {

class OperationHost;

class OperationBackups {
public:
    explicit OperationBackups(OperationHost& host) : host_(host) {}

    // Keeps `mainBlock` as a backup of the controller with `imei`.
    void keep(const QString& imei, BackupKind kind, const QByteArray& mainBlock);
    // Shows a failure kept since the last call, unless one was shown before.
    void reportFailure();

private:
    OperationHost& host_;
    QString pendingError_;
    bool warned_ = false;
};

} // namespace vrm
