#pragma once
// The serial trace for support: one file, shared by every port of the
// process, that records each frame sent and received with a millisecond time
// stamp, its direction, its meaning and its bytes, and the time-outs, retries
// and port errors between them. The file is appended to; when it reaches its
// size limit it is renamed to "<file>.1" (replacing an older one) and a new
// file begins. Each line is flushed, so a trace survives a crash.
//
// Safe to use from any thread; while no trace runs, a link pays one atomic
// load per call.

#include <QFile>
#include <QMutex>
#include <QString>
#include <atomic>

namespace vrm {

class SerialTrace {
public:
    static constexpr qint64 kDefaultSizeLimit = 4 * 1024 * 1024;

    // The trace that the tool's serial links write to.
    static SerialTrace& global();

    SerialTrace() = default;
    ~SerialTrace();
    SerialTrace(const SerialTrace&) = delete;
    SerialTrace& operator=(const SerialTrace&) = delete;

    // Starts tracing into `path` (a running trace ends first). False, with
    // the reason in `error`, when the file cannot be opened.
    bool start(const QString& path, qint64 sizeLimit = kDefaultSizeLimit, QString* error = nullptr);
    void stop();
    bool active() const { return active_.load(std::memory_order_acquire); }
    QString path() const;

    // One line: time stamp, port, direction ("->" sent, "<-" received, "--"
    // an event) and the text.
    void line(const QString& port, const char* direction, const QString& text);

private:
    void rotateFor(qint64 bytes);

    mutable QMutex mutex_;
    std::atomic<bool> active_{false};
    QFile file_;
    QString path_;
    qint64 sizeLimit_ = kDefaultSizeLimit;
};

// For the window and the command-line tool: trace every serial exchange of
// this process into `path`. False, with the reason in `error`, when the file
// cannot be opened.
bool startSerialTrace(const QString& path, QString* error = nullptr);
void stopSerialTrace();
bool serialTraceActive();

} // namespace vrm
