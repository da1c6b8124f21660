// vrm530-sim: the simulated controller on a pseudo-terminal, for running and
// testing the configuration tool without a controller.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include "sim/ConsoleCommands.h"
#include "sim/Controller.h"
#include "sim/Pacer.h"
#include "sim/PortConfigFile.h"
#include "sim/PseudoTerminal.h"
#include "sim/StateFile.h"
#include "session/ProgramVersion.h"

using namespace vrm::sim;

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char b = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &b, 1);
}

bool installSignalHandlers()
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction action{};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
}

qint64 nowMicros()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void say(FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stream);
}

[[noreturn]] void giveUp(const QString& message)
{
    say(stderr, QStringLiteral("vrm530-sim: %1").arg(message));
    std::exit(2);
}

struct Options {
    QCommandLineOption writeConfig{"write-config", "Write a \"VRMConfig.cfg\" naming the pseudo-terminal into DIR.", "DIR"};
    QCommandLineOption state{"state", "Keep the memory areas in FILE across runs (created when missing).", "FILE"};
    QCommandLineOption pace{"pace", "Release reply bytes at 19,200 baud, 10 bits a byte (default)."};
    QCommandLineOption noPace{"no-pace", "Release reply bytes as fast as possible."};
    QCommandLineOption noDrift{"no-drift", "Keep readings and supply exactly as set (by default they wander a little)."};
    QCommandLineOption trace{"trace", "Print every byte received and answered on standard error."};
    QCommandLineOption deviceName{"device-name", "Device name of the identity record (default VRM530).", "TEXT"};
    QCommandLineOption modification{"modification", "Modification (default QT).", "TEXT"};
    QCommandLineOption hardware{"hardware", "Hardware version, two hexadecimal digit pairs (default 14.02).", "XX.YY"};
    QCommandLineOption software{"software", "Software version (default 01.02).", "XX.YY"};
    QCommandLineOption boot{"boot", "Boot loader version (default 01.01).", "XX.YY"};
    QCommandLineOption date{"date", "Date text of the identity record, at most 11 characters.", "TEXT"};
    QCommandLineOption country{"country", "Country code, at most 3 characters.", "TEXT"};
    QCommandLineOption imei{"imei", "Modem IMEI, at most 15 characters.", "TEXT"};
    QCommandLineOption serial{"serial", "Device serial number: four numbers separated by commas.", "A,B,C,D"};
    QCommandLineOption lockedSerial{"locked-serial", "Locked serial number: four numbers separated by commas.", "A,B,C,D"};
    QCommandLineOption password{"password", "Administrator password stored in the main block (at most 8 characters).", "TEXT"};
    QCommandLineOption gsm{"gsm", "GSM state code (default 8, registered in the home network).", "N"};
    QCommandLineOption signal{"signal", "GSM signal quality 0-31.", "N"};
    QCommandLineOption supply{"supply", "Main supply in tenths of a volt.", "N"};
    QCommandLineOption battery{"battery", "Battery charge in per cent (254 test running, 255 none).", "N"};
    QCommandLineOption temperature{"temperature", "Modem temperature in degrees, or \"off\".", "N"};
    QCommandLineOption balance{"balance", "Account balance, or \"off\".", "X"};
    QCommandLineOption restartSilence{"restart-silence", "Silence after a restart command (default 1500).", "MS"};
    QCommandLineOption resetCountdown{"reset-countdown", "Time a wrong empty password must be followed by steady traffic before the "
                                      "configuration and password return to factory values (default 1800).", "SECONDS"};
    QCommandLineOption imitation{"imitation", "How long an imitated input stays active (default 2000).", "MS"};
};

QString description()
{
    return QStringLiteral(
               "Simulated VRM530 controller on a pseudo-terminal. The first line on standard output is the\n"
               "pseudo-terminal's path (for example /dev/pts/3). Stops on SIGTERM, SIGINT or \"quit\".\n\n"
               "Commands on standard input, one a line:\n")
           + consoleCommandHelp();
}

int number(const QCommandLineParser& parser, const QCommandLineOption& option, int low, int high)
{
    bool ok = false;
    const int v = parser.value(option).toInt(&ok);
    if (!ok || v < low || v > high)
        giveUp(QStringLiteral("--%1 must be a number from %2 to %3").arg(option.names().first()).arg(low).arg(high));
    return v;
}

