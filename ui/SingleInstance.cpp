#include "ui/SingleInstance.h"

#include <QDir>

namespace vrm {

SingleInstance::SingleInstance(const QString& lockName)
    : path_(QDir(QDir::tempPath()).filePath(lockName)), lock_(path_)
{
    // A live instance refreshes nothing, so never treat its lock as stale by
    // age; a dead one is recognised by its process id instead.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return lock_.tryLock(0);
}

} // namespace vrm
