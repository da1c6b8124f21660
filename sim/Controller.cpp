#include "sim/Controller.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <memory>

#include "model/FactoryImage.h"
#include "model/Layout.h"
#include "sim/Frame.h"

namespace vrm::sim {

namespace {

struct AreaCodes {
    uint8_t write;
    uint8_t read;
};
// Write and read command of areas 1-7.
constexpr std::array<AreaCodes, Controller::kAreaCount> kAreaCodes{{
    {6, 7}, {1, 2}, {3, 4}, {8, 9}, {18, 19}, {22, 23}, {10, 11}}};
constexpr std::array<int, Controller::kAreaCount> kAreaSizes{5292, 256, 256, 10, 24, 18032, 256};

constexpr int kMaxChunk = 256;
// The administrator password as the controller keeps it in area 1.
constexpr int kPasswordOffset = int(layout::commonBlock[0].base + layout::common::systemPassword.info.offset);
constexpr int kPasswordSize = layout::common::systemPassword.info.width;
constexpr int kPasswordChars = kPasswordSize - 1;
constexpr int kScenarioCount = 14;
constexpr int kKeyRecordSize = 12;
constexpr uint8_t kNewKeyBits = 0x03;

enum Command : uint8_t {
    Identify = 5,
    LiveStatus = 12,
    SetClock = 13,
    KeyCode = 14,
    Reconfigure = 15,
    Restart = 16,
    Password = 17,
    ControlCommand = 20,
    Diagnostics = 21,
};

enum ControlClass : uint8_t { Arm = 0, Observe = 1, Output = 2, Protection = 3, ImitateInput = 4 };

QByteArray textUpToNul(const QByteArray& bytes, int limit)
{
    QByteArray text = bytes.left(limit);
    const auto nul = text.indexOf('\0');
    return nul < 0 ? text : text.left(nul);
}

QByteArray bytesOf(std::span<const uint8_t> span)
{
    return QByteArray(reinterpret_cast<const char*>(span.data()), qsizetype(span.size()));
}

// A triangle wave of amplitude `amplitude` and period `periodMs`.
int wobble(qint64 nowMs, qint64 periodMs, int amplitude)
{
    const qint64 phase = nowMs % periodMs;
    const double x = double(phase) / double(periodMs); // 0..1
    const double tri = x < 0.5 ? 4 * x - 1 : 3 - 4 * x; // -1..1
    return int(std::lround(tri * amplitude));
}

} // namespace

Controller::Controller()
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    clock_ = [timer] { return timer->elapsed(); };

    const ConfigImage factory = buildFactoryImage();
    for (int n = 1; n <= kAreaCount; ++n)
        areas_[n - 1] = QByteArray(areaSize(n), '\0');
    setArea(1, bytesOf(factory.span(blocks::main)));
    setArea(4, bytesOf(factory.span(blocks::modes)));
    setArea(5, bytesOf(factory.span(blocks::systemParameters)));
    setArea(6, bytesOf(factory.span(blocks::phoneList)));
    setPassword({});

    clockBase_ = QDateTime::currentDateTime();
    clockBaseMs_ = startMs_ = lastHeardMs_ = nowMs();
}

void Controller::setClockSource(Clock clock)
{
    // Keep the controller clock, restart counting on the new source.
    const QDateTime now = this->clock();
    clock_ = std::move(clock);
    clockBase_ = now;
    clockBaseMs_ = startMs_ = lastHeardMs_ = nowMs();
}

int Controller::areaSize(int number)
{
    return number >= 1 && number <= kAreaCount ? kAreaSizes[number - 1] : 0;
}

QByteArray Controller::area(int number) const
{
    return areaSize(number) ? areas_[number - 1] : QByteArray();
}

void Controller::setArea(int number, const QByteArray& bytes)
{
    if (!areaSize(number))
        return;
    QByteArray& target = areas_[number - 1];
    const auto n = std::min(bytes.size(), target.size());
    target.replace(0, n, bytes.left(n));
}

void Controller::setPassword(const QByteArray& password)
{
    QByteArray field = password.left(kPasswordChars);
    field.append(QByteArray(kPasswordSize - field.size(), '\0'));
    areas_[0].replace(kPasswordOffset, kPasswordSize, field);
}

