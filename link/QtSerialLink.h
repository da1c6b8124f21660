#pragma once
// SerialLink over a real serial port (or pseudo-terminal) through QSerialPort,
// used blocking on the thread that created it: every transaction makes its own.
// That thread must run no event loop: on Unix the reads go to the port's
// descriptor past QSerialPort's buffer, which its notifier would otherwise fill.

#include <QSerialPort>

#include "link/SerialLink.h"

namespace vrm {

class QtSerialLink : public SerialLink {
public:
    // `unsent` tells how many written bytes the driver still holds (Unix;
    // null: the driver's own count); tests give one that never empties.
    using UnsentBytes = int (*)(int fd);
    explicit QtSerialLink(const QString& portName, UnsentBytes unsent = nullptr);
    ~QtSerialLink() override;

    QString name() const override;
    bool open() override;
    void close() override;
    bool isOpen() const override;
    bool clear() override;
    bool write(const uint8_t* bytes, int count) override;
    int read(uint8_t* buffer, int count) override;

private:
    // The bytes waiting now, up to `max`; -1 when the port failed.
    int readWaiting(uint8_t* into, int max);
    // 1 when bytes came within `ms`, 0 on silence, -1 when the port failed.
    int waitReadable(qint64 ms);

    QString name_;
    [[maybe_unused]] UnsentBytes unsent_ = nullptr;
    QSerialPort port_;
};

// Names of the serial ports present on this machine (pseudo-terminals are not listed).
QStringList availablePorts();

// The tool's link factory: each call makes a closed QtSerialLink to `portName`,
// seen by the serial trace.
LinkFactory serialLinkFactory(const QString& portName);

} // namespace vrm
