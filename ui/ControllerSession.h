#pragma once
// Everything that talks to the controller from the window: the live status
// poller and its restart timer `Timer2`, the device operations and the single
// control commands. Transactions never overlap: an operation stops the poller
// first and starts it again when it ends.

#include <QObject>
#include <QTimer>

namespace vrm {

class OperationHost;
class StatusPage;

class ControllerSession : public QObject {
    Q_OBJECT
public:
    ControllerSession(OperationHost& host, StatusPage& statusPage, QObject* parent = nullptr);
    ~ControllerSession() override; // stops and joins the poller

    // True while a device operation runs (closing is refused then).
    bool busy() const;

    // `Timer2`: starts the poller and unlocks the controller actions after `ms`.
    void startPollerAfter(int ms);
    void stopPoller();
    void startPoller();

public slots:
    void program();        // F5
    void read();           // F6
    void compare();        // F7
    void reconfigure();    // F8
    void restart();        // F9
    void readImei();       // F10
    void factoryConfig();

private:
    struct Private;
    Private* d;
};

} // namespace vrm
