#include "sim/ConsoleCommands.h"

#include <QList>
#include <functional>
#include <map>
#include <optional>

#include "sim/Controller.h"

namespace vrm::sim {

namespace {

using Args = QList<QByteArray>;

struct Command {
    const char* usage;
    int minArgs;
    int maxArgs;
    std::function<ConsoleResult(Controller&, const Args&)> run;
};

ConsoleResult fail(const QString& message) { return {false, false, message}; }
ConsoleResult done(const QString& message = {}) { return {true, false, message}; }

bool toInt(const QByteArray& text, int low, int high, int& value)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < low || v > high)
        return false;
    value = v;
    return true;
}

bool onOff(const QByteArray& text, bool& value)
{
    if (text == "on" || text == "1") {
        value = true;
        return true;
    }
    if (text == "off" || text == "0") {
        value = false;
        return true;
    }
    return false;
}

QString outOfRange(const char* what, int low, int high)
{
    return QStringLiteral("%1 must be a number from %2 to %3").arg(QLatin1String(what)).arg(low).arg(high);
}

// A command that sets one byte-sized live value.
Command byteSetter(const char* usage, const char* what, int low, int high, std::function<void(LiveState&, int)> set)
{
    return {usage, 1, 1, [=](Controller& c, const Args& a) {
                int v = 0;
                if (!toInt(a[0], low, high, v))
                    return fail(outOfRange(what, low, high));
                set(c.live(), v);
                return done();
            }};
}

std::optional<Fault> faultNamed(const QByteArray& name)
{
    static const std::map<QByteArray, Fault> names{
        {"drop", Fault::Drop},
        {"short", Fault::ShortByOne},
        {"check", Fault::CorruptCheck},
        {"command-echo", Fault::WrongCommandEcho},
        {"address-echo", Fault::WrongAddressEcho},
        {"length-echo", Fault::WrongLengthEcho},
        {"status1", Fault::Status1},
        {"status2", Fault::Status2},
    };
    const auto it = names.find(name);
    return it == names.end() ? std::nullopt : std::optional<Fault>(it->second);
}

