#pragma once
// A simulated controller on a hand-driven clock, with helpers that build
// the tool's requests and take the replies apart.

#include <QByteArray>
#include <cstdint>

#include "sim/Controller.h"
#include "sim/Frame.h"

namespace vrm::sim::test {

class ControllerHarness {
public:
    ControllerHarness()
    {
        controller.setClockSource([this] { return nowMs; });
    }

    void advance(qint64 ms) { nowMs += ms; }

    QByteArray ask(uint8_t command, const QByteArray& payload = {})
    {
        return controller.receive(frame::build(command, payload));
    }

    static QByteArray areaWritePayload(uint32_t address, const QByteArray& data)
    {
        QByteArray p;
        frame::appendLe32(p, address);
        frame::appendLe16(p, uint16_t(data.size()));
        return p + data;
    }
    static QByteArray areaReadPayload(uint32_t address, uint16_t length)
    {
        QByteArray p;
        frame::appendLe32(p, address);
        frame::appendLe16(p, length);
        p.append(2, '\0'); // status and reserved byte
        return p;
    }

    // The payload of a well-formed reply to `command`; empty when malformed.
    static QByteArray payloadOf(const QByteArray& reply, uint8_t command)
    {
        if (reply.size() < frame::kOverhead || uint8_t(reply[0]) != frame::kStart
            || uint8_t(reply[1]) != command || frame::le16(reply, 2) != reply.size() - frame::kOverhead
            || frame::check(reply) != uint8_t(reply.back()))
            return {};
        return reply.mid(4, reply.size() - frame::kOverhead);
    }

    // Status byte of a 6-byte command reply, -1 when the reply is not one.
    static int statusOf(const QByteArray& reply, uint8_t command)
    {
        const QByteArray p = payloadOf(reply, command);
        return p.size() == 1 ? uint8_t(p[0]) : -1;
    }

    QByteArray statusRecord() { return payloadOf(ask(12), 12); }

    qint64 nowMs = 0;
    Controller controller;
};

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

} // namespace vrm::sim::test