QByteArray Controller::password() const
{
    return textUpToNul(areas_[0].mid(kPasswordOffset, kPasswordSize), kPasswordSize);
}

bool Controller::passwordRequired() const
{
    return !unlocked_ && !password().isEmpty();
}

QDateTime Controller::clock() const
{
    return clockBase_.addMSecs(nowMs() - clockBaseMs_);
}

void Controller::setClock(const QDateTime& time)
{
    clockBase_ = time;
    clockBaseMs_ = nowMs();
}

void Controller::presentKey(const QByteArray& code)
{
    keyCode_ = code.left(8);
    keyCode_.append(QByteArray(8 - keyCode_.size(), '\0'));
    keyFresh_ = true;
}

bool Controller::restarting() const
{
    return silentUntilMs_ >= 0 && nowMs() < silentUntilMs_;
}

uint16_t Controller::inputMask() const
{
    uint16_t mask = live_.inputs;
    const qint64 now = nowMs();
    for (int i = 0; i < LiveState::kInputCount; ++i)
        if (now < imitatedUntil_[i])
            mask |= uint16_t(1u << i);
    return mask;
}

uint8_t Controller::outputMask() const
{
    uint8_t mask = live_.outputs;
    const qint64 now = nowMs();
    for (int k = 0; k < LiveState::kOutputCount; ++k) {
        if (!players_[k])
            continue;
        if (players_[k]->level(now))
            mask |= uint8_t(1u << k);
        else
            mask &= uint8_t(~(1u << k));
    }
    return mask;
}

QByteArray Controller::statusRecord() const
{
    std::array<uint16_t, LiveState::kAnalogueInputCount> readings = live_.raw;
    LiveState shown = live_;
    if (drift_) {
        const qint64 now = nowMs();
        for (int i = 0; i < LiveState::kAnalogueInputCount; ++i)
            readings[i] = uint16_t(std::clamp(readings[i] + wobble(now, 7000 + 900 * i, 25), 0, 4095));
        shown.supplyDeciVolts = uint8_t(std::clamp(live_.supplyDeciVolts + wobble(now, 11000, 1), 0, 255));
    }
    return shown.record(clock(), inputMask(), outputMask(), readings);
}

QByteArray Controller::receive(const QByteArray& bytes)
{
    const qint64 now = nowMs();
    if (faults_.silenced() || restarting())
        return {}; // unplugged or still starting up: nothing is heard
    if (silentUntilMs_ >= 0) {
        silentUntilMs_ = -1; // back from a restart with a fresh session
        scanner_.reset();
    }
    runResetCountdown(now);
    lastHeardMs_ = now;

    QByteArray out;
    for (const FrameScanner::Event& event : scanner_.feed(bytes, now)) {
        if (event.binaryEntry) {
            out += send(QByteArray(1, char(kBinaryAnswer)));
            continue;
        }
        lastCommand_ = event.command;
        out += send(applyFault(handleFrame(event.command, event.payload)));
        if (event.command == Restart && silentUntilMs_ >= 0)
            break; // whatever else was sent is lost in the restart
    }
    return out;
}

QByteArray Controller::send(const QByteArray& bytes)
{
    return bytes.left(faults_.allowedBytes(bytes.size()));
}

Controller::Reply Controller::handleFrame(uint8_t command, const QByteArray& payload)
{
    for (int n = 1; n <= kAreaCount; ++n) {
        if (command == kAreaCodes[n - 1].write)
            return writeArea(n, command, payload);
        if (command == kAreaCodes[n - 1].read)
            return readArea(n, command, payload);
    }
    const auto status = [command](uint8_t s) { return Reply{Shape::Status, frame::status(command, s)}; };
    switch (command) {
    case Identify:
        return {Shape::Record, frame::build(command, identityRecord())};
    case LiveStatus:
        return {Shape::Record, frame::build(command, statusRecord())};
    case Diagnostics:
        return {Shape::Record, frame::build(command, diagnosticRecord())};
    case SetClock:
        return status(setClockFrom(payload));
    case Password:
        return status(checkPassword(payload));
    default:
        break;
    }
    // The rest is refused until the right password was presented.
    const bool known = command == KeyCode || command == Reconfigure || command == Restart
                       || command == ControlCommand;
    if (!known)
        return status(kStatusRefused);
    if (passwordRequired())
        return status(kStatusPasswordRequired);
    switch (command) {
    case KeyCode:
        return {Shape::Record, frame::build(command, keyRecord())};
    case Reconfigure:
        ++reconfigureCount_;
        return status(kStatusOk);
    case Restart:
        restart();
        return status(kStatusOk);
    default:
        return status(control(payload));
    }
}

