#include "link/PortPermission.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vrm {

QString portDevicePath(const QString& portName)
{
    if (portName.startsWith(QLatin1Char('/')))
        return portName;
    return QStringLiteral("/dev/") + portName;
}

PortAccess checkPortAccess(const QString& portName)
{
    PortAccess access;
    access.devicePath = portDevicePath(portName);
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(access.devicePath);
    // Non-blocking, so that a modem line cannot hold the open; no controlling terminal.
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
    } else if (errno == EACCES || errno == EPERM) {
        access.permissionDenied = true;
        access.deviceGroup = QFileInfo(access.devicePath).group();
    }
#endif
    return access;
}

} // namespace vrm
