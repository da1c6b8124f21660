#pragma once
// A small window for driving the controller session without the main window:
// it holds the image, page 0 and the status bar texts, and records what the
// session asks of it. Used by the session tests and the end-to-end tests.

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "link/Transaction.h"
#include "model/ConfigImage.h"
#include "model/FactoryImage.h"
#include "session/ControllerSession.h"
#include "session/LiveStatus.h"
#include "session/OperationHost.h"
#include "ui/LabelStatusView.h"
#include "ui/TFormClearConfig.h"
#include "ui/pages/PageHost.h"
#include "ui/TextTable.h"
#include "ui/pages/status/StatusPage.h"

namespace vrm::test {

class SessionTestHost : public OperationHost, public PageHost {
public:
    explicit SessionTestHost(LinkFactory factory, QString port = QStringLiteral("SIM"))
        : image_(buildFactoryImage()), factory_(std::move(factory)), port_(std::move(port))
    {
        page_ = std::make_unique<StatusPage>(static_cast<PageHost&>(*this));
        window_.resize(716, 540);
        auto* layout = new QVBoxLayout(&window_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page_->panel(0));
        page_->enter(0);
        session_ = std::make_unique<ControllerSession>(static_cast<OperationHost&>(*this));
        QObject::connect(page_.get(), &StatusPage::controlCommandRequested, session_.get(),
                         &ControllerSession::sendControlCommand);
        QObject::connect(session_.get(), &ControllerSession::identityShown, page_.get(), &StatusPage::showIdentity);
        QObject::connect(session_.get(), &ControllerSession::pageZeroPolled, page_.get(),
                         &StatusPage::showLiveStatus);
    }
    ~SessionTestHost() override { session_.reset(); }

    ControllerSession& session() { return *session_; }
    StatusPage& page() { return *page_; }
    QWidget& window() { return window_; }
    template <typename T>
    T* find(const QString& name) { return window_.findChild<T*>(name); }

    bool actionsEnabled = true;
    std::vector<int> selectedPages;
    int shown = 0;
    std::array<QString, 4> panels{QStringLiteral("default.cnt"), QStringLiteral("NC"), QString(), QString()};

    // OperationHost and PageHost
    ConfigImage& image() override { return image_; }
    int shownPage() const override { return shown; }
    void selectPage(int index) override
    {
        selectedPages.push_back(index);
        shown = index;
    }
    void storeShownPage() override {}
    void showShownPage() override {}
    void storeAndShowShownPage() override {}
    void setControllerActionsEnabled(bool enabled) override { actionsEnabled = enabled; }
    void setStatusPanel(int panel, const QString& text) override { panels.at(panel) = text; }
    QString statusPanel(int panel) const override { return panels.at(panel); }
    QString portName() const override { return port_; }
    LinkFactory linkFactory() const override { return factory_; }
    QStringList transactionMessages() const override { return defaultTransactionMessages(); }
    QStringList gsmStates() const override { return defaultGsmStates(); }
    StatusView& actionStatus() override { return page_->actionStatus(); }
    bool clearModesOnProgram() const override { return page_->clearModesOnProgram(); }
    void showWarning(const QString& caption, const QString& text) override
    {
        QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, &window_);
        box.exec();
    }
    void copyToClipboard(const QString& text) override { QGuiApplication::clipboard()->setText(text); }
    bool runFactoryResetCountdown(std::function<bool()> deviceLost) override
    {
        TFormClearConfig countdown(std::move(deviceLost), &window_);
        countdown.exec();
        return countdown.completed();
    }
    QStringList textList(const QString& name) const override { return texts_.list(name); }
    QString text(const QString& name) const override { return texts_.text(name); }
    ControllerAccess& controller() override { return *session_; }

    QString actionText() const { return page_->actionLabel()->text(); }

private:
    ConfigImage image_;
    TextTable texts_; // the window's run-time lists, as the window serves them
    LinkFactory factory_;
    QString port_;
    QWidget window_;
    std::unique_ptr<StatusPage> page_;
    std::unique_ptr<ControllerSession> session_;
};

// Processes events until `done` holds or `ms` passed; returns `done()`.
inline bool waitUntil(const std::function<bool()>& done, int ms = 3000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// Answers the next modal dialog that appears: records its text (for a
// message box) and runs `act` on it, e.g. to close it.
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(QWidget*)> act) : act_(std::move(act))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || seen_)
                return;
            seen_ = true;
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                title = box->windowTitle();
                text = box->text();
            }
            act_(modal);
        });
        timer_.start(20);
    }
    bool seen() const { return seen_; }
    QString title;
    QString text;

private:
    std::function<void(QWidget*)> act_;
    QTimer timer_;
    bool seen_ = false;
};

} // namespace vrm::test
