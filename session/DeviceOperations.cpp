#include "session/DeviceOperations.h"


#include "model/ConfigImage.h"
#include "model/FactoryImage.h"
#include "model/UiText.h"
#include "session/IdentityRecord.h"
#include "session/OperationHost.h"
#include "session/OperationSession.h"
#include "session/StatusView.h"
#include "session/TransactionRunner.h"

namespace vrm {

namespace {

constexpr int kRestartDelayMs = 3000;
constexpr uint8_t kMainArea = 1;
constexpr uint8_t kModesArea = 4;
constexpr uint8_t kSystemParametersArea = 5;
constexpr int kPasswordSize = layout::common::systemPassword.info.width;
constexpr std::size_t kPasswordOffset = layout::commonBlock[0].base + layout::common::systemPassword.info.offset;

QByteArray bytesOf(const ConfigImage& image, Block block)
{
    return QByteArray(reinterpret_cast<const char*>(image.data() + block.offset), qsizetype(block.size));
}

QByteArray commandPayload()
{
    return QByteArray(1, '\0');
}

} // namespace

// Marks the session busy for one operation and refuses a nested one.
class DeviceOperations::BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy), entered_(!busy) { busy_ = true; }
    ~BusyScope()
    {
        if (entered_)
            busy_ = false;
    }
    bool entered() const { return entered_; }

private:
    bool& busy_;
    bool entered_;
};

DeviceOperations::DeviceOperations(OperationHost& host, OperationSession& session)
    : host_(host), session_(session), backups_(host)
{
}

QByteArray DeviceOperations::passwordFromImage(const uint8_t* image)
{
    QByteArray password(kPasswordSize, '\0');
    for (int i = 0; i < kPasswordSize - 1 && image[kPasswordOffset + std::size_t(i)] != 0; ++i)
        password[i] = char(image[kPasswordOffset + std::size_t(i)]);
    return password;
}

QByteArray DeviceOperations::imagePassword() const
{
    return passwordFromImage(host_.image().data());
}

StatusView& DeviceOperations::actionStatus() const
{
    return session_.actionStatus();
}

int DeviceOperations::transact(TransactionKind kind, QByteArray& data, StatusView& status, bool withProgress,
                               uint8_t area)
{
    TransactionRequest request;
    request.kind = int(kind);
    request.area = area;
    request.data = std::span<uint8_t>(reinterpret_cast<uint8_t*>(data.data()), size_t(data.size()));
    return TransactionRunner(host_.linkFactory(), host_.transactionMessages()).run(request, &status, withProgress);
}

int DeviceOperations::writeBlock(Block block, uint8_t area, StatusView& status, QByteArray* written)
{
    // The transaction works on a copy: the image is never touched off this thread.
    QByteArray bytes = bytesOf(host_.image(), block);
    if (written)
        *written = bytes;
    return transact(TransactionKind::WriteVerify, bytes, status, true, area);
}

int DeviceOperations::programMainBlock()
{
    QByteArray written;
    const int result = writeBlock(blocks::main, kMainArea, actionStatus(), &written);
    if (result == 0)
        backups_.keep(session_.shownIdentity().imei, BackupKind::Programmed, written);
    return result;
}

void DeviceOperations::begin(Lock lock)
{
    session_.stopPoller();
    if (lock == Lock::PageAndActions)
        host_.selectPage(0);
    if (lock != Lock::None)
        host_.setControllerActionsEnabled(false);
}

bool DeviceOperations::identify(StatusView& status)
{
    QByteArray record(identity::kRecordSize, '\0');
    if (transact(TransactionKind::Identity, record, status) != 0) {
        session_.showIdentity(blankIdentityRecord());
        return false;
    }
    session_.showIdentity(record);
    const IdentityTexts& shown = session_.shownIdentity();
    // Both refusals are failures and read as such: red, not the blue of the identity just read.
    if (!shown.deviceSupported()) {
        actionStatus().showStatus(shown.unsupportedText(), StatusKind::Failure);
        return false;
    }
    if (!shown.firmwareSupported()) {
        status.showStatus(shown.unsupportedText(), StatusKind::Failure);
        return false;
    }
    return true;
}

