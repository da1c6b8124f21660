#pragma once
// Everything that talks to the controller for the window: the live status
// poller and its restart timer `Timer2`, the device operations and the single
// control commands. Transactions never overlap: an operation stops the poller
// first and starts it again when it ends.
//
// The poller's results arrive here as queued signals on the user-interface
// thread. What the pages show leaves again as the ControllerAccess signals;
// what page 0 and the status bar show goes to the window through the host and
// the signals below. No widget is touched here.

#include <QByteArray>
#include <QString>
#include <memory>

#include "link/Transaction.h"
#include "session/ControllerAccess.h"
#include "session/IdentityRecord.h"
#include "session/OperationSession.h"

class QTimer;

namespace vrm {

class DeviceOperations;
class LiveSeries;
class OperationHost;
class PollerInputs;
class TMainPanelControl;
struct LiveStatus;

class ControllerSession : public ControllerAccess, public OperationSession {
    Q_OBJECT
public:
    explicit ControllerSession(OperationHost& host, QObject* parent = nullptr);
    ~ControllerSession() override; // stops and joins the poller

    // True while a device operation runs (closing is refused then).
    bool busy() const;

    // OperationSession. stopPoller() waits for the poller while the window
    // keeps repainting; nothing it still had in flight reaches the window afterwards.
    void startPollerAfter(int ms) override;
    void stopPoller() override;
    void startPoller() override;
    bool pollerRunning() const override;
    bool deviceAnswers() const override;
    void showIdentity(const QByteArray& record) override;
    const IdentityTexts& shownIdentity() const override { return identity_; }
    StatusView& actionStatus() override;

    // Every live status record the poller read, for the live plots.
    LiveSeries& liveSeries() const { return *liveSeries_; }

    // What the poller reads of the window; call when it changes. (The shown
    // page and the password are also picked up from the host every cycle.)
    void pageShown(int page);

    // ControllerAccess.
    void sendControlCommand(const QByteArray& payload) override;
    void sendClock(const QByteArray& payload) override;
    bool readSystemParameters(StatusView& status) override;
    bool programSystemParameters(StatusView& status) override;
    void setEditingControllerTime(bool editing) override;

public slots:
    void program();        // F5
    void read();           // F6
    void compare();        // F7
    void reconfigure();    // F8
    void restart();        // F9
    void readImei();       // F10
    void factoryConfig();

signals:
    // The identity display of page 0 (blank record when no controller answered).
    void identityShown(const QByteArray& record);
    // Compare found a difference; `mainBlock` is what the controller holds.
    void controllerDiffers(const QByteArray& mainBlock);
    // The image's main block now equals the shown controller's: read whole
    // from it, or written into it and verified (`programmed`).
    void configurationTransferred(bool programmed);
    // Page 0's live status; on a failed read `ok` is false and `status` blank.
    void pageZeroPolled(bool ok, const vrm::LiveStatus& status, const QString& gsmStateText);

private:
    void publishWindowState();
    void onIdentity(int generation, bool ok, const QByteArray& record, const QString& statusText);
    void onUnsupported(int generation, const QString& text);
    void onStatus(int generation, int page, bool ok, const QByteArray& record, const QString& statusText);
    void onPcClock(int generation, const QString& text);
    void onKey(int generation, int page, int outcome, const QString& code, const QString& statusText);
    void onCycleFault(int generation, const QString& text);
    void showPollerText(const QString& text, StatusKind kind);

    OperationHost& host_;
    std::shared_ptr<PollerInputs> inputs_;
    std::unique_ptr<TMainPanelControl> poller_;
    std::unique_ptr<DeviceOperations> operations_;
    IdentityTexts identity_;
    QByteArray shownIdentityRecord_; // the record last shown: the poller repeats it every cycle
    QTimer* timer2_ = nullptr;
    LiveSeries* liveSeries_ = nullptr;
    // The rest of a `Timer2` wait that stopPoller() cut short, -1 when none.
    int suspendedTimer2Ms_ = -1;
    // `ActionName` as the operations see it: it notes who wrote last, so that
    // the poller clears its own texts and leaves an operation's alone.
    class ActionStatus;
    std::unique_ptr<ActionStatus> actionStatus_;
    int generation_ = 0;
};

} // namespace vrm
