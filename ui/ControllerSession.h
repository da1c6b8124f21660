#pragma once
// Everything that talks to the controller from the window: the live status
// poller and its restart timer `Timer2`, the device operations and the single
// control commands. Transactions never overlap: an operation stops the poller
// first and starts it again when it ends.
//
// The poller's results arrive here as queued signals and are shown on page 0
// and in the status bar; what other pages show (clock, power, keys, input
// readings) leaves again as the signals below, on the user-interface thread.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class QLabel;
class QProgressBar;
class QTimer;

namespace vrm {

class DeviceOperations;
class OperationHost;
class PollerInputs;
class StatusPage;
class TMainPanelControl;

class ControllerSession : public QObject {
    Q_OBJECT
public:
    ControllerSession(OperationHost& host, StatusPage& statusPage, QObject* parent = nullptr);
    ~ControllerSession() override; // stops and joins the poller

    // True while a device operation runs (closing is refused then).
    bool busy() const;

    // `Timer2`: starts the poller and unlocks the controller actions after `ms`.
    void startPollerAfter(int ms);
    // Asks the poller to stop and waits for it (the window keeps repainting);
    // nothing it still had in flight reaches the window afterwards.
    void stopPoller();
    void startPoller();
    bool pollerRunning() const;
    // The running poller's "device answers" flag; false without a poller.
    bool deviceAnswers() const;

    // What the poller reads of the window; call when it changes. (The shown
    // page and the password are also picked up from the host every cycle.)
    void pageShown(int page);
    void setEditingControllerTime(bool editing);

    // Page 47: the system parameter block (area 5) through the operation frame,
    // reporting into the page's own label and progress bar. True on success.
    bool readSystemParameters(QLabel* status, QProgressBar* progress);
    bool programSystemParameters(QLabel* status, QProgressBar* progress);

    // The identity display: page 0's labels and status panel 2.
    void showIdentity(const QByteArray& record);

public slots:
    void program();        // F5
    void read();           // F6
    void compare();        // F7
    void reconfigure();    // F8
    void restart();        // F9
    void readImei();       // F10
    void factoryConfig();
    // A 3-byte control command (the status page's buttons).
    void sendControlCommand(const QByteArray& payload);
    // The 6-byte clock payload (year, month, day, hour, minute, second).
    void sendClock(const QByteArray& payload);

signals:
    // Page 14: the PC clock every cycle, the controller clock when read.
    void pcClockPolled(const QString& text);
    void controllerClockPolled(const QString& text);
    // Page 15: battery byte and mains in 0.1 V (both 0 when the read failed).
    void powerPolled(int battery, int mains);
    // Pages 0 and 15: the modem temperature.
    void temperaturePolled(int celsius, bool present);
    // Pages 16-19: TMainPanelControl::KeyOutcome, with the code for KeyRead.
    void keyPolled(int outcome, const QString& code);
    // Pages 21-28: the raw reading of input `input` (1-8); `valid` enables the colouring.
    void inputReadingPolled(int input, int value, bool valid);

private:
    void publishWindowState();
    void onIdentity(int generation, bool ok, const QByteArray& record, const QString& statusText);
    void onUnsupported(int generation, const QString& text);
    void onStatus(int generation, int page, bool ok, const QByteArray& record, const QString& statusText);
    void onPcClock(int generation, const QString& text);
    void onKey(int generation, int page, int outcome, const QString& code, const QString& statusText);
    void onCycleFault(int generation, const QString& text);
    void showPageZeroStatus(bool ok, const QByteArray& record);

    OperationHost& host_;
    StatusPage& statusPage_;
    std::shared_ptr<PollerInputs> inputs_;
    std::unique_ptr<TMainPanelControl> poller_;
    std::unique_ptr<DeviceOperations> operations_;
    QTimer* timer2_ = nullptr;
    int generation_ = 0;
};

} // namespace vrm
