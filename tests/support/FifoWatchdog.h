#pragma once
// FIFOs for the tests of the tool's refusal of files that are not files, and a
// watchdog that keeps a regression from hanging the suite: a reader stuck in
// open() or read() of a FIFO is set free by a writer that comes and goes, so
// the blocked step returns and the test fails on `fired()` instead of hanging.

#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vrm::test {

inline bool makeFifo(const QString& path)
{
    return ::mkfifo(path.toLocal8Bit().constData(), 0600) == 0;
}

class FifoWatchdog {
public:
    FifoWatchdog(QStringList fifos, std::chrono::milliseconds limit)
        : fifos_(std::move(fifos)), thread_([this, limit] { watch(limit); })
    {
    }
    ~FifoWatchdog() { stop(); }

    // Call when the step under test has returned.
    void stop()
    {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable())
            thread_.join();
    }
    // True when the step was still blocked at the limit.
    bool fired() const { return fired_; }

private:
    void watch(std::chrono::milliseconds limit)
    {
        std::unique_lock lock(mutex_);
        if (wake_.wait_for(lock, limit, [this] { return done_; }))
            return;
        fired_ = true;
        while (!done_) {
            for (const QString& fifo : fifos_) {
                const int fd = ::open(fifo.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
            }
            wake_.wait_for(lock, std::chrono::milliseconds(20), [this] { return done_; });
        }
    }

    QStringList fifos_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::atomic<bool> fired_{false};
    std::thread thread_;
};

} // namespace vrm::test