Controller::Reply Controller::writeArea(int number, uint8_t command, const QByteArray& payload)
{
    const uint32_t address = payload.size() >= 4 ? frame::le32(payload, 0) : 0;
    const uint16_t length = payload.size() >= 6 ? frame::le16(payload, 4) : 0;
    uint8_t status = kStatusOk;
    if (payload.size() < 6 || payload.size() != 6 + length || length == 0 || length > kMaxChunk
        || qint64(address) + length > areaSize(number))
        status = kStatusRefused;
    else if (passwordRequired())
        status = kStatusPasswordRequired;

    if (status == kStatusOk) {
        // A session that could write keeps its access when the write itself
        // stores a new password; the new one counts from the next session.
        unlocked_ = true;
        areas_[number - 1].replace(qsizetype(address), length, payload.mid(6, length));
        if (areaWritten_)
            areaWritten_(number);
    }
    QByteArray reply;
    frame::appendLe32(reply, address);
    frame::appendLe16(reply, length);
    reply.append(char(status));
    reply.append('\0');
    return {Shape::AreaWrite, frame::build(command, reply)};
}

Controller::Reply Controller::readArea(int number, uint8_t command, const QByteArray& payload)
{
    // A refused read gets a short status frame: the tool sees the wrong length.
    if (payload.size() < 6)
        return {Shape::Status, frame::status(command, kStatusRefused)};
    const uint32_t address = frame::le32(payload, 0);
    const uint16_t length = frame::le16(payload, 4);
    if (length == 0 || length > kMaxChunk || qint64(address) + length > areaSize(number))
        return {Shape::Status, frame::status(command, kStatusRefused)};
    if (passwordRequired())
        return {Shape::Status, frame::status(command, kStatusPasswordRequired)};
    QByteArray reply;
    frame::appendLe32(reply, address);
    frame::appendLe16(reply, length);
    reply.append(areas_[number - 1].mid(qsizetype(address), length));
    return {Shape::AreaRead, frame::build(command, reply)};
}

uint8_t Controller::checkPassword(const QByteArray& payload)
{
    if (payload.size() != kPasswordSize)
        return kStatusRefused;
    const QByteArray stored = password();
    if (stored.isEmpty()) {
        unlocked_ = true;
        return kStatusOk;
    }
    const QByteArray given = textUpToNul(payload, kPasswordChars);
    if (given == stored) {
        unlocked_ = true;
        resetStartMs_ = -1;
        return kStatusOk;
    }
    unlocked_ = false;
    if (given.isEmpty() && resetStartMs_ < 0)
        resetStartMs_ = nowMs();
    return kStatusPasswordRequired;
}

void Controller::runResetCountdown(qint64 now)
{
    if (resetStartMs_ < 0)
        return;
    if (now - lastHeardMs_ > kLinkLostMs) {
        resetStartMs_ = -1; // the link was broken: the procedure starts over
        return;
    }
    if (now - resetStartMs_ < resetCountdownMs_)
        return;
    resetStartMs_ = -1;
    ConfigImage image;
    restoreFactoryMainBlock(image);
    restoreFactoryModesBlock(image);
    areas_[0] = bytesOf(image.span(blocks::main));
    areas_[3] = bytesOf(image.span(blocks::modes));
    setPassword({});
    unlocked_ = false;
}

uint8_t Controller::setClockFrom(const QByteArray& payload)
{
    if (payload.size() != 6)
        return kStatusRefused;
    const auto b = [&payload](int i) { return int(uint8_t(payload[i])); };
    const QDate date(2000 + b(0), b(1), b(2));
    const QTime time(b(3), b(4), b(5));
    if (b(0) > 99 || !date.isValid() || !time.isValid())
        return kStatusRefused;
    setClock(QDateTime(date, time));
    return kStatusOk;
}

