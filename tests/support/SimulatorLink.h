#pragma once
// An in-process SerialLink over the simulated controller. What the tool writes
// goes to Controller::receive() and the answer is queued for reading; a read
// returns what is queued at once, so a silent controller costs no time-out.

#include <QByteArray>
#include <QMutex>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "link/SerialLink.h"
#include "sim/Controller.h"

namespace vrm::test {

class SimulatorLink : public SerialLink {
public:
    // `guard`, when given, is held around every use of the controller.
    explicit SimulatorLink(sim::Controller& controller, QString name = QStringLiteral("SIM"),
                           QMutex* guard = nullptr);

    // The port is missing: open() fails.
    void setPortMissing(bool missing) { portMissing_ = missing; }
    // The port goes and comes with `*missing`: open() fails while it is set,
    // and a port already open fails every purge, write and read (a device
    // pulled out). Each successful open counts in `*opens`.
    void followPort(const std::atomic<bool>* missing, std::atomic<int>* opens)
    {
        sharedMissing_ = missing;
        sharedOpens_ = opens;
    }
    // After `writes` more successful writes, every purge, write and read fails
    // as a port error would; a negative count lifts it.
    void setPortErrorAfterWrites(int writes) { writesBeforeError_ = writes; }
    // Rewrites each answer of the controller before it is queued.
    void setReplyFilter(std::function<QByteArray(const QByteArray&)> filter) { replyFilter_ = std::move(filter); }

    // What the tool did: each write() call's bytes, each read() call's requested count.
    const std::vector<QByteArray>& writes() const { return writes_; }
    const std::vector<int>& readRequests() const { return readRequests_; }
    int openCount() const { return openCount_; }

    QString name() const override { return name_; }
    bool open() override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool clear() override;
    bool write(const uint8_t* bytes, int count) override;
    int read(uint8_t* buffer, int count) override;

private:
    bool portFailed() const { return writesBeforeError_ == 0 || (sharedMissing_ && *sharedMissing_); }

    sim::Controller& controller_;
    QString name_;
    QMutex* guard_;
    QByteArray queued_;
    std::function<QByteArray(const QByteArray&)> replyFilter_;
    std::vector<QByteArray> writes_;
    std::vector<int> readRequests_;
    int writesBeforeError_ = -1;
    int openCount_ = 0;
    bool portMissing_ = false;
    bool open_ = false;
    const std::atomic<bool>* sharedMissing_ = nullptr;
    std::atomic<int>* sharedOpens_ = nullptr;
};

// One controller shared by every link a factory makes, for tests whose
// transactions run on other threads (TReadData, the live status poller).
class SharedSimulator {
public:
    SharedSimulator() = default;

    // Each call makes a closed SimulatorLink named `name` over the shared controller.
    LinkFactory linkFactory(const QString& name = QStringLiteral("SIM"));
    // The port is missing: no link opens, and open ones fail as a pulled-out device does.
    void setPortMissing(bool missing) { portMissing_ = missing; }
    // Successful opens of every link the factory made.
    int openCount() const { return opens_; }

    // Runs `use` on the controller while no transaction touches it.
    template <typename Use>
    decltype(auto) with(Use&& use)
    {
        QMutexLocker lock(&mutex_);
        return use(controller_);
    }
    // Direct access for when no transaction can be running.
    sim::Controller& controller() { return controller_; }

private:
    QMutex mutex_;
    sim::Controller controller_;
    std::atomic<bool> portMissing_{false};
    std::atomic<int> opens_{0};
};

} // namespace vrm::test
