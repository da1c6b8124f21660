#pragma once
// The port layer as the transaction engine needs it. The line settings are
// fixed (19,200 baud, 8N1, no flow control); only the port name varies.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

namespace vrm {

class SerialLink {
public:
    virtual ~SerialLink() = default;

    virtual QString name() const = 0;
    // Opens the port and raises DTR and RTS; false when the port is missing or busy.
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Discards everything pending in both directions; false on a port error.
    virtual bool clear() = 0;
    // Sends all bytes within 200 ms + 4 ms per byte; false on a port error or time-out.
    virtual bool write(const uint8_t* bytes, int count) = 0;
    // Waits until `count` bytes arrived, 100 ms + 3 ms per byte passed in total, or
    // 500 ms passed without a byte. Returns the count received (0..count), or -1 on
    // a port error. A silent controller is a short count, never an error.
    virtual int read(uint8_t* buffer, int count) = 0;
};

// Creates a closed link on the calling thread: every transaction makes its own.
using LinkFactory = std::function<std::unique_ptr<SerialLink>()>;

} // namespace vrm
