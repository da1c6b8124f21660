#include "session/ControllerSession.h"

#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

#include "model/ConfigImage.h"
#include "session/DeviceOperations.h"
#include "session/InputBlock.h"
#include "session/LiveSeries.h"
#include "session/LiveStatus.h"
#include "session/OperationHost.h"
#include "session/PollerInputs.h"
#include "session/StatusView.h"
#include "session/TMainPanelControl.h"

namespace vrm {

class ControllerSession::ActionStatus : public StatusView {
public:
    explicit ActionStatus(OperationHost& host) : host_(host) {}

    void showStatus(const QString& text, StatusKind kind) override
    {
        pollerWroteLast = false;
        host_.actionStatus().showStatus(text, kind);
    }
    void showProgress(int position, int maximum) override { host_.actionStatus().showProgress(position, maximum); }

    // The poller's texts: an unsupported device or firmware, or the empty text
    // of a lost controller.
    void showPollerText(const QString& text, StatusKind kind)
    {
        host_.actionStatus().showStatus(text, kind);
        pollerWroteLast = true;
    }

    // Set until an operation writes; the text shown at start-up is nobody's.
    bool pollerWroteLast = true;

private:
    OperationHost& host_;
};

ControllerSession::ControllerSession(OperationHost& host, QObject* parent)
    : ControllerAccess(parent), host_(host), inputs_(std::make_shared<PollerInputs>()),
      operations_(std::make_unique<DeviceOperations>(host, *this)),
      identity_(decodeIdentity(blankIdentityRecord())), actionStatus_(std::make_unique<ActionStatus>(host))
{
    liveSeries_ = new LiveSeries(this);
    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setSingleShot(true);
    connect(timer2_, &QTimer::timeout, this, [this] {
        startPoller();
        host_.setControllerActionsEnabled(true);
    });
}

ControllerSession::~ControllerSession()
{
    timer2_->stop();
    if (poller_) {
        ++generation_;
        poller_->requestStop();
        poller_->wait();
        poller_.reset();
    }
}

bool ControllerSession::busy() const
{
    return operations_->busy();
}

StatusView& ControllerSession::actionStatus()
{
    return *actionStatus_;
}

void ControllerSession::startPollerAfter(int ms)
{
    suspendedTimer2Ms_ = -1;
    timer2_->start(ms);
}

void ControllerSession::stopPoller()
{
    if (timer2_->isActive()) {
        // An operation that runs while the restart wait is pending (page 47's
        // buttons lock nothing) must not lose the unlock Timer2 brings.
        suspendedTimer2Ms_ = std::max(0, timer2_->remainingTime());
        timer2_->stop();
    }
    if (!poller_)
        return;
    ++generation_; // whatever the old poller still sends is dropped from now on
    TMainPanelControl* poller = poller_.get();
    poller->requestStop();
    // Wait for the cycle under way to end without freezing the window.
    QEventLoop loop;
    connect(poller, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    if (!poller->isFinished()) {
        const InputBlock noInput;
        loop.exec();
    }
    poller->wait();
    poller_.reset();
}

void ControllerSession::startPoller()
{
    if (suspendedTimer2Ms_ >= 0) {
        // Resume the restart wait; Timer2 starts the poller and unlocks the actions.
        timer2_->start(suspendedTimer2Ms_);
        suspendedTimer2Ms_ = -1;
        return;
    }
    if (poller_)
        return;
    publishWindowState();
    poller_ = std::make_unique<TMainPanelControl>(host_.linkFactory(), host_.transactionMessages(), host_.portName(),
                                                  inputs_, ++generation_);
    TMainPanelControl* poller = poller_.get();
    connect(poller, &TMainPanelControl::identityPolled, this, &ControllerSession::onIdentity, Qt::QueuedConnection);
    connect(poller, &TMainPanelControl::unsupported, this, &ControllerSession::onUnsupported, Qt::QueuedConnection);
    connect(poller, &TMainPanelControl::statusPolled, this, &ControllerSession::onStatus, Qt::QueuedConnection);
    connect(poller, &TMainPanelControl::pcClock, this, &ControllerSession::onPcClock, Qt::QueuedConnection);
    connect(poller, &TMainPanelControl::keyPolled, this, &ControllerSession::onKey, Qt::QueuedConnection);
    connect(poller, &TMainPanelControl::cycleFault, this, &ControllerSession::onCycleFault, Qt::QueuedConnection);
    poller->start(QThread::NormalPriority);
}

bool ControllerSession::pollerRunning() const
{
    return poller_ != nullptr;
}

bool ControllerSession::deviceAnswers() const
{
    return poller_ && poller_->deviceAnswers();
}

void ControllerSession::pageShown(int page)
{
    inputs_->shownPage = page;
}

void ControllerSession::setEditingControllerTime(bool editing)
{
    inputs_->editingControllerTime = editing;
}

void ControllerSession::publishWindowState()
{
    inputs_->shownPage = host_.shownPage();
    inputs_->setPassword(DeviceOperations::passwordFromImage(host_.image().data()));
}

void ControllerSession::showIdentity(const QByteArray& record)
{
    if (record == shownIdentityRecord_)
        return;
    shownIdentityRecord_ = record;
    identity_ = decodeIdentity(record);
    emit identityShown(record);
    host_.setStatusPanel(2, identity_.firmwareText());
}

bool ControllerSession::readSystemParameters(StatusView& status)
{
    return operations_->readSystemParameters(status);
}

bool ControllerSession::programSystemParameters(StatusView& status)
{
    return operations_->programSystemParameters(status);
}

void ControllerSession::program()
{
    if (operations_->program())
        emit configurationTransferred(true);
}
void ControllerSession::read()
{
    if (operations_->read())
        emit configurationTransferred(false);
}
void ControllerSession::compare()
{
    const CompareOutcome outcome = operations_->compare();
    if (outcome.result == CompareOutcome::Result::Different)
        emit controllerDiffers(outcome.held);
}
void ControllerSession::reconfigure() { operations_->reconfigure(); }
void ControllerSession::restart() { operations_->restart(); }
void ControllerSession::readImei() { operations_->readImei(); }
void ControllerSession::factoryConfig() { operations_->factoryConfig(); }
void ControllerSession::sendControlCommand(const QByteArray& payload) { operations_->controlCommand(payload); }
void ControllerSession::sendClock(const QByteArray& payload) { operations_->setClock(payload); }

void ControllerSession::showPollerText(const QString& text, StatusKind kind)
{
    actionStatus_->showPollerText(text, kind);
}

void ControllerSession::onIdentity(int generation, bool ok, const QByteArray& record, const QString& statusText)
{
    if (generation != generation_)
        return;
    publishWindowState();
    host_.setStatusPanel(3, statusText);
    if (ok) {
        showIdentity(record);
        host_.setStatusPanel(1, host_.portName());
        return;
    }
    showIdentity(blankIdentityRecord());
    host_.setStatusPanel(1, QStringLiteral("NC"));
    // An operation's failure text (the controller vanished under it) stays in sight.
    if (actionStatus_->pollerWroteLast)
        showPollerText(QString(), StatusKind::Progress);
}

void ControllerSession::onUnsupported(int generation, const QString& text)
{
    if (generation == generation_)
        showPollerText(text, StatusKind::Failure);
}

void ControllerSession::onStatus(int generation, int page, bool ok, const QByteArray& record,
                                 const QString& statusText)
{
    if (generation != generation_)
        return;
    if (!ok)
        host_.setStatusPanel(3, statusText);
    const LiveStatus status = LiveStatus::decode(ok ? record : QByteArray());
    if (ok)
        liveSeries_->add(liveSample(QDateTime::currentMSecsSinceEpoch(), status));
    if (page == 0) {
        emit pageZeroPolled(ok, status, ok ? gsmStateText(status.gsmState, host_.gsmStates()) : QString());
        if (ok)
            emit temperaturePolled(status.temperature, status.temperaturePresent());
    } else if (page == 14) {
        if (ok)
            emit controllerClockPolled(controllerClockText(status));
    } else if (page == 15) {
        emit powerPolled(ok ? status.battery : 0, ok ? status.mains : 0);
        if (ok)
            emit temperaturePolled(status.temperature, status.temperaturePresent());
    } else if (page >= 21 && page <= 28) {
        const int input = page - 20;
        const bool valid = ok && status.inputReadingValid();
        emit inputReadingPolled(input, valid ? status.inputReading[input - 1] : 0, valid);
    }
}

void ControllerSession::onPcClock(int generation, const QString& text)
{
    if (generation == generation_)
        emit pcClockPolled(text);
}

void ControllerSession::onKey(int generation, int, int outcome, const QString& code, const QString& statusText)
{
    if (generation != generation_)
        return;
    if (outcome == KeyQueryFailed)
        host_.setStatusPanel(3, statusText);
    emit keyPolled(outcome, code);
}

void ControllerSession::onCycleFault(int generation, const QString& text)
{
    if (generation == generation_)
        host_.setStatusPanel(3, text);
}

} // namespace vrm