bool DeviceOperations::open(const Opening& opening, StatusView& status)
{
    begin(opening.lock);
    if (identify(status) && (!opening.checkConfiguration || configurationAccepted())
        && (!opening.sendPassword || sendPassword(imagePassword(), status)))
        return true;
    finish();
    return false;
}

void DeviceOperations::finish()
{
    host_.setControllerActionsEnabled(true);
    session_.startPoller();
}

bool DeviceOperations::sendPassword(const QByteArray& password, StatusView& status)
{
    QByteArray bytes = password;
    return transact(TransactionKind::Password, bytes, status) == 0;
}

bool DeviceOperations::configurationAccepted()
{
    host_.storeShownPage();
    host_.showShownPage();
    const QString hardware = session_.shownIdentity().hardwareVersion;
    if (hardware != QStringLiteral("12.02") && hardware != QStringLiteral("13.02"))
        return true;
    for (int n = 1; n <= 8; ++n) {
        if (host_.image().get(layout::connections[std::size_t(n - 1)], layout::connection::connectionType) != 1)
            continue;
        host_.selectPage(n + 1);
        host_.showWarning(Ui::tr("Проверка конфигурации"),
                   Ui::tr("Контроллер аппаратной версии %1 не поддерживает функцию передачи данных "
                          "CSD.\nНа вкладке \"Соединение %2\", установите параметр \"Тип соединения\" "
                          "в состояние отличное от \"WardLink\".")
                       .arg(hardware)
                       .arg(n));
        return false;
    }
    return true;
}

int DeviceOperations::writeFactoryModes()
{
    restoreFactoryModesBlock(host_.image());
    return writeBlock(blocks::modes, kModesArea, actionStatus());
}

void DeviceOperations::sendReconfigure()
{
    // The result goes to a hidden place: the operation's own texts stay in sight.
    QByteArray payload = commandPayload();
    LastStatusText hidden;
    transact(TransactionKind::Reconfigure, payload, hidden);
}

void DeviceOperations::restartController()
{
    QByteArray payload = commandPayload();
    transact(TransactionKind::Restart, payload, actionStatus());
    session_.showIdentity(blankIdentityRecord());
    // The controller is silent while it restarts: Timer2 resumes polling and unlocks the actions.
    session_.startPollerAfter(kRestartDelayMs);
}

bool DeviceOperations::program()
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({.checkConfiguration = true}))
        return false;
    const bool programmed =
        programMainBlock() == 0 && (!host_.clearModesOnProgram() || writeFactoryModes() == 0);
    if (programmed)
        restartController();
    else
        finish();
    backups_.reportFailure();
    return programmed;
}

void DeviceOperations::reconfigure()
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({.checkConfiguration = true}))
        return;
    // The reconfigure command goes out whether or not the write succeeded.
    if (programMainBlock() == 0 && host_.clearModesOnProgram())
        writeFactoryModes();
    sendReconfigure();
    finish();
    backups_.reportFailure();
}

void DeviceOperations::restart()
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({}))
        return;
    restartController();
}

bool DeviceOperations::read()
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({}))
        return false;
    host_.storeShownPage();
    ConfigImage& image = host_.image();
    QByteArray bytes(qsizetype(blocks::main.size), '\0');
    const bool transferred = transact(TransactionKind::ReadArea, bytes, actionStatus(), true, kMainArea) == 0;
    if (transferred) {
        std::copy(bytes.cbegin(), bytes.cend(), image.data() + blocks::main.offset);
        // Kept as read, even when the check below finds no valid configuration in it.
        backups_.keep(session_.shownIdentity().imei, BackupKind::Read, bytes);
    }
    const bool valid = signatureCheck(image, buildFactoryImage());
    if (!valid) {
        restoreFactoryMainBlock(image);
        host_.setStatusPanel(0, QStringLiteral("default.cnt"));
        actionStatus().showStatus(Ui::tr("Контроллер не содержит достоверную конфигурацию.\nНастройте "
                                         "параметры как необходимо и запрограммируйте конфигурацию."),
                                  StatusKind::Failure);
    }
    host_.showShownPage();
    finish();
    backups_.reportFailure();
    return transferred && valid;
}

