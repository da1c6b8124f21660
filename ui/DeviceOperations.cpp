#include "ui/DeviceOperations.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>

#include "model/ConfigImage.h"
#include "model/FactoryImage.h"
#include "ui/ControllerSession.h"
#include "ui/IdentityRecord.h"
#include "ui/OperationHost.h"
#include "ui/TFormClearConfig.h"
#include "ui/TransactionRunner.h"
#include "ui/pages/status/StatusPage.h"

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

DeviceOperations::DeviceOperations(OperationHost& host, StatusPage& statusPage, ControllerSession& session)
    : host_(host), statusPage_(statusPage), session_(session)
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

QLabel* DeviceOperations::actionLabel() const
{
    return host_.actionLabel();
}

QProgressBar* DeviceOperations::actionProgress() const
{
    return host_.actionProgress();
}

int DeviceOperations::transact(TransactionKind kind, QByteArray& data, QLabel* status, QProgressBar* progress,
                               uint8_t area)
{
    TransactionRequest request;
    request.kind = int(kind);
    request.area = area;
    request.data = std::span<uint8_t>(reinterpret_cast<uint8_t*>(data.data()), size_t(data.size()));
    return TransactionRunner(host_.linkFactory(), host_.transactionMessages()).run(request, status, progress);
}

int DeviceOperations::writeBlock(Block block, uint8_t area, QLabel* status, QProgressBar* progress)
{
    // The transaction works on a copy: the image is never touched off this thread.
    QByteArray bytes = bytesOf(host_.image(), block);
    return transact(TransactionKind::WriteVerify, bytes, status, progress, area);
}

void DeviceOperations::begin(Lock lock)
{
    session_.stopPoller();
    if (lock == Lock::PageAndActions)
        host_.selectPage(0);
    if (lock != Lock::None)
        host_.setControllerActionsEnabled(false);
}

bool DeviceOperations::identify(QLabel* status)
{
    QByteArray record(identity::kRecordSize, '\0');
    if (transact(TransactionKind::Identity, record, status) != 0) {
        session_.showIdentity(blankIdentityRecord());
        return false;
    }
    session_.showIdentity(record);
    const IdentityTexts& shown = statusPage_.shownIdentity();
    // Both refusals are failures and read as such: red, not the blue of the identity just read.
    if (!shown.deviceSupported()) {
        showStatus(actionLabel(), shown.unsupportedText(), colours::failure);
        return false;
    }
    if (!shown.firmwareSupported()) {
        showStatus(status, shown.unsupportedText(), colours::failure);
        return false;
    }
    return true;
}

bool DeviceOperations::open(const Opening& opening, QLabel* status)
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

bool DeviceOperations::sendPassword(const QByteArray& password, QLabel* status)
{
    QByteArray bytes = password;
    return transact(TransactionKind::Password, bytes, status) == 0;
}

bool DeviceOperations::configurationAccepted()
{
    host_.storeShownPage();
    host_.showShownPage();
    const QString hardware = statusPage_.shownIdentity().hardwareVersion;
    if (hardware != QStringLiteral("12.02") && hardware != QStringLiteral("13.02"))
        return true;
    for (int n = 1; n <= 8; ++n) {
        if (host_.image().get(layout::connections[std::size_t(n - 1)], layout::connection::connectionType) != 1)
            continue;
        host_.selectPage(n + 1);
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Проверка конфигурации"),
                        QStringLiteral("Контроллер аппаратной версии %1 не поддерживает функцию передачи данных "
                                       "CSD.\nНа вкладке \"Соединение %2\", установите параметр \"Тип соединения\" "
                                       "в состояние отличное от \"WardLink\".")
                            .arg(hardware)
                            .arg(n),
                        QMessageBox::Ok, actionLabel() ? actionLabel()->window() : nullptr);
        box.exec();
        return false;
    }
    return true;
}

int DeviceOperations::writeFactoryModes()
{
    restoreFactoryModesBlock(host_.image());
    return writeBlock(blocks::modes, kModesArea, actionLabel(), actionProgress());
}

void DeviceOperations::sendReconfigure()
{
    QByteArray payload = commandPayload();
    transact(TransactionKind::Reconfigure, payload, statusPage_.tmpLabel());
}

void DeviceOperations::restartController()
{
    QByteArray payload = commandPayload();
    transact(TransactionKind::Restart, payload, actionLabel());
    session_.showIdentity(blankIdentityRecord());
    // The controller is silent while it restarts: Timer2 resumes polling and unlocks the actions.
    session_.startPollerAfter(kRestartDelayMs);
}

void DeviceOperations::program()
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({.checkConfiguration = true}))
        return;
    if (writeBlock(blocks::main, kMainArea, actionLabel(), actionProgress()) != 0
        || (statusPage_.clearModesOnProgram() && writeFactoryModes() != 0)) {
        finish();
        return;
    }
    restartController();
}

