#pragma once
// Faults the simulated controller can be told to commit, so that tests can
// see how the tool copes with a controller that misbehaves.

#include <QtGlobal>
#include <deque>
#include <optional>

namespace vrm::sim {

enum class Fault {
    Drop,             // no reply at all
    ShortByOne,       // the reply loses its last byte
    CorruptCheck,     // the check byte is wrong
    WrongCommandEcho, // the command byte differs from the request's
    WrongAddressEcho, // the area address echo differs from the request's
    WrongLengthEcho,  // the area length echo differs from the request's
    Status1,          // the status byte says 1 (refused)
    Status2,          // the status byte says 2 (password required)
};

class FaultPlan {
public:
    // Applies `fault` to the next `times` framed replies (never to the
    // one-byte answer to "BINARY\r"). Pending faults are used up in the order
    // they were added. WrongAddressEcho and WrongLengthEcho wait for the next
    // area reply (the only replies that echo an address and a length); a
    // status fault turns a record or area-read reply into a 6-byte status frame.
    void add(Fault fault, int times = 1);
    // After `count` more reply bytes the controller goes silent for good,
    // as if unplugged; a negative count lifts the limit.
    void stopAfterBytes(qint64 count);
    void clear();

    // Used by the controller: the fault for the next framed reply, if any.
    std::optional<Fault> takeNext(bool areaReply);
    // Used by the controller: trims `bytes` to what may still go out.
    qint64 allowedBytes(qint64 wanted);
    bool silenced() const { return byteLimit_ == 0; }
    bool empty() const { return pending_.empty() && byteLimit_ < 0; }

private:
    struct Pending {
        Fault fault;
        int times;
    };
    std::deque<Pending> pending_;
    qint64 byteLimit_ = -1; // -1: no limit
};

} // namespace vrm::sim
