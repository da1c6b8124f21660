#pragma once
// What the live status poller reads of the window, published by the
// user-interface thread whenever it changes: the poller never touches a widget.

#include <QByteArray>
#include <QMutex>
#include <QMutexLocker>
#include <atomic>

namespace vrm {

class PollerInputs {
public:
    std::atomic<int> shownPage{-1};
    // On while the user edits the controller clock field of page 14.
    std::atomic<bool> editingControllerTime{false};

    // The 9 bytes of the system password as the perimeter pages send it.
    void setPassword(const QByteArray& bytes)
    {
        QMutexLocker lock(&mutex_);
        password_ = bytes;
    }
    QByteArray password() const
    {
        QMutexLocker lock(&mutex_);
        return password_;
    }

private:
    mutable QMutex mutex_;
    QByteArray password_ = QByteArray(9, '\0');
};

} // namespace vrm
