#pragma once
// The device operations and control commands, each the same frame around its
// own transfers: stop the poller, select page 0 and lock the controller
// actions, identify the controller, refuse what this tool does not serve,
// present the password, move the bytes, and hand the port back to the poller.
// Each runs on the user-interface thread as straight-line code; every
// transaction is waited for in a local event loop that keeps repainting.

#include <QByteArray>
#include <QString>

#include "link/Transaction.h"
#include "model/Layout.h"
#include "session/OperationBackups.h"

namespace vrm {

class OperationHost;
class OperationSession;
class StatusView;

// How a comparison with the controller ended, and what the controller holds.
struct CompareOutcome {
    enum class Result { Failed, Equal, Different };
    Result result = Result::Failed;
    QByteArray held; // the controller's main block, when it was read whole
};

class DeviceOperations {
public:
    DeviceOperations(OperationHost& host, OperationSession& session);

    bool busy() const { return busy_; }

    // Each returns whether it did its job; the texts tell why not.
    bool program(); // written, verified and restarted
    void reconfigure();
    bool read();    // read whole and holding a valid configuration
    // The window's compare sends no password; a caller that has one may present it.
    CompareOutcome compare(bool presentPassword = false);
    // Identity, device and firmware checks alone (F1-F6 and F9).
    bool identifyController();
    void restart();
    void readImei();
    void factoryConfig();
    // Page 47's transfers, reporting into the page's own status view.
    bool readSystemParameters(StatusView& status);
    bool programSystemParameters(StatusView& status);
    void controlCommand(const QByteArray& payload);
    void setClock(const QByteArray& payload);

    // The 9 password bytes of the image: offsets 20-27 up to the first NUL, then NULs.
    static QByteArray passwordFromImage(const uint8_t* image);

private:
    class BusyScope;

    // How much of F2 an operation runs: the page buttons skip it, the control
    // commands keep the shown page.
    enum class Lock { PageAndActions, ActionsOnly, None };

    // What an operation runs before its own steps.
    struct Opening {
        Lock lock = Lock::PageAndActions;
        bool checkConfiguration = false; // Program and Reconfigure steps 1-2
        bool sendPassword = true;        // the image's administrator password
    };

    // F1-F6 and the checks named by `opening`, reporting to `status`. False
    // when the operation ends here; F9 has then run.
    bool open(const Opening& opening, StatusView& status);
    bool open(const Opening& opening) { return open(opening, actionStatus()); }
    // F1 and as much of F2 as `lock` says.
    void begin(Lock lock);
    // F3-F6. False when the operation must end (the texts are shown).
    bool identify(StatusView& status);
    // F9: actions unlocked, poller started.
    void finish();
    bool sendPassword(const QByteArray& password, StatusView& status);
    QByteArray imagePassword() const;
    // Program and Reconfigure steps 1-2; false when the CSD check stopped the operation.
    bool configurationAccepted();
    // The modes memory block reset to its factory values and written.
    int writeFactoryModes();
    // Reconfigure command; its result is not examined.
    void sendReconfigure();
    // Restart command, blank identity, and Timer2 in place of F9.
    void restartController();
    // A page-47 transfer after the opening, ending with the poller started.
    bool transferSystemParameters(StatusView& status, bool program);
    // The texts go to `status`; the progress too where `withProgress` is set.
    int transact(TransactionKind kind, QByteArray& data, StatusView& status, bool withProgress = false,
                 uint8_t area = 0);
    // `written`, when given, receives the bytes sent.
    int writeBlock(Block block, uint8_t area, StatusView& status, QByteArray* written = nullptr);
    // The main block written and, on success, kept as a backup.
    int programMainBlock();
    // Runs a command whose last text goes to status bar panel 3.
    void commandIntoStatusBar(TransactionKind kind, const QByteArray& payload);
    StatusView& actionStatus() const;

    OperationHost& host_;
    OperationSession& session_;
    OperationBackups backups_;
    bool busy_ = false;
};

} // namespace vrm