CompareOutcome DeviceOperations::compare(bool presentPassword)
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({.sendPassword = presentPassword}))
        return {};
    host_.storeShownPage();
    host_.showShownPage();
    QByteArray bytes = bytesOf(host_.image(), blocks::main);
    std::vector<uint8_t> held;
    TransactionRequest request;
    request.kind = int(TransactionKind::Compare);
    request.area = kMainArea;
    request.data = std::span<uint8_t>(reinterpret_cast<uint8_t*>(bytes.data()), size_t(bytes.size()));
    request.held = &held;
    // The transaction's own texts tell the outcome; what the controller holds
    // arrives only with a whole read, and then tells equal from different.
    const int result = TransactionRunner(host_.linkFactory(), host_.transactionMessages())
                           .run(request, &actionStatus(), true);
    finish();
    CompareOutcome outcome;
    if (held.size() != std::size_t(bytes.size()))
        return outcome;
    outcome.result = result == 0 ? CompareOutcome::Result::Equal : CompareOutcome::Result::Different;
    outcome.held = QByteArray(reinterpret_cast<const char*>(held.data()), qsizetype(held.size()));
    return outcome;
}

bool DeviceOperations::identifyController()
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({.sendPassword = false}))
        return false;
    finish();
    return true;
}

void DeviceOperations::readImei()
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({}))
        return;
    host_.copyToClipboard(QStringLiteral("IMEI: ") + session_.shownIdentity().imei);
    finish();
}

void DeviceOperations::factoryConfig()
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({.sendPassword = false}))
        return;
    if (!sendPassword(QByteArray(kPasswordSize, '\0'), actionStatus())) {
        // A protected controller resets only after staying connected through the countdown.
        session_.startPoller();
        const bool completed = host_.runFactoryResetCountdown(
            [this] { return session_.pollerRunning() && !session_.deviceAnswers(); });
        if (!completed) {
            host_.setControllerActionsEnabled(true);
            return;
        }
        session_.stopPoller();
    }
    restoreFactoryMainBlock(host_.image());
    host_.showShownPage();
    if (programMainBlock() == 0) {
        writeFactoryModes();
        sendReconfigure();
    }
    finish();
    backups_.reportFailure();
}

bool DeviceOperations::readSystemParameters(StatusView& status)
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({.lock = Lock::None, .sendPassword = false}, status))
        return false;
    return transferSystemParameters(status, false);
}

bool DeviceOperations::programSystemParameters(StatusView& status)
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({.lock = Lock::None, .sendPassword = false}, status))
        return false;
    return transferSystemParameters(status, true);
}

bool DeviceOperations::transferSystemParameters(StatusView& status, bool program)
{
    host_.storeShownPage();
    host_.showShownPage();
    bool ok = false;
    if (sendPassword(imagePassword(), status)) {
        if (program) {
            ok = writeBlock(blocks::systemParameters, kSystemParametersArea, status) == 0;
        } else {
            host_.storeShownPage();
            QByteArray bytes(qsizetype(blocks::systemParameters.size), '\0');
            ok = transact(TransactionKind::ReadArea, bytes, status, true, kSystemParametersArea) == 0;
            if (ok)
                std::copy(bytes.cbegin(), bytes.cend(), host_.image().data() + blocks::systemParameters.offset);
            host_.showShownPage();
        }
    }
    // These buttons lock nothing, so there is nothing to unlock here: the
    // session resumes a restart wait this operation interrupted.
    session_.startPoller();
    return ok;
}

void DeviceOperations::commandIntoStatusBar(TransactionKind kind, const QByteArray& payload)
{
    QByteArray bytes = payload;
    LastStatusText last;
    transact(kind, bytes, last);
    host_.setStatusPanel(3, last.text());
    finish();
}

void DeviceOperations::controlCommand(const QByteArray& payload)
{
    BusyScope busy(busy_);
    if (!busy.entered() || payload.size() != 3 || !open({.lock = Lock::ActionsOnly}))
        return;
    commandIntoStatusBar(TransactionKind::Control, payload);
}

void DeviceOperations::setClock(const QByteArray& payload)
{
    BusyScope busy(busy_);
    if (!busy.entered() || payload.size() != 6 || !open({.lock = Lock::ActionsOnly, .sendPassword = false}))
        return;
    commandIntoStatusBar(TransactionKind::SetClock, payload);
}

} // namespace vrm
