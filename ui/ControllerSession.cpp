#include "ui/ControllerSession.h"

#include <QEventLoop>
#include <QLabel>
#include <QTimer>

#include "model/ConfigImage.h"
#include "ui/DeviceOperations.h"
#include "ui/InputBlock.h"
#include "ui/LiveStatus.h"
#include "ui/OperationHost.h"
#include "ui/PollerInputs.h"
#include "ui/TMainPanelControl.h"
#include "ui/TransactionRunner.h"
#include "ui/pages/status/StatusPage.h"

namespace vrm {

ControllerSession::ControllerSession(OperationHost& host, StatusPage& statusPage, QObject* parent)
    : QObject(parent), host_(host), statusPage_(statusPage), inputs_(std::make_shared<PollerInputs>()),
      operations_(std::make_unique<DeviceOperations>(host, statusPage, *this))
{
    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setSingleShot(true);
    connect(timer2_, &QTimer::timeout, this, [this] {
        startPoller();
        host_.setControllerActionsEnabled(true);
    });
    connect(&statusPage_, &StatusPage::controlCommandRequested, this, &ControllerSession::sendControlCommand);
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

void ControllerSession::startPollerAfter(int ms)
{
    timer2_->start(ms);
}

void ControllerSession::stopPoller()
{
    timer2_->stop();
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
    statusPage_.showIdentity(record);
    host_.setStatusPanel(2, statusPage_.shownIdentity().firmwareText());
}

bool ControllerSession::readSystemParameters(QLabel* status, QProgressBar* progress)
{
    return operations_->readSystemParameters(status, progress);
}

bool ControllerSession::programSystemParameters(QLabel* status, QProgressBar* progress)
{
    return operations_->programSystemParameters(status, progress);
}

void ControllerSession::program() { operations_->program(); }
void ControllerSession::read() { operations_->read(); }
void ControllerSession::compare() { operations_->compare(); }
void ControllerSession::reconfigure() { operations_->reconfigure(); }
void ControllerSession::restart() { operations_->restart(); }
void ControllerSession::readImei() { operations_->readImei(); }
void ControllerSession::factoryConfig() { operations_->factoryConfig(); }
void ControllerSession::sendControlCommand(const QByteArray& payload) { operations_->controlCommand(payload); }
void ControllerSession::sendClock(const QByteArray& payload) { operations_->setClock(payload); }

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
    showStatus(host_.actionLabel(), QString(), colours::progress);
}

void ControllerSession::onUnsupported(int generation, const QString& text)
{
    if (generation == generation_)
        showStatus(host_.actionLabel(), text, colours::failure);
}

void ControllerSession::onStatus(int generation, int page, bool ok, const QByteArray& record,
                                 const QString& statusText)
{
    if (generation != generation_)
        return;
    if (!ok)
        host_.setStatusPanel(3, statusText);
    const LiveStatus status = LiveStatus::decode(record);
    if (page == 0) {
        showPageZeroStatus(ok, record);
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

void ControllerSession::showPageZeroStatus(bool ok, const QByteArray& record)
{
    if (!ok) {
        statusPage_.showSignalQuality(0);
        statusPage_.showGsmState(QString());
        statusPage_.showPerimeterModes(0xFF);
        statusPage_.showInputs(0);
        statusPage_.showOutputs(0);
        return;
    }
    const LiveStatus status = LiveStatus::decode(record);
    statusPage_.showSignalQuality(status.signalQuality());
    statusPage_.showGsmState(gsmStateText(status.gsmState, host_.gsmStates()));
    statusPage_.showPerimeterModes(status.perimeterModes);
    statusPage_.showInputs(status.inputs);
    statusPage_.showOutputs(status.outputs);
    statusPage_.showBalance(status.balancePresent(), status.balance);
    emit temperaturePolled(status.temperature, status.temperaturePresent());
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
    if (outcome == TMainPanelControl::KeyQueryFailed)
        host_.setStatusPanel(3, statusText);
    emit keyPolled(outcome, code);
}

void ControllerSession::onCycleFault(int generation, const QString& text)
{
    if (generation == generation_)
        host_.setStatusPanel(3, text);
}

} // namespace vrm
