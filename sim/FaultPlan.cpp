#include "sim/FaultPlan.h"

#include <algorithm>

namespace vrm::sim {

namespace {
bool needsAreaReply(Fault fault)
{
    return fault == Fault::WrongAddressEcho || fault == Fault::WrongLengthEcho;
}
} // namespace

void FaultPlan::add(Fault fault, int times)
{
    if (times > 0)
        pending_.push_back({fault, times});
}

void FaultPlan::stopAfterBytes(qint64 count)
{
    byteLimit_ = count < 0 ? -1 : count;
}

void FaultPlan::clear()
{
    pending_.clear();
    byteLimit_ = -1;
}

std::optional<Fault> FaultPlan::takeNext(bool areaReply)
{
    auto it = std::find_if(pending_.begin(), pending_.end(),
                           [areaReply](const Pending& p) { return areaReply || !needsAreaReply(p.fault); });
    if (it == pending_.end())
        return std::nullopt;
    const Fault fault = it->fault;
    if (--it->times == 0)
        pending_.erase(it);
    return fault;
}

qint64 FaultPlan::allowedBytes(qint64 wanted)
{
    if (byteLimit_ < 0)
        return wanted;
    const qint64 allowed = std::min(wanted, byteLimit_);
    byteLimit_ -= allowed;
    return allowed;
}

} // namespace vrm::sim
