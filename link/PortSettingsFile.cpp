#include "link/PortSettingsFile.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <cstring>

#include "model/RegularFile.h"

namespace vrm {

namespace {

constexpr const char* kHeader = kPortSettingsHeader;
constexpr int kHeaderSize = 12;
constexpr int kNameSize = 8;
constexpr quint32 kTrailer = 0x20B84286;

} // namespace

bool isAcceptablePortName(const QString& name)
{
    if (name.contains(QLatin1Char('C')) && name.contains(QLatin1Char('O')) && name.contains(QLatin1Char('M')))
        return true;
    return name.size() > 3 && (name.startsWith(QLatin1String("tty")) || name.startsWith(QLatin1String("pts/")));
}

std::optional<QString> readPortSettings(const QString& path)
{
    QFile file;
    if (!openRegularFileForReading(file, path))
        return std::nullopt;
    return parsePortSettings(file.read(kPortSettingsFileSize));
}

std::optional<QString> parsePortSettings(const QByteArray& bytes)
{
    if (bytes.size() < kPortSettingsFileSize)
        return std::nullopt;
    if (std::memcmp(bytes.constData(), kHeader, kHeaderSize) != 0)
        return std::nullopt;

    // The name ends at its first NUL, or fills the whole field.
    const QByteArray field = bytes.mid(kHeaderSize, kNameSize);
    const qsizetype end = field.indexOf('\0');
    const QString name = QString::fromLatin1(end < 0 ? field : field.left(end));
    if (!isAcceptablePortName(name))
        return std::nullopt;

    const quint32 trailer = qFromLittleEndian<quint32>(bytes.constData() + kHeaderSize + kNameSize);
    if (trailer != kTrailer)
        return std::nullopt;
    return name;
}

bool writePortSettings(const QString& path, const QString& portName)
{
    if (portName.size() > kMaxStoredPortNameLength)
        return false;
    for (QChar c : portName) {
        if (c.unicode() == 0 || c.unicode() > 0x7F)
            return false;
    }

    QByteArray bytes(kHeader, kHeaderSize);
    QByteArray name = portName.toLatin1();
    name.resize(kNameSize, '\0');
    bytes += name;
    char trailer[4];
    qToLittleEndian<quint32>(kTrailer, trailer);
    bytes.append(trailer, 4);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace vrm
