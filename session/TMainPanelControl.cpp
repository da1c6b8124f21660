#include "session/TMainPanelControl.h"

#include <QDateTime>
#include <QScopeGuard>
#include <exception>

#include "link/HeldLink.h"
#include "model/UiText.h"
#include "session/ControllerAccess.h"
#include "session/IdentityRecord.h"
#include "session/LiveStatus.h"

namespace vrm {

namespace {

constexpr int kCycleMs = 100;
// A port that cannot be opened is tried about once a second, not ten times.
constexpr int kPortMissingPauseMs = 1000;

// The hidden status label of the poller's transactions: only the last text counts.
class LastTextSink : public TransactionSink {
public:
    explicit LastTextSink(QString& text) : text_(text) {}
    void status(const QString& text, StatusKind) override { text_ = text; }
    void progress(int, int) override {}

private:
    QString& text_;
};

} // namespace

TMainPanelControl::TMainPanelControl(LinkFactory linkFactory, QStringList messages, QString portName,
                                     std::shared_ptr<const PollerInputs> inputs, int generation, QObject* parent)
    : QThread(parent), linkFactory_(std::move(linkFactory)), messages_(std::move(messages)),
      portName_(std::move(portName)), inputs_(std::move(inputs)), generation_(generation)
{
}

TMainPanelControl::~TMainPanelControl()
{
    requestStop();
    wait();
}

void TMainPanelControl::requestStop()
{
    QMutexLocker lock(&mutex_);
    stop_ = true;
    wake_.wakeAll();
}

bool TMainPanelControl::pause(int ms)
{
    QMutexLocker lock(&mutex_);
    if (!stop_)
        wake_.wait(&mutex_, ms);
    return !stop_;
}

void TMainPanelControl::run()
{
    // One port for the poller's whole life, made on its own thread: kept open
    // from cycle to cycle, and closed when the loop ends, before an operation
    // that stopped the poller opens it.
    std::unique_ptr<SerialLink> port = linkFactory_ ? linkFactory_() : nullptr;
    std::unique_ptr<HeldLink> held = port ? std::make_unique<HeldLink>(std::move(port)) : nullptr;
    link_ = held.get();
    int pauseMs = kCycleMs;
    while (pause(pauseMs)) {
        const int page = inputs_->shownPage.load();
        try {
            cycle(page);
        } catch (const std::exception&) {
            emit cycleFault(generation_, Ui::tr(" %1 не найден.").arg(portName_));
        } catch (...) {
            emit cycleFault(generation_, Ui::tr(" %1 не найден.").arg(portName_));
        }
        pauseMs = held && held->lastOpenFailed() ? kPortMissingPauseMs : kCycleMs;
    }
    link_ = nullptr;
}

int TMainPanelControl::transact(int kind, QByteArray& data, QString& lastText)
{
    if (!link_)
        throw std::runtime_error("no link");
    SerialLink& link = *link_;
    LastTextSink sink(lastText);
    TransactionRequest request;
    request.kind = kind;
    request.data = std::span<uint8_t>(reinterpret_cast<uint8_t*>(data.data()), size_t(data.size()));
    return runTransaction(link, request, messages_, sink);
}

void TMainPanelControl::lowerPriority(bool idle)
{
    const Priority wanted = idle ? QThread::IdlePriority : QThread::NormalPriority;
    if (priority() != wanted)
        setPriority(wanted);
}

void TMainPanelControl::cycle(int page)
{
    QString text;
    QByteArray identity(identity::kRecordSize, '\0');
    if (transact(int(TransactionKind::Identity), identity, text) != 0) {
        deviceAnswers_ = false;
        lowerPriority(true);
        emit identityPolled(generation_, false, QByteArray(), text);
        return;
    }
    deviceAnswers_ = true;
    lowerPriority(false);
    // The identity goes to the window with the page's own result, just before
    // it, so that the window wakes once a cycle instead of twice.
    const QString identityText = text;
    bool identityHandedOver = false;
    const auto handOverIdentity = [&] {
        if (!identityHandedOver)
            emit identityPolled(generation_, true, identity, identityText);
        identityHandedOver = true;
    };
    const auto atCycleEnd = qScopeGuard(handOverIdentity);

    // The record is the same cycle after cycle: decoded once (its texts are code page 1251).
    if (identity != checkedIdentity_) {
        checkedIdentity_ = identity;
        refusal_ = decodeIdentity(identity).unsupportedText();
    }
    const QString refusal = refusal_;
    if (!refusal.isEmpty()) {
        handOverIdentity();
        emit unsupported(generation_, refusal);
        return;
    }

    if (page == 14) {
        const QString pcTime = QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yy hh:mm:ss"));
        QByteArray status(live::kStatusSize, '\0');
        // The controller clock is not read while the user types into it.
        const bool read = !inputs_->editingControllerTime;
        const bool ok = read && transact(int(TransactionKind::Status), status, text) == 0;
        handOverIdentity();
        emit pcClock(generation_, pcTime);
        if (read)
            emit statusPolled(generation_, page, ok, ok ? status : QByteArray(), text);
        return;
    }
    const bool readsStatus = page == 0 || page == 15 || (page >= 21 && page <= 28);
    if (readsStatus) {
        QByteArray status(live::kStatusSize, '\0');
        const bool ok = transact(int(TransactionKind::Status), status, text) == 0;
        handOverIdentity();
        emit statusPolled(generation_, page, ok, ok ? status : QByteArray(), text);
        return;
    }
    if (page >= 16 && page <= 19) {
        QByteArray password = inputs_->password();
        if (transact(int(TransactionKind::Password), password, text) != 0) {
            handOverIdentity();
            emit keyPolled(generation_, page, ControllerAccess::PasswordRefused, QString(), text);
            return;
        }
        QByteArray key(live::kKeySize, '\0');
        const int read = transact(int(TransactionKind::KeyCode), key, text);
        handOverIdentity();
        if (read != 0)
            emit keyPolled(generation_, page, ControllerAccess::KeyQueryFailed, QString(), text);
        else if (keyPresented(key))
            emit keyPolled(generation_, page, ControllerAccess::KeyRead, keyCodeText(key), text);
        else
            emit keyPolled(generation_, page, ControllerAccess::NoKey, QString(), text);
    }
}

} // namespace vrm
