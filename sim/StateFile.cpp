#include "sim/StateFile.h"

#include <QFile>
#include <QSaveFile>

#include "sim/Controller.h"

namespace vrm::sim {

namespace {

const QByteArray kSignature = QByteArrayLiteral("VRM530-SIM-STATE-1\n");

uint8_t negatedXor(const QByteArray& bytes)
{
    uint8_t x = 0;
    for (char b : bytes)
        x ^= uint8_t(b);
    return uint8_t(0x100 - x);
}

qsizetype stateSize()
{
    qsizetype size = kSignature.size() + 1;
    for (int n = 1; n <= Controller::kAreaCount; ++n)
        size += Controller::areaSize(n);
    return size;
}

} // namespace

bool loadState(Controller& controller, const QString& path, QString& error)
{
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.read(stateSize() + 1);
    if (bytes.size() != stateSize() || !bytes.startsWith(kSignature)
        || negatedXor(bytes.chopped(1)) != uint8_t(bytes.back())) {
        error = QStringLiteral("%1 is not a simulator state file or is damaged").arg(path);
        return false;
    }
    qsizetype offset = kSignature.size();
    for (int n = 1; n <= Controller::kAreaCount; ++n) {
        controller.setArea(n, bytes.mid(offset, Controller::areaSize(n)));
        offset += Controller::areaSize(n);
    }
    return true;
}

bool saveState(const Controller& controller, const QString& path, QString& error)
{
    QByteArray bytes = kSignature;
    for (int n = 1; n <= Controller::kAreaCount; ++n)
        bytes += controller.area(n);
    bytes.append(char(negatedXor(bytes)));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace vrm::sim
