#pragma once
// Releases reply bytes at the line's speed (19,200 baud, 10 bits a byte),
// so that the tool sees realistic timing. The first byte of a reply goes at
// once; a reply takes no longer than its wire time.

#include <QByteArray>
#include <QtGlobal>

namespace vrm::sim {

class Pacer {
public:
    static constexpr qint64 kByteMicros = 10 * 1000000 / 19200; // 520 us

    // `byteMicros` 0 releases everything at once.
    explicit Pacer(qint64 byteMicros = kByteMicros) : byteMicros_(byteMicros) {}

    void push(const QByteArray& bytes, qint64 nowMicros);
    // The bytes that may go out by `nowMicros`, taken from the queue.
    QByteArray take(qint64 nowMicros);
    // Microseconds until the next byte may go; -1 when nothing waits.
    qint64 microsUntilNext(qint64 nowMicros) const;
    void clear() { queue_.clear(); }
    qsizetype waiting() const { return queue_.size(); }

private:
    qint64 byteMicros_;
    QByteArray queue_;
    qint64 wireFreeAt_ = 0; // when the last byte handed out has left the wire
};

} // namespace vrm::sim