const std::map<QByteArray, Command>& commands()
{
    static const std::map<QByteArray, Command> table{
        {"key", {"key HEX16           present a touch-memory key (16 hexadecimal digits, byte 0 first)", 1, 1,
                 [](Controller& c, const Args& a) {
                     const QByteArray code = QByteArray::fromHex(a[0]);
                     if (a[0].size() != 16 || code.size() != 8 || code.toHex().compare(a[0], Qt::CaseInsensitive) != 0)
                         return fail(QStringLiteral("a key code is 16 hexadecimal digits"));
                     c.presentKey(code);
                     return done();
                 }}},
        {"gsm", byteSetter("gsm N               GSM state code 0-255 (8 registered, 10 roaming)", "the GSM state", 0, 255,
                           [](LiveState& s, int v) { s.gsmState = uint8_t(v); })},
        {"signal", byteSetter("signal N            GSM signal quality 0-31", "the signal", 0, 31,
                              [](LiveState& s, int v) { s.signal = uint8_t(v); })},
        {"supply", byteSetter("supply N            main supply in tenths of a volt, 0-255", "the supply", 0, 255,
                              [](LiveState& s, int v) { s.supplyDeciVolts = uint8_t(v); })},
        {"battery", byteSetter("battery N           battery charge in per cent; 254 test running, 255 none",
                               "the battery charge", 0, 255, [](LiveState& s, int v) { s.battery = uint8_t(v); })},
        {"temperature", {"temperature N|off   modem temperature in degrees (-128 to 127), or none", 1, 1,
                         [](Controller& c, const Args& a) {
                             if (a[0] == "off") {
                                 c.live().temperaturePresent = false;
                                 return done();
                             }
                             int v = 0;
                             if (!toInt(a[0], -128, 127, v))
                                 return fail(outOfRange("the temperature", -128, 127));
                             c.live().temperature = int8_t(v);
                             c.live().temperaturePresent = true;
                             return done();
                         }}},
        {"balance", {"balance X|off       account balance, or none", 1, 1,
                     [](Controller& c, const Args& a) {
                         if (a[0] == "off") {
                             c.live().balancePresent = false;
                             return done();
                         }
                         bool ok = false;
                         const float v = a[0].toFloat(&ok);
                         if (!ok)
                             return fail(QStringLiteral("the balance must be a number"));
                         c.live().balance = v;
                         c.live().balancePresent = true;
                         return done();
                     }}},
        {"input", {"input N on|off      state of input 1-16", 2, 2,
                   [](Controller& c, const Args& a) {
                       int n = 0;
                       bool on = false;
                       if (!toInt(a[0], 1, LiveState::kInputCount, n))
                           return fail(outOfRange("the input", 1, LiveState::kInputCount));
                       if (!onOff(a[1], on))
                           return fail(QStringLiteral("an input is on or off"));
                       const uint16_t bit = uint16_t(1u << (n - 1));
                       c.live().inputs = on ? uint16_t(c.live().inputs | bit) : uint16_t(c.live().inputs & ~bit);
                       return done();
                   }}},
        {"raw", {"raw N V             raw reading 0-4095 of analogue input 1-8", 2, 2,
                 [](Controller& c, const Args& a) {
                     int n = 0;
                     int v = 0;
                     if (!toInt(a[0], 1, LiveState::kAnalogueInputCount, n))
                         return fail(outOfRange("the input", 1, LiveState::kAnalogueInputCount));
                     if (!toInt(a[1], 0, 4095, v))
                         return fail(outOfRange("the reading", 0, 4095));
                     c.live().raw[n - 1] = uint16_t(v);
                     return done();
                 }}},
        {"output", {"output N on|off     state of output 1-7 (relay 1, relay 2, outputs 1-5)", 2, 2,
                    [](Controller& c, const Args& a) {
                        int n = 0;
                        bool on = false;
                        if (!toInt(a[0], 1, LiveState::kOutputCount, n))
                            return fail(outOfRange("the output", 1, LiveState::kOutputCount));
                        if (!onOff(a[1], on))
                            return fail(QStringLiteral("an output is on or off"));
                        const uint8_t bit = uint8_t(1u << (n - 1));
                        c.live().outputs = on ? uint8_t(c.live().outputs | bit) : uint8_t(c.live().outputs & ~bit);
                        return done();
                    }}},
        {"perimeter", {"perimeter N MODE    perimeter 1-4: observe, switching, arm or unused", 2, 2,
                       [](Controller& c, const Args& a) {
                           static const std::map<QByteArray, PerimeterMode> modes{
                               {"observe", PerimeterMode::Observation},
                               {"switching", PerimeterMode::Switching},
                               {"arm", PerimeterMode::Armed},
                               {"unused", PerimeterMode::Unused}};
                           int n = 0;
                           if (!toInt(a[0], 1, LiveState::kPerimeterCount, n))
                               return fail(outOfRange("the perimeter", 1, LiveState::kPerimeterCount));
                           const auto mode = modes.find(a[1]);
                           if (mode == modes.end())
                               return fail(QStringLiteral("a perimeter mode is observe, switching, arm or unused"));
                           c.live().perimeters[n - 1] = mode->second;
                           return done();
                       }}},
        {"password", {"password [TEXT]     administrator password (at most 8 characters); none clears it", 0, 1,
                      [](Controller& c, const Args& a) {
                          const QByteArray text = a.isEmpty() ? QByteArray() : a[0];
                          if (text.size() > 8)
                              return fail(QStringLiteral("the password has at most 8 characters"));
                          c.setPassword(text);
                          return done();
                      }}},
        {"fault", {"fault NAME [TIMES]  spoil the next replies: drop, short, check, command-echo,\n"
                   "                      address-echo, length-echo, status1, status2", 1, 2,
                   [](Controller& c, const Args& a) {
                       const std::optional<Fault> fault = faultNamed(a[0]);
                       if (!fault)
                           return fail(QStringLiteral("unknown fault \"%1\"").arg(QString::fromLatin1(a[0])));
                       int times = 1;
                       if (a.size() == 2 && !toInt(a[1], 1, 1000000, times))
                           return fail(outOfRange("the count", 1, 1000000));
                       c.faults().add(*fault, times);
                       return done();
                   }}},
        {"unplug", {"unplug [BYTES]      go silent after BYTES more reply bytes (default 0)", 0, 1,
                    [](Controller& c, const Args& a) {
                        int bytes = 0;
                        if (!a.isEmpty() && !toInt(a[0], 0, 1 << 30, bytes))
                            return fail(outOfRange("the byte count", 0, 1 << 30));
                        c.faults().stopAfterBytes(bytes);
                        return done();
                    }}},
        {"plug", {"plug                answer again and forget pending faults", 0, 0,
                  [](Controller& c, const Args&) {
                      c.faults().clear();
                      return done();
                  }}},
        {"status", {"status              show the live state and counters", 0, 0,
                    [](Controller& c, const Args&) {
                        const LiveState& s = c.live();
                        return done(QStringLiteral("clock %1, gsm %2, signal %3, inputs %4, outputs %5, "
                                                   "restarts %6, reconfigurations %7, password %8")
                                        .arg(c.clock().toString(QStringLiteral("dd.MM.yy hh:mm:ss")))
                                        .arg(s.gsmState)
                                        .arg(s.signal)
                                        .arg(c.inputMask(), 4, 16, QLatin1Char('0'))
                                        .arg(c.outputMask(), 2, 16, QLatin1Char('0'))
                                        .arg(c.restartCount())
                                        .arg(c.reconfigureCount())
                                        .arg(c.password().isEmpty() ? QStringLiteral("none")
                                                                    : QStringLiteral("set")));
                    }}},
        {"help", {"help                list these commands", 0, 0,
                  [](Controller&, const Args&) { return done(consoleCommandHelp()); }}},
        {"quit", {"quit                stop the simulator", 0, 0,
                  [](Controller&, const Args&) { return ConsoleResult{true, true, {}}; }}},
    };
    return table;
}

} // namespace

ConsoleResult applyConsoleCommand(Controller& controller, const QByteArray& line)
{
    const Args words = line.simplified().split(' ');
    if (words.isEmpty() || words[0].isEmpty())
        return done();
    const auto it = commands().find(words[0].toLower());
    if (it == commands().end())
        return fail(QStringLiteral("unknown command \"%1\" (try \"help\")").arg(QString::fromLocal8Bit(words[0])));
    const Command& command = it->second;
    const Args args = words.mid(1);
    if (args.size() < command.minArgs || args.size() > command.maxArgs)
        return fail(QStringLiteral("usage: %1")
                        .arg(QString::fromLatin1(command.usage).section(QStringLiteral("  "), 0, 0)));
    return command.run(controller, args);
}

QString consoleCommandHelp()
{
    QString help;
    for (const auto& [name, command] : commands())
        help += QStringLiteral("  %1\n").arg(QString::fromLatin1(command.usage));
    return help;
}

} // namespace vrm::sim
