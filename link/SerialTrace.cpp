#include "link/SerialTrace.h"

#include <QDateTime>
#include <QFileInfo>

namespace vrm {

SerialTrace& SerialTrace::global()
{
    static SerialTrace trace;
    return trace;
}

SerialTrace::~SerialTrace()
{
    stop();
}

bool SerialTrace::start(const QString& path, qint64 sizeLimit, QString* error)
{
    QMutexLocker lock(&mutex_);
    active_ = false;
    file_.close();
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        if (error)
            *error = file_.errorString();
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    sizeLimit_ = std::max<qint64>(sizeLimit, 1024);
    active_ = true;
    return true;
}

void SerialTrace::stop()
{
    QMutexLocker lock(&mutex_);
    active_ = false;
    file_.close();
}

QString SerialTrace::path() const
{
    QMutexLocker lock(&mutex_);
    return path_;
}

void SerialTrace::rotateFor(qint64 bytes)
{
    if (file_.size() == 0 || file_.size() + bytes <= sizeLimit_)
        return;
    const QString name = file_.fileName();
    const QString older = name + QStringLiteral(".1");
    file_.close();
    QFile::remove(older);
    // Should the rename fail, the file starts over rather than growing without end.
    const bool kept = QFile::rename(name, older);
    const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Text
        | (kept ? QIODevice::Append : QIODevice::Truncate);
    if (!file_.open(mode))
        active_ = false; // the folder went away: tracing ends, the exchanges go on
}

void SerialTrace::line(const QString& port, const char* direction, const QString& text)
{
    if (!active())
        return;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    const QByteArray bytes = (stamp + QLatin1Char(' ') + port + QLatin1Char(' ') + QLatin1String(direction)
                              + QLatin1Char(' ') + text + QLatin1Char('\n'))
                                 .toUtf8();
    QMutexLocker lock(&mutex_);
    if (!active_)
        return;
    rotateFor(bytes.size());
    if (!active_)
        return;
    file_.write(bytes);
    file_.flush();
}

bool startSerialTrace(const QString& path, QString* error)
{
    return SerialTrace::global().start(path, SerialTrace::kDefaultSizeLimit, error);
}

void stopSerialTrace()
{
    SerialTrace::global().stop();
}

bool serialTraceActive()
{
    return SerialTrace::global().active();
}

} // namespace vrm
