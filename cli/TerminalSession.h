#pragma once
// The device operations as the command-line tool runs them: the same frame
// and checks as in the window (identity, device and firmware check, password,
// write with verify, restart after program), around an image of its own. No
// pages, no poller, no dialogs: warnings go to standard error.

#include <QStringList>

#include "cli/TerminalStatus.h"
#include "model/ConfigImage.h"
#include "session/DeviceOperations.h"
#include "session/OperationHost.h"
#include "session/OperationSession.h"

namespace vrm::cli {

class TerminalSession : public OperationHost, public OperationSession {
public:
    TerminalSession(const QString& portName, ConfigImage image);

    DeviceOperations& operations() { return operations_; }
    TerminalStatus& status() { return status_; }
    void setClearModesOnProgram(bool clear) { clearModes_ = clear; }

    // OperationHost.
    ConfigImage& image() override { return image_; }
    int shownPage() const override { return 0; }
    void selectPage(int) override {}
    void storeShownPage() override {}
    void showShownPage() override {}
    void setControllerActionsEnabled(bool) override {}
    void setStatusPanel(int panel, const QString& text) override;
    QString statusPanel(int panel) const override;
    QString portName() const override { return portName_; }
    LinkFactory linkFactory() const override;
    QStringList transactionMessages() const override;
    QStringList gsmStates() const override;
    StatusView& actionStatus() override { return status_; }
    bool clearModesOnProgram() const override { return clearModes_; }
    void showWarning(const QString& caption, const QString& text) override;
    void copyToClipboard(const QString&) override {}
    bool runFactoryResetCountdown(std::function<bool()>) override { return false; }

    // OperationSession: there is no poller to stop or start.
    void stopPoller() override {}
    void startPoller() override {}
    void startPollerAfter(int) override {}
    bool pollerRunning() const override { return false; }
    bool deviceAnswers() const override { return false; }
    void showIdentity(const QByteArray& record) override;
    const IdentityTexts& shownIdentity() const override { return identity_; }

private:
    QString portName_;
    ConfigImage image_;
    TerminalStatus status_;
    IdentityTexts identity_;
    QStringList panels_{QString(), QString(), QString(), QString()};
    bool clearModes_ = false;
    DeviceOperations operations_;
};

} // namespace vrm::cli
