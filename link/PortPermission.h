#pragma once
// Why a serial port could not be opened, as far as the file system tells:
// a device the user may not read and write is refused for lack of permission,
// which needs another remedy than a port some other program holds.

#include <QString>

namespace vrm {

struct PortAccess {
    bool permissionDenied = false;
    QString devicePath;  // "/dev/ttyUSB0"
    QString deviceGroup; // the group that owns the device ("dialout"), empty when unknown
};

// The device file of a port name: "ttyUSB0" and "pts/3" lie under /dev, a path stays as it is.
QString portDevicePath(const QString& portName);

// Tries the device for reading and writing with the caller's rights; it is
// closed again at once.
PortAccess checkPortAccess(const QString& portName);

} // namespace vrm
