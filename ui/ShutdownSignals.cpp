#include "ui/ShutdownSignals.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vrm {

namespace {

#ifdef Q_OS_UNIX
constexpr int kSignals[] = {SIGHUP, SIGTERM, SIGINT};
int wakePipe[2] = {-1, -1};

// Only async-signal-safe work here: one byte naming the signal.
void onSignal(int number)
{
    const char byte = char(number);
    [[maybe_unused]] const auto written = ::write(wakePipe[1], &byte, 1);
}
#endif

} // namespace

ShutdownSignals::ShutdownSignals(QObject* parent) : QObject(parent)
{
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, &ShutdownSignals::tryClose);
#ifdef Q_OS_UNIX
    if (::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ShutdownSignals::onWake);
    struct sigaction action{};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals)
        ::sigaction(number, &action, nullptr);
#endif
}

ShutdownSignals::~ShutdownSignals()
{
#ifdef Q_OS_UNIX
    if (wakePipe[0] < 0)
        return;
    struct sigaction action{};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int number : kSignals)
        ::sigaction(number, &action, nullptr);
    delete notifier_;
    ::close(wakePipe[0]);
    ::close(wakePipe[1]);
    wakePipe[0] = wakePipe[1] = -1;
#endif
}

void ShutdownSignals::closeOnSignal(QWidget& window, std::function<bool()> closeAllowed)
{
    window_ = &window;
    closeAllowed_ = std::move(closeAllowed);
}

void ShutdownSignals::onWake()
{
#ifdef Q_OS_UNIX
    char bytes[16];
    ssize_t n;
    while ((n = ::read(wakePipe[0], bytes, sizeof bytes)) > 0) {
        for (ssize_t i = 0; i < n; ++i)
            emit received(int(bytes[i]));
    }
#endif
    tryClose();
}

void ShutdownSignals::tryClose()
{
    if (!window_ || !window_->isVisible()) {
        retry_.stop();
        return;
    }
    if (closeAllowed_ && !closeAllowed_()) {
        retry_.start(); // an operation runs: it ends first
        return;
    }
    // A dialog of the window (file, port, About) is cancelled first; the
    // close comes once the dialog's own loop has returned.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
        retry_.start();
        return;
    }
    if (window_->close())
        retry_.stop();
    else
        retry_.start();
}

} // namespace vrm
