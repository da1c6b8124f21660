#include "link/QtSerialLink.h"

#include "link/TracingLink.h"

#include <QElapsedTimer>
#include <QSerialPortInfo>
#include <QThread>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <termios.h>
#endif

namespace vrm {
namespace {

constexpr int kReadTotalBaseMs = 100;
constexpr int kReadTotalPerByteMs = 3;
constexpr int kReadIntervalMs = 500;
constexpr int kWriteTotalBaseMs = 200;
constexpr int kWriteTotalPerByteMs = 4;
// A start bit, eight data bits and a stop bit.
constexpr int kBitsPerByte = 10;

} // namespace

QtSerialLink::QtSerialLink(const QString& portName) : name_(portName)
{
    port_.setPortName(portName);
    port_.setBaudRate(QSerialPort::Baud19200);
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
    QElapsedTimer elapsed;
    elapsed.start();
    const qint64 limit = kWriteTotalBaseMs + qint64(kWriteTotalPerByteMs) * count;
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
#ifdef Q_OS_UNIX
    // The bytes are in the driver's queue now; wait until they have left the
    // line, so that the reply's read time-out counts from the end of the
    // request as the controller sees it. (Without flow control the drain ends
    // after the request's wire time; a pseudo-terminal drains at once.)
    if (::tcdrain(int(port_.handle())) != 0 && errno != ENOTTY && errno != EINVAL)
        return false;
#endif
    return true;
}

int QtSerialLink::read(uint8_t* buffer, int count)
{
    if (!port_.isOpen() || count < 0)
        return -1;
    QElapsedTimer total;
    total.start();
    const qint64 totalLimit = kReadTotalBaseMs + qint64(kReadTotalPerByteMs) * count;
    qint64 lastByteAt = 0;
    int received = 0;
    // Waits up to `ms` for bytes: true when some came, false on silence; a
    // failed port reads as -1.
    bool failed = false;
    const auto waitForBytes = [&](qint64 ms) {
        if (port_.waitForReadyRead(int(ms)))
            return true;
        failed = port_.error() != QSerialPort::TimeoutError && port_.error() != QSerialPort::NoError;
        port_.clearError();
        return false;
    };
    while (true) {
        const qint64 got = port_.read(reinterpret_cast<char*>(buffer) + received, count - received);
        if (got < 0) {
            port_.clearError();
            return -1;
        }
        if (got > 0)
            lastByteAt = total.elapsed();
        received += int(got);
        if (received >= count)
            break;
        if (total.elapsed() >= totalLimit)
            break;
        if (received > 0) {
            // The rest of the reply cannot arrive sooner than its wire time:
            // sleep through all of it but the last byte at once rather than
            // waking for every byte; the last byte's arrival ends the wait.
            const qint64 restMs = qint64(count - received - 1) * kBitsPerByte * 1000 / port_.baudRate();
            if (restMs >= 2) {
                QThread::msleep(std::min(restMs, totalLimit - total.elapsed()));
                if (waitForBytes(0))
                    continue;
                if (failed)
                    return -1;
            }
        }
        const qint64 remaining = totalLimit - total.elapsed();
        if (remaining <= 0)
            break;
        // The gap limit counts between bytes, so it starts with the first byte.
        const qint64 gapLeft = std::max<qint64>(kReadIntervalMs - (total.elapsed() - lastByteAt), 0);
        if (!waitForBytes(received > 0 ? std::min(remaining, gapLeft) : remaining)) {
            if (failed)
                return -1;
            break;
        }
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
