#pragma once
// The simulated controller: a byte-level responder to the configuration
// protocol with its memory areas, identity record, password, live status
// and the control commands. It has no I/O of its own; callers feed it the
// bytes the tool sent and pass on the bytes it answers.

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "sim/FaultPlan.h"
#include "sim/Identity.h"
#include "sim/LiveState.h"

namespace vrm::sim {

class Controller {
public:
    static constexpr int kAreaCount = 7;
    // Milliseconds since some fixed start; tests may supply their own clock.
    using Clock = std::function<qint64()>;

    // Factory memory, a supported identity, no password.
    Controller();

    // Bytes from the tool -> bytes the controller answers (possibly empty).
    // Incomplete frames are kept until the rest arrives.
    QByteArray receive(const QByteArray& bytes);

    FaultPlan& faults() { return faults_; }

    // Memory areas 1-7; area 1 is the main block, 4 the modes block,
    // 5 the system parameters, 6 the phone list.
    static int areaSize(int number);
    QByteArray area(int number) const;
    // Copies at most the area's size; a shorter value leaves the tail as is.
    void setArea(int number, const QByteArray& bytes);

    Identity& identity() { return identity_; }
    const Identity& identity() const { return identity_; }
    // The 88-byte identity record as command 5 returns it.
    QByteArray identityRecord() const;

    LiveState& live() { return live_; }
    const LiveState& live() const { return live_; }
    // The 36-byte live status record as command 12 returns it (clock now).
    QByteArray statusRecord() const;

    // Controller clock: runs from the value set (command 13 or here).
    QDateTime clock() const;
    void setClock(const QDateTime& time);

    // A touch-memory key presented to the reader: reported once by command 14.
    // `code` is 8 bytes (the code as the key holds it).
    void presentKey(const QByteArray& code);

    // Stores the administrator password (area 1, offsets 20-28) directly.
    void setPassword(const QByteArray& password);
    bool unlocked() const { return unlocked_; }

    // Restart (command 16): the controller is silent for this long afterwards.
    void setRestartSilenceMs(int ms) { restartSilenceMs_ = ms; }
    int restartSilenceMs() const { return restartSilenceMs_; }
    bool restarting() const;
    int restartCount() const { return restartCount_; }
    int reconfigureCount() const { return reconfigureCount_; }
    // The last 3-byte payload of a control command (command 20).
    QByteArray lastControlCommand() const { return lastControl_; }
    // The command code of the last well-formed frame received, -1 before any.
    int lastCommand() const { return lastCommand_; }

    void setClockSource(Clock clock);
    qint64 nowMs() const { return clock_(); }

private:
    QByteArray handleFrame(uint8_t command, const QByteArray& payload);
    QByteArray answerArea(uint8_t command, const QByteArray& payload);
    QByteArray finish(uint8_t command, QByteArray payload);
    QByteArray applyFaults(uint8_t command, QByteArray frame);
    QByteArray send(QByteArray bytes);
    bool passwordRequired() const;
    void restart();

    std::array<QByteArray, kAreaCount> areas_;
    Identity identity_;
    LiveState live_;
    FaultPlan faults_;
    Clock clock_;
    QByteArray input_;
    QByteArray lastControl_;
    QByteArray pendingKey_;
    QDateTime clockBase_;
    qint64 clockBaseMs_ = 0;
    qint64 silentUntilMs_ = -1;
    int restartSilenceMs_ = 1500;
    int restartCount_ = 0;
    int reconfigureCount_ = 0;
    int lastCommand_ = -1;
    bool unlocked_ = false;
};

} // namespace vrm::sim
