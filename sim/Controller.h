#pragma once
// The simulated controller: a byte-level responder to the configuration
// protocol with its memory areas, identity record, password, live status
// and the control commands. It has no I/O of its own; callers feed it the
// bytes the tool sent and pass on the bytes it answers.

#include <QByteArray>
#include <QDateTime>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "sim/FaultPlan.h"
#include "sim/FrameScanner.h"
#include "sim/Identity.h"
#include "sim/LiveState.h"
#include "sim/ScenarioPlayer.h"

namespace vrm::sim {

class Controller {
public:
    static constexpr int kAreaCount = 7;
    // The one byte the controller answers to "BINARY\r".
    static constexpr uint8_t kBinaryAnswer = 0x06;
    // Status bytes of command and area-write replies.
    static constexpr uint8_t kStatusOk = 0;
    static constexpr uint8_t kStatusFlashError = 1;
    static constexpr uint8_t kStatusPasswordRequired = 2;
    static constexpr uint8_t kStatusRefused = 3; // malformed request or out of range
    // Milliseconds since some fixed start; tests may supply their own clock.
    using Clock = std::function<qint64()>;

    // Factory memory, a supported identity, no password.
    Controller();

    // Bytes from the tool -> bytes the controller answers (possibly empty).
    // Incomplete frames are kept until the rest arrives.
    QByteArray receive(const QByteArray& bytes);

    FaultPlan& faults() { return faults_; }

    // Memory areas 1-7; area 1 is the main block, 4 the modes block,
    // 5 the system parameters, 6 the phone list. 0 for other numbers.
    static int areaSize(int number);
    QByteArray area(int number) const;
    // Copies at most the area's size; a shorter value leaves the tail as is.
    void setArea(int number, const QByteArray& bytes);
    // Called after a successful area write from the tool (e.g. to save state).
    void setAreaWrittenHandler(std::function<void(int area)> handler) { areaWritten_ = std::move(handler); }

    Identity& identity() { return identity_; }
    const Identity& identity() const { return identity_; }
    // The 88-byte identity record as command 5 returns it.
    QByteArray identityRecord() const { return identity_.record(); }

    LiveState& live() { return live_; }
    const LiveState& live() const { return live_; }
    // The 36-byte live status record as command 12 returns it (clock now).
    QByteArray statusRecord() const;
    // Readings and supply wander a little over time, like a real board's.
    void setDrift(bool on) { drift_ = on; }

    // Controller clock: runs from the value set (command 13 or here).
    QDateTime clock() const;
    void setClock(const QDateTime& time);

    // A touch-memory key presented to the reader: reported once by command 14.
    // `code` is 8 bytes, byte 0 first as the tool shows it.
    void presentKey(const QByteArray& code);

    // Stores the administrator password (area 1, offsets 20-28) directly.
    void setPassword(const QByteArray& password);
    QByteArray password() const;
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

    // An imitated input stays active this long.
    void setImitationMs(int ms) { imitationMs_ = ms; }
    // A wrong empty password starts the factory reset countdown: when the
    // tool keeps talking this long (no pause over kLinkLostMs), the main and
    // modes blocks return to factory values and the password is gone.
    static constexpr qint64 kLinkLostMs = 5000;
    void setResetCountdownMs(qint64 ms) { resetCountdownMs_ = ms; }
    bool resetCountdownRunning() const { return resetStartMs_ >= 0; }

    // Input and output masks as the status record reports them now.
    uint16_t inputMask() const;
    uint8_t outputMask() const;

    void setClockSource(Clock clock);
    qint64 nowMs() const { return clock_(); }

private:
    enum class Shape { Record, Status, AreaWrite, AreaRead };
    struct Reply {
        Shape shape;
        QByteArray frame;
    };

    Reply handleFrame(uint8_t command, const QByteArray& payload);
    Reply writeArea(int number, uint8_t command, const QByteArray& payload);
    Reply readArea(int number, uint8_t command, const QByteArray& payload);
    uint8_t checkPassword(const QByteArray& payload);
    uint8_t setClockFrom(const QByteArray& payload);
    uint8_t control(const QByteArray& payload);
    QByteArray keyRecord();
    QByteArray diagnosticRecord() const;
    QByteArray applyFault(Reply reply);
    QByteArray send(const QByteArray& bytes);
    bool passwordRequired() const;
    void runResetCountdown(qint64 now);
    void restart();
    void stopOutputs();

    std::array<QByteArray, kAreaCount> areas_;
    Identity identity_;
    LiveState live_;
    FaultPlan faults_;
    FrameScanner scanner_;
    Clock clock_;
    std::function<void(int)> areaWritten_;
    QByteArray lastControl_;
    QByteArray keyCode_ = QByteArray(8, '\0');
    bool keyFresh_ = false;
    std::array<std::optional<ScenarioPlayer>, LiveState::kOutputCount> players_;
    std::array<qint64, LiveState::kInputCount> imitatedUntil_{};
    QDateTime clockBase_;
    qint64 clockBaseMs_ = 0;
    qint64 startMs_ = 0;
    qint64 silentUntilMs_ = -1;
    qint64 lastHeardMs_ = 0;
    qint64 resetStartMs_ = -1;
    qint64 resetCountdownMs_ = 1800 * 1000;
    int restartSilenceMs_ = 1500;
    int imitationMs_ = 2000;
    int restartCount_ = 0;
    int reconfigureCount_ = 0;
    int lastCommand_ = -1;
    bool unlocked_ = false;
    bool drift_ = false;
};

} // namespace vrm::sim
