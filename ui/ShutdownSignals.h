#pragma once
// Logout, shutdown and Ctrl+C (SIGHUP, SIGTERM, SIGINT) close the window the
// way its close button does, so that "VRMConfig.cfg" and "default.cnt" are
// written. The signal only wakes the user-interface thread; the close runs
// there. While a device operation runs the close is refused, as any close
// is, and tried again until the operation has ended and the window closes.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QSocketNotifier;
class QWidget;

namespace vrm {

class ShutdownSignals : public QObject {
    Q_OBJECT
public:
    static constexpr int kRetryMs = 100;

    // Catches the three signals until destroyed (one object at a time).
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

    // On a signal: close `window` once `closeAllowed` says so, asking again
    // every kRetryMs until then. A dialog still open on it is closed first.
    void closeOnSignal(QWidget& window, std::function<bool()> closeAllowed);

signals:
    void received(int signalNumber);

private:
    void onWake();
    void tryClose();

    QSocketNotifier* notifier_ = nullptr;
    QPointer<QWidget> window_;
    std::function<bool()> closeAllowed_;
    QTimer retry_;
};

} // namespace vrm
