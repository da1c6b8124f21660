#include "SimulatorLink.h"

#include <algorithm>
#include <cstring>

namespace vrm::test {

SimulatorLink::SimulatorLink(sim::Controller& controller, QString name, QMutex* guard)
    : controller_(controller), name_(std::move(name)), guard_(guard)
{
}

bool SimulatorLink::open()
{
    if (portMissing_ || (sharedMissing_ && *sharedMissing_))
        return false;
    open_ = true;
    ++openCount_;
    if (sharedOpens_)
        ++*sharedOpens_;
    return true;
}

bool SimulatorLink::clear()
{
    if (!open_ || portFailed())
        return false;
    queued_.clear();
    return true;
}

bool SimulatorLink::write(const uint8_t* bytes, int count)
{
    if (!open_ || portFailed() || count < 0)
        return false;
    if (writesBeforeError_ > 0)
        --writesBeforeError_;
    const QByteArray sent(reinterpret_cast<const char*>(bytes), count);
    writes_.push_back(sent);
    QByteArray answer;
    if (guard_) {
        QMutexLocker lock(guard_);
        answer = controller_.receive(sent);
    } else {
        answer = controller_.receive(sent);
    }
    queued_ += replyFilter_ ? replyFilter_(answer) : answer;
    return true;
}

int SimulatorLink::read(uint8_t* buffer, int count)
{
    readRequests_.push_back(count);
    if (!open_ || portFailed() || count < 0)
        return -1;
    const int available = std::min<int>(count, int(queued_.size()));
    std::memcpy(buffer, queued_.constData(), std::size_t(available));
    queued_.remove(0, available);
    return available;
}

LinkFactory SharedSimulator::linkFactory(const QString& name)
{
    return [this, name]() -> std::unique_ptr<SerialLink> {
        auto link = std::make_unique<SimulatorLink>(controller_, name, &mutex_);
        link->followPort(&portMissing_, &opens_);
        return link;
    };
}

} // namespace vrm::test
