#include "sim/Pacer.h"

#include <algorithm>

namespace vrm::sim {

void Pacer::push(const QByteArray& bytes, qint64 nowMicros)
{
    if (queue_.isEmpty())
        wireFreeAt_ = std::max(wireFreeAt_, nowMicros);
    queue_.append(bytes);
}

QByteArray Pacer::take(qint64 nowMicros)
{
    if (byteMicros_ <= 0) {
        QByteArray all;
        all.swap(queue_);
        return all;
    }
    if (queue_.isEmpty() || nowMicros < wireFreeAt_)
        return {};
    // A byte may start once the one before it has left the wire.
    const qint64 due = std::min<qint64>(queue_.size(), (nowMicros - wireFreeAt_) / byteMicros_ + 1);
    wireFreeAt_ += due * byteMicros_;
    const QByteArray out = queue_.left(due);
    queue_.remove(0, due);
    return out;
}

qint64 Pacer::microsUntilNext(qint64 nowMicros) const
{
    if (queue_.isEmpty())
        return -1;
    if (byteMicros_ <= 0)
        return 0;
    return std::max<qint64>(0, wireFreeAt_ - nowMicros);
}

} // namespace vrm::sim
