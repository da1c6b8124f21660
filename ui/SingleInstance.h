#pragma once
// One running instance per user: a lock file in the temporary folder, held
// for the life of the object. A lock left by a crashed instance is taken over.

#include <QDir>
#include <QLockFile>
#include <QString>

namespace vrm {

class SingleInstance {
public:
    enum class Outcome {
        Acquired,      // this process now holds the lock
        HeldByAnother, // a live instance holds it: this one must not start
        Unavailable,   // the lock cannot be created (a folder that cannot be written, ...):
                       // the tool starts, but a second instance will go unnoticed
    };

    explicit SingleInstance(const QString& lockName = QStringLiteral("vrm530-config.lock"),
                            const QString& folder = QDir::tempPath());

    Outcome acquire();
    QString lockPath() const { return path_; }

private:
    QString path_;
    QLockFile lock_;
};

} // namespace vrm
