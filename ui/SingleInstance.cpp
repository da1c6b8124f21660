#include "ui/SingleInstance.h"

namespace vrm {

SingleInstance::SingleInstance(const QString& lockName, const QString& folder)
    : path_(QDir(folder).filePath(lockName)), lock_(path_)
{
    // A live instance refreshes nothing, so never treat its lock as stale by
    // age; a dead one is recognised by its process id instead.
    lock_.setStaleLockTime(0);
}

SingleInstance::Outcome SingleInstance::acquire()
{
    if (lock_.tryLock(0))
        return Outcome::Acquired;
    // Only a lock that exists and belongs to a live process means another
    // instance; any other failure is the folder's, not a second tool's.
    return lock_.error() == QLockFile::LockFailedError ? Outcome::HeldByAnother : Outcome::Unavailable;
}

} // namespace vrm
