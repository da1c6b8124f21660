#pragma once
// The live status poller: a thread that, about every 100 ms, identifies the
// controller and reads what the shown page displays; while the port cannot
// be opened, about once a second. It runs its transactions directly on its
// own thread, over one port that it keeps open from cycle to cycle, and
// hands every result to the window as a queued signal carrying plain data;
// each signal carries the poller's generation so that the window can drop
// what a poller asked to stop still had in flight.

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>
#include <atomic>
#include <memory>

#include "link/SerialLink.h"
#include "link/Transaction.h"
#include "session/PollerInputs.h"

namespace vrm {

class HeldLink;

class TMainPanelControl : public QThread {
    Q_OBJECT
public:
    TMainPanelControl(LinkFactory linkFactory, QStringList messages, QString portName,
                      std::shared_ptr<const PollerInputs> inputs, int generation, QObject* parent = nullptr);
    ~TMainPanelControl() override; // stops and joins

    int generation() const { return generation_; }
    // Set after an identity succeeded, cleared after one failed; clear at first.
    bool deviceAnswers() const { return deviceAnswers_; }

    // Ends the loop at its next check; a transaction under way completes first.
    void requestStop();

signals:
    // Each cycle: the identity (the blank record's place is the window's business on failure).
    void identityPolled(int generation, bool ok, const QByteArray& record, const QString& statusText);
    // The identity names a device or firmware this tool does not serve.
    void unsupported(int generation, const QString& text);
    // Live status record read for `page` (0, 14, 15, 21-28).
    void statusPolled(int generation, int page, bool ok, const QByteArray& record, const QString& statusText);
    // Page 14: the PC clock, "dd.mm.yy hh:mm:ss", every cycle.
    void pcClock(int generation, const QString& text);
    // Pages 16-19: the key reader, a ControllerAccess::KeyOutcome; `code` is set for KeyRead.
    void keyPolled(int generation, int page, int outcome, const QString& code, const QString& statusText);
    // Something went wrong inside a cycle; the loop goes on.
    void cycleFault(int generation, const QString& text);

protected:
    void run() override;

private:
    // Returns false when the stop request came during the pause.
    bool pause(int ms);
    void cycle(int page);
    // Idle priority while the controller is silent; changed only when it changes (each change is a system call).
    void lowerPriority(bool idle);
    int transact(int kind, QByteArray& data, QString& lastText);

    LinkFactory linkFactory_;
    QStringList messages_;
    QString portName_;
    std::shared_ptr<const PollerInputs> inputs_;
    const int generation_;
    HeldLink* link_ = nullptr; // the port of the running loop
    QByteArray checkedIdentity_; // the identity record last checked, and what it refused
    QString refusal_;
    std::atomic<bool> deviceAnswers_{false};
    std::atomic<bool> stop_{false};
    QMutex mutex_;
    QWaitCondition wake_;
};

} // namespace vrm
