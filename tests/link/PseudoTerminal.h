#pragma once
// A pseudo-terminal pair: the test holds the controller's end (the master),
// the link under test opens the other end by its device name.

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <QByteArray>
#include <algorithm>
#include <QString>

namespace vrm::test {

class PseudoTerminal {
public:
    PseudoTerminal()
    {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0)
            name_ = QString::fromLocal8Bit(::ptsname(master_));
    }
    ~PseudoTerminal() { closeMaster(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool valid() const { return master_ >= 0 && !name_.isEmpty(); }
    QString deviceName() const { return name_; }
    int masterFd() const { return master_; }

    bool send(const QByteArray& bytes) { return ::write(master_, bytes.constData(), std::size_t(bytes.size())) == bytes.size(); }

    // Up to `count` bytes, waiting at most `timeoutMs` for each piece.
    QByteArray receive(int count, int timeoutMs = 1000)
    {
        QByteArray got;
        pollfd fd{master_, POLLIN, 0};
        while (got.size() < count && ::poll(&fd, 1, timeoutMs) > 0 && (fd.revents & POLLIN)) {
            char buffer[4096];
            const ssize_t n = ::read(master_, buffer, std::min<std::size_t>(sizeof buffer, std::size_t(count - got.size())));
            if (n <= 0)
                break;
            got.append(buffer, qsizetype(n));
        }
        return got;
    }

    // What is there now, or what arrives first within `timeoutMs`.
    QByteArray receiveSome(int timeoutMs)
    {
        pollfd fd{master_, POLLIN, 0};
        if (::poll(&fd, 1, timeoutMs) <= 0 || !(fd.revents & POLLIN))
            return {};
        char buffer[4096];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        return n > 0 ? QByteArray(buffer, qsizetype(n)) : QByteArray();
    }

    void closeMaster()
    {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }

private:
    int master_ = -1;
    QString name_;
};

} // namespace vrm::test
