#include "link/UnixPortIo.h"

#ifdef Q_OS_UNIX

#include <QElapsedTimer>
#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace vrm::unixio {

int readWaiting(int fd, uint8_t* into, int max)
{
    if (max <= 0)
        return 0;
    while (true) {
        const ssize_t got = ::read(fd, into, size_t(max));
        if (got > 0)
            return int(got);
        // A raw terminal (no minimum count, no timer) reads 0 when nothing
        // waits; a hang-up shows in waitReadable().
        if (got == 0 || errno == EAGAIN || errno == EWOULDBLOCK)
            return 0;
        if (errno != EINTR)
            return -1;
    }
}

int waitReadable(int fd, int ms)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (true) {
        pollfd port{fd, POLLIN, 0};
        const int left = int(qMax<qint64>(0, ms - elapsed.elapsed()));
        const int ready = ::poll(&port, 1, left);
        if (ready > 0) {
            // The caller reads what waits before it waits, so a hang-up
            // (the other side of a pseudo-terminal closed, an adapter
            // pulled out) is a failure even with bytes still flagged.
            if (port.revents & (POLLERR | POLLHUP | POLLNVAL))
                return -1;
            return 1;
        }
        if (ready == 0)
            return 0;
        if (errno != EINTR)
            return -1;
    }
}

bool writeAll(int fd, const uint8_t* bytes, int count, qint64 limitMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    int written = 0;
    while (written < count) {
        const ssize_t put = ::write(fd, bytes + written, size_t(count - written));
        if (put > 0) {
            written += int(put);
            continue;
        }
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return false;
        // The driver's queue is full: wait for room within the limit.
        const qint64 left = limitMs - elapsed.elapsed();
        pollfd port{fd, POLLOUT, 0};
        if (left <= 0 || (::poll(&port, 1, int(left)) < 0 && errno != EINTR))
            return false;
        if (port.revents & (POLLERR | POLLHUP | POLLNVAL))
            return false;
    }
    return true;
}

bool queuesEmpty(int fd)
{
    int waiting = 0;
    int unsent = 0;
    return ::ioctl(fd, FIONREAD, &waiting) == 0 && waiting == 0 && ::ioctl(fd, TIOCOUTQ, &unsent) == 0
           && unsent == 0;
}

int unsentBytes(int fd)
{
    int unsent = 0;
    return ::ioctl(fd, TIOCOUTQ, &unsent) == 0 ? unsent : -1;
}

bool drainWithin(int fd, qint64 limitMs, UnsentBytes unsent)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (true) {
        const int queued = unsent(fd);
        // Nothing queued, or not a terminal that queues: nothing to wait for.
        if (queued <= 0)
            return true;
        const qint64 left = limitMs - elapsed.elapsed();
        if (left <= 0)
            return false;
        // The queued bytes cannot leave sooner than their wire time at
        // 19,200 baud (ten bits a byte); look again then.
        const qint64 wireMicros = qint64(queued) * 10 * 1000000 / 19200 + 500;
        ::usleep(useconds_t(std::min(wireMicros, left * 1000)));
    }
}

} // namespace vrm::unixio

#endif