uint8_t Controller::control(const QByteArray& payload)
{
    lastControl_ = payload;
    if (payload.size() != 3)
        return kStatusRefused;
    const uint8_t objectClass = uint8_t(payload[0]);
    const uint8_t number = uint8_t(payload[1]);
    const uint8_t action = uint8_t(payload[2]);
    const qint64 now = nowMs();
    switch (objectClass) {
    case Arm:
    case Observe:
        if (number >= LiveState::kPerimeterCount)
            return kStatusRefused;
        live_.perimeters[number] = objectClass == Arm ? PerimeterMode::Armed : PerimeterMode::Observation;
        return kStatusOk;
    case Protection:
        live_.protection = true;
        live_.perimeters.fill(PerimeterMode::Armed);
        return kStatusOk;
    case ImitateInput:
        if (number >= LiveState::kInputCount)
            return kStatusRefused;
        imitatedUntil_[number] = now + imitationMs_;
        return kStatusOk;
    case Output:
        break;
    default:
        return kStatusRefused;
    }
    if (number >= LiveState::kOutputCount || action == 0 || action > 2 + kScenarioCount)
        return kStatusRefused;
    const uint8_t bit = uint8_t(1u << number);
    players_[number].reset();
    if (action == 1) {
        live_.outputs |= bit;
    } else if (action == 2) {
        live_.outputs &= uint8_t(~bit);
    } else {
        // Actions 3-16 play scenarios 1-14 from the main block.
        const auto base = qsizetype(layout::scenarios[std::size_t(action - 3)].base);
        std::array<uint16_t, ScenarioPlayer::kWords> words{};
        for (int w = 0; w < ScenarioPlayer::kWords; ++w)
            words[w] = frame::le16(areas_[0], int(base + 2 * w));
        players_[number].emplace(words, now);
    }
    return kStatusOk;
}

QByteArray Controller::keyRecord()
{
    QByteArray r = keyCode_;
    r.append(char(keyFresh_ ? kNewKeyBits : 0));
    r.append(QByteArray(kKeyRecordSize - r.size(), '\0'));
    keyFresh_ = false;
    return r;
}

QByteArray Controller::diagnosticRecord() const
{
    QByteArray r;
    frame::appendLe32(r, uint32_t((nowMs() - startMs_) / 1000));
    frame::appendLe32(r, uint32_t(restartCount_));
    frame::appendLe32(r, uint32_t(reconfigureCount_));
    frame::appendLe32(r, 0);
    return r;
}

void Controller::restart()
{
    ++restartCount_;
    silentUntilMs_ = nowMs() + restartSilenceMs_;
    unlocked_ = false;
    keyFresh_ = false;
    resetStartMs_ = -1;
    imitatedUntil_.fill(0);
    stopOutputs();
}

void Controller::stopOutputs()
{
    live_.outputs = 0;
    for (auto& player : players_)
        player.reset();
}

QByteArray Controller::applyFault(Reply reply)
{
    const bool areaReply = reply.shape == Shape::AreaWrite || reply.shape == Shape::AreaRead;
    const std::optional<Fault> fault = faults_.takeNext(areaReply);
    if (!fault)
        return reply.frame;
    QByteArray& f = reply.frame;
    const uint8_t command = uint8_t(f[1]);
    switch (*fault) {
    case Fault::Drop:
        return {};
    case Fault::ShortByOne:
        f.chop(1);
        return f;
    case Fault::CorruptCheck:
        f[f.size() - 1] = char(~uint8_t(f.back()));
        return f;
    case Fault::WrongCommandEcho:
        f[1] = char(command ^ 0x80);
        break;
    case Fault::WrongAddressEcho:
        f[4] = char(uint8_t(f[4]) ^ 0x01);
        break;
    case Fault::WrongLengthEcho:
        f[8] = char(uint8_t(f[8]) ^ 0x01);
        break;
    case Fault::Status1:
    case Fault::Status2: {
        const uint8_t status = *fault == Fault::Status1 ? kStatusFlashError : kStatusPasswordRequired;
        if (reply.shape == Shape::Status)
            f[4] = char(status);
        else if (reply.shape == Shape::AreaWrite)
            f[10] = char(status);
        else
            return frame::status(command, status);
        break;
    }
    }
    frame::reseal(f);
    return f;
}

} // namespace vrm::sim
