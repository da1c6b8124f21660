#pragma once
// One running instance per user: a lock file in the temporary folder, held
// for the life of the object. A lock left by a crashed instance is taken over.

#include <QLockFile>
#include <QString>

namespace vrm {

class SingleInstance {
public:
    explicit SingleInstance(const QString& lockName = QStringLiteral("vrm530-config.lock"));

    // True when this process now holds the lock.
    bool acquire();
    QString lockPath() const { return path_; }

private:
    QString path_;
    QLockFile lock_;
};

} // namespace vrm
