#include "sim/PortConfigFile.h"

#include <QDir>
#include <QSaveFile>

#include "sim/Frame.h"

namespace vrm::sim {

namespace {
constexpr int kNameField = 8;
constexpr uint32_t kTrailer = 0x20B84286;
} // namespace

QByteArray portConfigBytes(const QByteArray& portName)
{
    if (portName.isEmpty() || portName.size() > kNameField - 1)
        return {};
    QByteArray bytes = QByteArrayLiteral("[VRMProgCfg]");
    bytes.append(portName);
    bytes.append(QByteArray(kNameField - portName.size(), '\0'));
    frame::appendLe32(bytes, kTrailer);
    return bytes;
}

bool writePortConfig(const QString& dir, const QByteArray& portName, QString& error)
{
    const QByteArray bytes = portConfigBytes(portName);
    if (bytes.isEmpty()) {
        error = QStringLiteral("the port name \"%1\" does not fit the settings file (at most 7 characters)")
                    .arg(QString::fromLocal8Bit(portName));
        return false;
    }
    QSaveFile file(QDir(dir).filePath(QStringLiteral("VRMConfig.cfg")));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    return true;
}

} // namespace vrm::sim
