#include "sim/PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace vrm::sim {

namespace {
QString lastError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}
} // namespace

PseudoTerminal::~PseudoTerminal()
{
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
}

bool PseudoTerminal::open(QString& error)
{
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        error = lastError("posix_openpt");
        return false;
    }
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error = lastError("unlockpt");
        return false;
    }
    const char* name = ::ptsname(master_);
    if (!name) {
        error = lastError("ptsname");
        return false;
    }
    path_ = QString::fromLocal8Bit(name);
    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
        error = lastError("open terminal side");
        return false;
    }
    // Raw: no echo of the tool's bytes, no line editing, no translation.
    termios settings{};
    if (::tcgetattr(slave_, &settings) != 0) {
        error = lastError("tcgetattr");
        return false;
    }
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B19200);
    ::cfsetospeed(&settings, B19200);
    settings.c_cflag |= CLOCAL | CREAD;
    if (::tcsetattr(slave_, TCSANOW, &settings) != 0) {
        error = lastError("tcsetattr");
        return false;
    }
    const int flags = ::fcntl(master_, F_GETFL);
    if (flags < 0 || ::fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0) {
        error = lastError("fcntl");
        return false;
    }
    return true;
}

QString PseudoTerminal::nameBelowDev() const
{
    const QString prefix = QStringLiteral("/dev/");
    return path_.startsWith(prefix) ? path_.mid(prefix.size()) : path_;
}

QByteArray PseudoTerminal::read()
{
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // EAGAIN: nothing more for now
    }
    return bytes;
}

qsizetype PseudoTerminal::write(const QByteArray& bytes)
{
    qsizetype done = 0;
    bool flushed = false;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN && !flushed) {
            // The terminal's input queue is full of bytes nobody read (the
            // tool is not listening): let them go, as a line would.
            ::tcflush(slave_, TCIFLUSH);
            flushed = true;
            continue;
        }
        break;
    }
    return done;
}

} // namespace vrm::sim