void DeviceOperations::reconfigure()
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({.checkConfiguration = true}))
        return;
    // The reconfigure command goes out whether or not the write succeeded.
    if (writeBlock(blocks::main, kMainArea, actionLabel(), actionProgress()) == 0 && statusPage_.clearModesOnProgram())
        writeFactoryModes();
    sendReconfigure();
    finish();
}

void DeviceOperations::restart()
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({}))
        return;
    restartController();
}

void DeviceOperations::read()
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({}))
        return;
    host_.storeShownPage();
    ConfigImage& image = host_.image();
    QByteArray bytes(qsizetype(blocks::main.size), '\0');
    if (transact(TransactionKind::ReadArea, bytes, actionLabel(), actionProgress(), kMainArea) == 0)
        std::copy(bytes.cbegin(), bytes.cend(), image.data() + blocks::main.offset);
    if (!signatureCheck(image, buildFactoryImage())) {
        restoreFactoryMainBlock(image);
        host_.setStatusPanel(0, QStringLiteral("default.cnt"));
        showStatus(actionLabel(),
                   QStringLiteral("Контроллер не содержит достоверную конфигурацию.\nНастройте параметры как "
                                  "необходимо и запрограммируйте конфигурацию."),
                   colours::failure);
    }
    host_.showShownPage();
    finish();
}

void DeviceOperations::compare()
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({.sendPassword = false}))
        return;
    host_.storeShownPage();
    host_.showShownPage();
    QByteArray bytes = bytesOf(host_.image(), blocks::main);
    transact(TransactionKind::Compare, bytes, actionLabel(), actionProgress(), kMainArea);
    finish();
}

void DeviceOperations::readImei()
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({}))
        return;
    QGuiApplication::clipboard()->setText(QStringLiteral("IMEI: ") + statusPage_.shownIdentity().imei);
    finish();
}

void DeviceOperations::factoryConfig()
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({.sendPassword = false}))
        return;
    if (!sendPassword(QByteArray(kPasswordSize, '\0'), actionLabel())) {
        // A protected controller resets only after staying connected through the countdown.
        session_.startPoller();
        TFormClearConfig countdown([this] { return session_.pollerRunning() && !session_.deviceAnswers(); },
                                   actionLabel() ? actionLabel()->window() : nullptr);
        countdown.exec();
        if (!countdown.completed()) {
            host_.setControllerActionsEnabled(true);
            return;
        }
        session_.stopPoller();
    }
    restoreFactoryMainBlock(host_.image());
    host_.showShownPage();
    if (writeBlock(blocks::main, kMainArea, actionLabel(), actionProgress()) == 0) {
        writeFactoryModes();
        sendReconfigure();
    }
    finish();
}

bool DeviceOperations::readSystemParameters(QLabel* status, QProgressBar* progress)
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({.lock = Lock::None, .sendPassword = false}, status))
        return false;
    host_.storeShownPage();
    host_.showShownPage();
    bool ok = false;
    if (sendPassword(imagePassword(), status)) {
        host_.storeShownPage();
        QByteArray bytes(qsizetype(blocks::systemParameters.size), '\0');
        ok = transact(TransactionKind::ReadArea, bytes, status, progress, kSystemParametersArea) == 0;
        if (ok)
            std::copy(bytes.cbegin(), bytes.cend(), host_.image().data() + blocks::systemParameters.offset);
        host_.showShownPage();
    }
    session_.startPoller();
    return ok;
}

bool DeviceOperations::programSystemParameters(QLabel* status, QProgressBar* progress)
{
    BusyScope busy(busy_);
    if (!busy.entered() || !open({.lock = Lock::None, .sendPassword = false}, status))
        return false;
    host_.storeShownPage();
    host_.showShownPage();
    const bool ok = sendPassword(imagePassword(), status)
        && writeBlock(blocks::systemParameters, kSystemParametersArea, status, progress) == 0;
    session_.startPoller();
    return ok;
}

void DeviceOperations::controlCommand(const QByteArray& payload)
{
    BusyScope busy(busy_);
    if (!busy.entered() || payload.size() != 3 || !open({.lock = Lock::ActionsOnly}))
        return;
    QByteArray bytes = payload;
    transact(TransactionKind::Control, bytes, statusPage_.tmpLabel());
    host_.setStatusPanel(3, statusPage_.tmpLabel()->text());
    finish();
}

void DeviceOperations::setClock(const QByteArray& payload)
{
    BusyScope busy(busy_);
    if (!busy.entered() || payload.size() != 6 || !open({.lock = Lock::ActionsOnly, .sendPassword = false}))
        return;
    QByteArray bytes = payload;
    transact(TransactionKind::SetClock, bytes, statusPage_.tmpLabel());
    host_.setStatusPanel(3, statusPage_.tmpLabel()->text());
    finish();
}

} // namespace vrm
