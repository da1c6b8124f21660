#include "link/QtSerialLink.h"

#include "link/TracingLink.h"
#include "link/UnixPortIo.h"

#include <QElapsedTimer>
#include <QSerialPortInfo>
#include <QThread>
#include <algorithm>

namespace vrm {
namespace {

constexpr int kReadTotalBaseMs = 100;
constexpr int kReadTotalPerByteMs = 3;
constexpr int kReadIntervalMs = 500;
constexpr int kWriteTotalBaseMs = 200;
constexpr int kWriteTotalPerByteMs = 4;
constexpr int kBaud = 19200;
// A start bit, eight data bits and a stop bit.
constexpr int kBitsPerByte = 10;
qint64 wireMs(int bytes)
{
    return qint64(bytes) * kBitsPerByte * 1000 / kBaud;
}

qint64 wireMicros(int bytes)
{
    return qint64(bytes) * kBitsPerByte * 1000000 / kBaud;
}

} // namespace

QtSerialLink::QtSerialLink(const QString& portName, UnsentBytes unsent) : name_(portName), unsent_(unsent)
{
    port_.setPortName(portName);
    port_.setBaudRate(kBaud);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
}
QtSerialLink::~QtSerialLink()
{
    close();
}

QString QtSerialLink::name() const
{
    return name_;
}

bool QtSerialLink::open()
{
    if (port_.isOpen())
        return true;
    if (!port_.open(QIODevice::ReadWrite)) {
        port_.clearError();
        return false;
    }
    // A pseudo-terminal has no modem lines and refuses these; the port is usable all the same.
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
    port_.clearError();
    return port_.isOpen();
}

void QtSerialLink::close()
{
    if (port_.isOpen())
        port_.close();
    port_.clearError();
}

bool QtSerialLink::isOpen() const
{
    return port_.isOpen();
}

bool QtSerialLink::clear()
{
    if (!port_.isOpen())
        return false;
#ifdef Q_OS_UNIX
    // Purging empty queues changes nothing, and the purge waits for the
    // terminal's buffer lock while the kernel still moves the last bytes:
    // look first. (QSerialPort's own buffer is not used here.)
    if (unixio::queuesEmpty(int(port_.handle())))
        return true;
#endif
    // Empties QSerialPort's own buffer as well as the driver's.
    const bool cleared = port_.clear(QSerialPort::AllDirections);
    if (!cleared)
        port_.clearError();
    return cleared;
}

bool QtSerialLink::write(const uint8_t* bytes, int count)
{
    if (!port_.isOpen() || count < 0)
        return false;
    if (count == 0)
        return true;
    const qint64 limit = kWriteTotalBaseMs + qint64(kWriteTotalPerByteMs) * count;
#ifdef Q_OS_UNIX
    // The limit bounds the whole write, the wait for the bytes to leave included.
    QElapsedTimer elapsed;
    elapsed.start();
    const int fd = int(port_.handle());
    return unixio::writeAll(fd, bytes, count, limit)
           && unixio::drainWithin(fd, limit - elapsed.elapsed(), unsent_ ? unsent_ : unixio::unsentBytes);
#else
    QElapsedTimer elapsed;
    elapsed.start();
    if (port_.write(reinterpret_cast<const char*>(bytes), count) != count) {
        port_.clearError();
        return false;
    }
    while (port_.bytesToWrite() > 0) {
        const qint64 remaining = limit - elapsed.elapsed();
        if (remaining <= 0 || !port_.waitForBytesWritten(int(remaining))) {
            port_.clearError();
            return false;
        }
    }
    return true;
#endif
}

int QtSerialLink::readWaiting(uint8_t* into, int max)
{
#ifdef Q_OS_UNIX
    return unixio::readWaiting(int(port_.handle()), into, max);
#else
    const qint64 got = port_.read(reinterpret_cast<char*>(into), max);
    if (got < 0)
        port_.clearError();
    return int(got);
#endif
}

int QtSerialLink::waitReadable(qint64 ms)
{
#ifdef Q_OS_UNIX
    return unixio::waitReadable(int(port_.handle()), int(ms));
#else
    if (port_.waitForReadyRead(int(ms)))
        return 1;
    const bool failed = port_.error() != QSerialPort::TimeoutError && port_.error() != QSerialPort::NoError;
    port_.clearError();
    return failed ? -1 : 0;
#endif
}

int QtSerialLink::read(uint8_t* buffer, int count)
{
    if (!port_.isOpen() || count < 0)
        return -1;
    QElapsedTimer total;
    total.start();
    const qint64 totalLimit = kReadTotalBaseMs + qint64(kReadTotalPerByteMs) * count;
    if (count > 1) {
        // A reply cannot be complete sooner than its wire time after the
        // request: sleep through it, and one byte's time more for the
        // controller to start answering, before the first look, rather than
        // waking for the first byte and again for the rest.
        QThread::usleep(std::min(wireMicros(count + 1), totalLimit * 1000));
    }
    qint64 lastByteAt = 0;
    int received = 0;
    while (true) {
        const int got = readWaiting(buffer + received, count - received);
        if (got < 0)
            return -1;
        if (got > 0)
            lastByteAt = total.elapsed();
        received += got;
        if (received >= count || total.elapsed() >= totalLimit)
            break;
        if (got > 0) {
            // The rest cannot arrive sooner than its wire time: sleep through
            // all of it but the last byte at once rather than waking for every
            // byte; the last byte's arrival ends the wait.
            const qint64 restMs = wireMs(count - received - 1);
            if (restMs >= 2) {
                QThread::msleep(std::min(restMs, totalLimit - total.elapsed()));
                continue;
            }
        }
        const qint64 remaining = totalLimit - total.elapsed();
        if (remaining <= 0)
            break;
        // The gap limit counts between bytes, so it starts with the first byte.
        const qint64 gapLeft = std::max<qint64>(kReadIntervalMs - (total.elapsed() - lastByteAt), 0);
        const int waited = waitReadable(received > 0 ? std::min(remaining, gapLeft) : remaining);
        if (waited < 0)
            return -1;
        if (waited == 0)
            break;
    }
    return received;
}
QStringList availablePorts()
{
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names << info.portName();
    return names;
}

LinkFactory serialLinkFactory(const QString& portName)
{
    // Every port of the tool reports to the serial trace while one runs.
    return [portName]() -> std::unique_ptr<SerialLink> {
        return std::make_unique<TracingLink>(std::make_unique<QtSerialLink>(portName));
    };
}

} // namespace vrm