std::array<uint32_t, 4> serialNumber(const QCommandLineParser& parser, const QCommandLineOption& option)
{
    const QStringList parts = parser.value(option).split(QLatin1Char(','));
    std::array<uint32_t, 4> numbers{};
    bool ok = parts.size() == 4;
    for (int i = 0; ok && i < 4; ++i)
        numbers[i] = parts[i].trimmed().toUInt(&ok);
    if (!ok)
        giveUp(QStringLiteral("--%1 takes four unsigned numbers separated by commas").arg(option.names().first()));
    return numbers;
}

QByteArray text(const QCommandLineParser& parser, const QCommandLineOption& option, int limit)
{
    const QByteArray value = parser.value(option).toLatin1();
    if (value.size() > limit)
        giveUp(QStringLiteral("--%1 takes at most %2 characters").arg(option.names().first()).arg(limit));
    return value;
}

void configure(Controller& controller, const QCommandLineParser& parser, const Options& o)
{
    Identity& id = controller.identity();
    if (parser.isSet(o.deviceName))
        id.deviceName = text(parser, o.deviceName, 8);
    if (parser.isSet(o.modification))
        id.modification = text(parser, o.modification, 8);
    const std::pair<const QCommandLineOption*, uint16_t*> versions[] = {
        {&o.hardware, &id.hardwareVersion}, {&o.software, &id.softwareVersion}, {&o.boot, &id.bootVersion}};
    for (const auto& [option, version] : versions)
        if (parser.isSet(*option) && !parseVersion(parser.value(*option).toLatin1(), *version))
            giveUp(QStringLiteral("--%1 takes a version like 01.02").arg(option->names().first()));
    if (parser.isSet(o.date))
        id.date = text(parser, o.date, 11);
    if (parser.isSet(o.country))
        id.countryCode = text(parser, o.country, 3);
    if (parser.isSet(o.imei))
        id.imei = text(parser, o.imei, 15);
    if (parser.isSet(o.serial))
        id.deviceSerial = serialNumber(parser, o.serial);
    if (parser.isSet(o.lockedSerial))
        id.lockedSerial = serialNumber(parser, o.lockedSerial);

    // Live values share their checks with the console commands.
    const std::pair<const QCommandLineOption*, const char*> live[] = {
        {&o.gsm, "gsm"},         {&o.signal, "signal"},           {&o.supply, "supply"},
        {&o.battery, "battery"}, {&o.temperature, "temperature"}, {&o.balance, "balance"},
        {&o.password, "password"}};
    for (const auto& [option, command] : live) {
        if (!parser.isSet(*option))
            continue;
        const ConsoleResult r = applyConsoleCommand(
            controller, QByteArray(command) + ' ' + parser.value(*option).toLocal8Bit());
        if (!r.ok)
            giveUp(QStringLiteral("--%1: %2").arg(option->names().first(), r.message));
    }
    if (parser.isSet(o.restartSilence))
        controller.setRestartSilenceMs(number(parser, o.restartSilence, 0, 600000));
    if (parser.isSet(o.resetCountdown))
        controller.setResetCountdownMs(qint64(number(parser, o.resetCountdown, 0, 86400)) * 1000);
    if (parser.isSet(o.imitation))
        controller.setImitationMs(number(parser, o.imitation, 0, 600000));
    controller.setDrift(!parser.isSet(o.noDrift));
}

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vrm530-sim"));

    Options o;
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    parser.addHelpOption();
    const QCommandLineOption version{"version", "Print the version and the firmware the tool supports, then exit."};
    parser.addOption(version);
    for (const QCommandLineOption* option :
         {&o.writeConfig, &o.state, &o.pace, &o.noPace, &o.noDrift, &o.trace, &o.deviceName, &o.modification,
          &o.hardware, &o.software, &o.boot, &o.date, &o.country, &o.imei, &o.serial, &o.lockedSerial,
          &o.password, &o.gsm, &o.signal, &o.supply, &o.battery, &o.temperature, &o.balance,
          &o.restartSilence, &o.resetCountdown, &o.imitation})
        parser.addOption(*option);
    parser.process(app);
    if (parser.isSet(version)) {
        say(stdout, vrm::programVersionText(QStringLiteral("vrm530-sim"), QStringLiteral("Supported device versions")));
        return 0;
    }
    if (parser.isSet(o.pace) && parser.isSet(o.noPace))
        giveUp(QStringLiteral("--pace and --no-pace exclude each other"));

    Controller controller;
    const QString statePath = parser.value(o.state);
    QString error;
    if (!statePath.isEmpty() && !loadState(controller, statePath, error))
        giveUp(error); // never overwrite a file we could not read
    configure(controller, parser, o);

    bool stateDirty = false;
    qint64 saveAtMicros = -1;
    // Without a state file there is nothing to save, and no deadline may be
    // left set: the loop below would then wake at once, for ever.
    if (!statePath.isEmpty()) {
        controller.setAreaWrittenHandler([&](int) {
            stateDirty = true;
            saveAtMicros = nowMicros() + 300000; // save once a burst of chunks is over
        });
    }
    const auto saveNow = [&] {
        saveAtMicros = -1;
        if (statePath.isEmpty() || !stateDirty)
            return;
        QString saveError;
        if (!saveState(controller, statePath, saveError))
            say(stderr, QStringLiteral("vrm530-sim: state not saved: %1").arg(saveError));
        stateDirty = false;
    };

    if (!installSignalHandlers())
        giveUp(QStringLiteral("cannot install signal handlers"));
    PseudoTerminal terminal;
    if (!terminal.open(error))
        giveUp(error);
    if (parser.isSet(o.writeConfig)
        && !writePortConfig(parser.value(o.writeConfig), terminal.nameBelowDev().toLocal8Bit(), error))
        giveUp(error);
    say(stdout, terminal.path());

    const bool trace = parser.isSet(o.trace);
    Pacer pacer(parser.isSet(o.noPace) ? 0 : Pacer::kByteMicros);
    bool stdinOpen = true;
    QByteArray stdinLine;
    bool running = true;
    while (running) {
        const qint64 now = nowMicros();
        qint64 waitMicros = -1;
        const qint64 nextByte = pacer.microsUntilNext(now);
        if (nextByte >= 0)
            waitMicros = nextByte;
        if (saveAtMicros >= 0)
            waitMicros = waitMicros < 0 ? std::max<qint64>(0, saveAtMicros - now)
                                        : std::min(waitMicros, std::max<qint64>(0, saveAtMicros - now));
        timespec timeout{};
        timeout.tv_sec = waitMicros / 1000000;
        timeout.tv_nsec = (waitMicros % 1000000) * 1000;

        pollfd fds[3] = {{terminal.masterFd(), POLLIN, 0},
                         {signalPipe[0], POLLIN, 0},
                         {stdinOpen ? STDIN_FILENO : -1, POLLIN, 0}};
        const int ready = ::ppoll(fds, 3, waitMicros < 0 ? nullptr : &timeout, nullptr);
        if (ready < 0 && errno != EINTR)
            giveUp(QStringLiteral("poll failed"));

        if (fds[1].revents & POLLIN)
            break;
        if (fds[0].revents & POLLIN) {
            const QByteArray received = terminal.read();
            if (!received.isEmpty()) {
                const QByteArray reply = controller.receive(received);
                if (trace)
                    say(stderr, QStringLiteral("<- %1\n-> %2").arg(hex(received), hex(reply)));
                pacer.push(reply, nowMicros());
            }
        }
        if (fds[2].revents & (POLLIN | POLLHUP)) {
            char buffer[1024];
            const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
            if (n <= 0) {
                stdinOpen = false; // no more commands; keep serving
            } else {
                stdinLine.append(buffer, n);
                qsizetype end;
                while (running && (end = stdinLine.indexOf('\n')) >= 0) {
                    const ConsoleResult r = applyConsoleCommand(controller, stdinLine.left(end));
                    stdinLine.remove(0, end + 1);
                    if (!r.message.isEmpty())
                        say(r.ok ? stdout : stderr, r.message);
                    running = !r.quit;
                }
            }
        }
        const QByteArray due = pacer.take(nowMicros());
        if (!due.isEmpty())
            terminal.write(due);
        if (saveAtMicros >= 0 && nowMicros() >= saveAtMicros)
            saveNow();
    }
    saveNow();
    return 0;
}
