#pragma once
// What the device operations need of the session around them: the live
// status poller (stopped before an operation's first transaction, started
// again at its end) and the identity display.

#include <QByteArray>

#include "session/IdentityRecord.h"

namespace vrm {

class StatusView;

class OperationSession {
public:
    virtual ~OperationSession() = default;

    // Asks the poller to stop and waits for it; a pending `Timer2` start is
    // suspended until the next startPoller().
    virtual void stopPoller() = 0;
    // Starts the poller, or resumes a suspended `Timer2` wait, which then
    // starts it and unlocks the controller actions.
    virtual void startPoller() = 0;
    // `Timer2`: starts the poller and unlocks the controller actions after `ms`.
    virtual void startPollerAfter(int ms) = 0;
    virtual bool pollerRunning() const = 0;
    // The running poller's "device answers" flag; false without a poller.
    virtual bool deviceAnswers() const = 0;

    // Shows an identity record (page 0 and status panel 2) and keeps its texts.
    virtual void showIdentity(const QByteArray& record) = 0;
    virtual const IdentityTexts& shownIdentity() const = 0;

    // The operation frame's status view (`ActionName`, `ProgressBar1`).
    virtual StatusView& actionStatus() = 0;
};

} // namespace vrm
