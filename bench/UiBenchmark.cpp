// How the window feels, measured offscreen against vrm530-sim at 19,200 baud:
// page switches with their repaint, the longest event-loop stall during
// Program, start-up to the window shown, what an idle, polling window costs,
// and what an idle window without a controller does. Each figure is printed
// beside its goal.
//
//   ui_benchmark [--poller-seconds N] [--poller-runs N] [--rounds N] [--idle-seconds N]
//
// Start-up is timed from the outside: the benchmark starts itself again as a
// child that builds the window in a prepared folder, shows it and reports.

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <map>
#include <ctime>
#include <memory>
#include <vector>

#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#include <unistd.h>
#endif
#include <sys/resource.h>

#include "support/TimerEvents.h"
#include "session/ControllerSession.h"
#include "support/SimProcess.h"
#include "ui/AppStyle.h"
#include "ui/TForm1.h"
#include "ui/UserSettings.h"
#include "ui/pages/status/StatusPage.h"

using namespace vrm;
using vrm::test::TimerEvents;

namespace {

constexpr double kPageSwitchP99GoalMs = 3.0;
constexpr double kStallGoalMs = 20.0;
constexpr double kStartUpGoalMs = 100.0;
// The poller's goal is what the tool controls: the waits of a poll cycle, no
// file-system writes while idle, and its CPU share, the median over the runs
// (what a wake-up costs is the machine's).
constexpr double kPollerGoalPercent = 0.5;
// A poll cycle asks for the identity and the status: per question the poller
// waits for the answer to "BINARY" and for the reply; then it pauses once, and
// the window wakes once for the results.
constexpr int kLeastWaitsPerPollCycle = 6;
constexpr int kIdleWritesGoal = 0;
// An idle window without a controller: nothing of its own wakes it.
constexpr double kIdleWindowWakeUpsGoal = 0;

bool waitUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// Lets the event loop run undisturbed for `ms` (no polling of our own).
void idle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double processCpuSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Context switches of the whole process, every thread: waits that ended, and
// preemptions by other tasks woken on the same core.
struct ContextSwitches {
    long waits = 0;
    long preemptions = 0;
};

ContextSwitches contextSwitches()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return {usage.ru_nvcsw, usage.ru_nivcsw};
}

double percentile(std::vector<double> samples, double p)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const auto index = std::min(samples.size() - 1, std::size_t(p * double(samples.size() - 1) + 0.5));
    return samples[index];
}

void report(const char* what, double value, const char* unit, double goal)
{
    std::printf("%-62s %9.2f %-3s goal <= %6.2f %-3s %s\n", what, value, unit, goal, unit,
                value <= goal ? "ok" : "MISSED");
}

// Shows the window and waits until it has been drawn once.
bool showAndDraw(TForm1& form)
{
    form.show();
    if (!waitUntil([&] { return form.windowHandle() && form.windowHandle()->isExposed(); }, 5000))
        return false;
    form.repaint();
    return true;
}

// The child of the start-up measurement: build, show, draw, say so, leave.
int startUpChild(const QString& folder)
{
    QDir::setCurrent(folder);
    TForm1 form;
    if (!showAndDraw(form))
        return 1;
    std::printf("shown %.1f\n", processCpuSeconds() * 1000.0);
    std::fflush(stdout);
    std::_Exit(0); // leaving the folder as it is: no close steps
}

struct StartUp {
    double wallMs = -1; // process start to the window drawn, median
    double cpuMs = -1;  // CPU the child used until then, median
};

StartUp startUp(const QString& folder, int runs)
{
    std::vector<double> samples;
    std::vector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--start-up-child"), folder});
        if (!child.waitForReadyRead(10000))
            return {};
        samples.push_back(double(clock.nsecsElapsed()) / 1e6);
        cpu.push_back(child.readAllStandardOutput().trimmed().split(' ').value(1).toDouble());
        child.waitForFinished(5000);
    }
    return {percentile(samples, 0.5), percentile(cpu, 0.5)};
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2)
                                          : QStringLiteral("?");
}

// Counts what is written while it lives: any file created, changed, moved in
// or removed in `folders` (but `ignored`), and the lock files of `port`
// ("LCK..pts_3" for /dev/pts/3) created in the usual lock folders, where the
// files of other programs on the machine are not the tool's.
class FileWrites {
public:
    FileWrites(const QStringList& folders, QString ignored, const QString& port)
        : ignored_(std::move(ignored)),
          lockName_("LCK.." + QFile::encodeName(port.startsWith(QLatin1String("/dev/")) ? port.mid(5) : port).replace('/', '_'))
    {
#ifdef Q_OS_LINUX
        fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        for (const QString& folder : folders)
            ours_.push_back(::inotify_add_watch(fd_, QFile::encodeName(folder).constData(),
                                                IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_TO | IN_DELETE
                                                    | IN_ATTRIB));
        for (const char* dir : {"/var/lock", "/run/lock", "/tmp", "/var/spool/locks", "/var/spool/uucp"})
            ::inotify_add_watch(fd_, dir, IN_CREATE | IN_DELETE); // alternating, so never merged
#else
        Q_UNUSED(folders);
#endif
    }
    ~FileWrites()
    {
#ifdef Q_OS_LINUX
        if (fd_ >= 0)
            ::close(fd_);
#endif
    }
    // Takes the events seen so far into the counts.
    void collect()
    {
#ifdef Q_OS_LINUX
        alignas(inotify_event) char buffer[8192];
        ssize_t n;
        while ((n = ::read(fd_, buffer, sizeof buffer)) > 0) {
            for (char* p = buffer; p < buffer + n;) {
                auto* event = reinterpret_cast<inotify_event*>(p);
                const QByteArray name = event->len > 0 ? QByteArray(event->name) : QByteArray();
                if (name.startsWith("LCK..")) {
                    if ((event->mask & IN_CREATE) && name == lockName_)
                        ++lockFiles;
                } else if (std::find(ours_.begin(), ours_.end(), event->wd) != ours_.end()
                           && QString::fromLocal8Bit(name) != ignored_) {
                    ++writes;
                    written.insert(QString::fromLocal8Bit(name));
                }
                p += sizeof(inotify_event) + event->len;
            }
        }
#endif
    }

    int writes = 0;    // events on files of the watched folders
    int lockFiles = 0; // port lock files created
    QSet<QString> written;

private:
    QString ignored_;
    QByteArray lockName_;
    std::vector<int> ours_;
    int fd_ = -1;
};

QString listed(const std::map<QString, int>& counts, double seconds)
{
    QStringList parts;
    for (const auto& [name, count] : counts)
        parts << QStringLiteral("%1 %2/s").arg(name).arg(count / seconds, 0, 'f', 1);
    return parts.isEmpty() ? QStringLiteral("none") : parts.join(QStringLiteral(", "));
}

// The idle window without a controller: what wakes its event loop.
struct IdleWindow {
    double windowTimersPerSecond = 0;
    double wakeUpsPerSecond = 0;     // every return of the event loop from its wait
    double queuedCallsPerSecond = 0; // queued calls delivered meanwhile (the poller's results)
    QString windowTimers;
    QString otherTimers;
};

IdleWindow idleWindowWithoutController(int seconds)
{
    QTemporaryDir folder; // no port settings: the poller looks for COM1, which is not there
    QDir::setCurrent(folder.path());
    IdleWindow result;
    TForm1 form;
    if (!showAndDraw(form))
        return result;
    // Start-up's own passes (the first poller, the pages built and laid out in idle time) end first.
    idle(3000);
    form.pageTree()->setFocus();
    TimerEvents timers(form);
    int wakeUps = 0;
    const auto counter = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                                          [&wakeUps] { ++wakeUps; });
    idle(seconds * 1000);
    QObject::disconnect(counter);
    int windowTimers = 0;
    for (const auto& [name, count] : timers.window)
        windowTimers += count;
    result.windowTimersPerSecond = double(windowTimers) / seconds;
    result.wakeUpsPerSecond = double(wakeUps) / seconds;
    result.queuedCallsPerSecond = double(timers.queuedCalls) / seconds;
    result.windowTimers = listed(timers.window, seconds);
    // The idle loop's own end timer is the benchmark's.
    timers.others.erase(QStringLiteral("QSingleShotTimer"));
    result.otherTimers = listed(timers.others, seconds);
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    useAppStyle(app); // as the tool does
    QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--start-up-child"))
        return startUpChild(args[2]);

    int pollerSeconds = 30;
    int pollerRuns = 5;
    int rounds = 10;
    int idleSeconds = 5;
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--poller-seconds"))
            pollerSeconds = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--poller-runs"))
            pollerRuns = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--rounds"))
            rounds = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--idle-seconds"))
            idleSeconds = std::max(1, args[i + 1].toInt());
    }

    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("controller.state"));
    test::SimProcess sim({QStringLiteral("--write-config"), dir.path(), QStringLiteral("--state"), state,
                          QStringLiteral("--pace"), QStringLiteral("--no-drift")});
    if (sim.path().isEmpty()) {
        std::fprintf(stderr, "vrm530-sim did not start\n");
        return 1;
    }

    // Start-up first, in a folder of its own that names the simulator's port.
    QTemporaryDir startFolder;
    QFile::copy(dir.filePath(QStringLiteral("VRMConfig.cfg")), startFolder.filePath(QStringLiteral("VRMConfig.cfg")));
    const StartUp start = startUp(startFolder.path(), 5);

    QDir::setCurrent(dir.path());
    auto form = std::make_unique<TForm1>();
    if (!showAndDraw(*form))
        return 1;
    QAction* program = form->findChild<QAction*>(QStringLiteral("Programm"));
    if (!waitUntil([&] { return program->isEnabled() && form->statusPage()->shownIdentity().deviceName == "VRM530"; },
                   10000)) {
        std::fprintf(stderr, "the window never heard the simulator on %s\n", qPrintable(sim.path()));
        return 1;
    }

    // Page switches: every page, several rounds. Each switch is timed with
    // the repaint it causes (what changed, painted at once, as the window
    // system would ask for it next), and once more with the whole window
    // repainted, the upper bound.
    std::vector<double> switches;
    std::vector<double> fullRepaints;
    for (int round = 0; round < 2 * rounds; ++round) {
        const bool full = round >= rounds;
        for (int page = 0; page < 48; ++page) {
            QElapsedTimer clock;
            clock.start();
            form->selectPage(page);
            if (full)
                form->repaint();
            else
                QApplication::sendPostedEvents(form.get(), QEvent::UpdateRequest);
            (full ? fullRepaints : switches).push_back(double(clock.nsecsElapsed()) / 1e6);
            QApplication::processEvents();
        }
    }
    form->selectPage(0);
    // The pages that cost most, by their median switch, to say where the time goes.
    std::vector<std::pair<double, int>> byPage;
    for (int page = 0; page < 48; ++page) {
        std::vector<double> samples;
        for (int round = 0; round < rounds; ++round)
            samples.push_back(switches[std::size_t(round * 48 + page)]);
        byPage.push_back({percentile(samples, 0.5), page});
    }
    std::sort(byPage.rbegin(), byPage.rend());
    QStringList slowest;
    for (std::size_t i = 0; i < 5; ++i)
        slowest << QStringLiteral("%1: %2 ms").arg(byPage[i].second).arg(byPage[i].first, 0, 'f', 2);

    // The idle window on page 0, polling the controller, in runs: the share
    // depends on what one wake-up costs on this machine as much as on the
    // tool, so the waits per poll cycle are counted beside it, and the
    // median of the runs is taken.
    idle(1000);
    QStringList watched{dir.path()};
    if (const QString settings = QFileInfo(userSettings()->fileName()).absolutePath(); QFileInfo::exists(settings))
        watched << settings;
    FileWrites files(watched, QFileInfo(state).fileName(), sim.path()); // the simulator keeps its memory there
    int pollCycles = 0;
    const auto cycleCount = QObject::connect(form->session(), &ControllerSession::pageZeroPolled,
                                             [&pollCycles] { ++pollCycles; });
    std::vector<double> shares;
    double pollerCpu = 0;
    double idleTime = 0;
    const ContextSwitches switchesBefore = contextSwitches();
    const int runMs = std::max(1000, pollerSeconds * 1000 / pollerRuns);
    for (int run = 0; run < pollerRuns; ++run) {
        QElapsedTimer wall;
        const double cpuBefore = processCpuSeconds();
        wall.start();
        idle(runMs);
        const double cpu = processCpuSeconds() - cpuBefore;
        const double seconds = double(wall.nsecsElapsed()) / 1e9;
        shares.push_back(cpu / seconds * 100.0);
        pollerCpu += cpu;
        idleTime += seconds;
    }
    const ContextSwitches switchesAfter = contextSwitches();
    QObject::disconnect(cycleCount);
    files.collect();
    const double pollerShare = percentile(shares, 0.5);

    // Program, with a precise 1 ms timer showing how long the loop was away.
    double longestStall = 0;
    QElapsedTimer sinceTick;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        longestStall = std::max(longestStall, double(sinceTick.nsecsElapsed()) / 1e6);
        sinceTick.restart();
    });
    QString programText;
    double programMs = 0;
    QEventLoop outer;
    QTimer::singleShot(0, [&] {
        QElapsedTimer clock;
        clock.start();
        sinceTick.start();
        probe.start();
        program->trigger();
        probe.stop();
        programMs = double(clock.nsecsElapsed()) / 1e6;
        programText = form->actionLabel()->text();
        outer.quit();
    });
    outer.exec();

    std::printf("ui_benchmark: offscreen, vrm530-sim at 19,200 baud on %s\n", qPrintable(sim.path()));
    std::printf("%zu page switches over 48 pages, median %.2f ms\n", switches.size(), percentile(switches, 0.5));
    report("page switch including repaint, 99th percentile", percentile(switches, 0.99), "ms", kPageSwitchP99GoalMs);
    std::printf("  with the whole window repainted each time: median %.2f ms, 99th percentile %.2f ms\n",
                percentile(fullRepaints, 0.5), percentile(fullRepaints, 0.99));
    std::printf("  slowest pages to switch to (median): %s\n", qPrintable(slowest.join(QStringLiteral(", "))));
    std::printf("Program took %.0f ms: \"%s\"\n", programMs, qPrintable(programText));
    report("longest event-loop stall during Program", longestStall, "ms", kStallGoalMs);
    report("start-up to window shown (process start, median of 5)", start.wallMs, "ms", kStartUpGoalMs);
    std::printf("  CPU the start-up used (median): %.0f ms; machine load average: %s\n", start.cpuMs,
                qPrintable(loadAverage()));
    std::printf("idle polling on page 0, %d runs of %.1f s:\n", pollerRuns, runMs / 1000.0);
    if (pollCycles > 0) {
        // Preemptions come from the tasks a pseudo-terminal's write wakes (its
        // kernel worker, the simulator), which a serial port's write does not.
        const double perCycle = 1.0 / pollCycles;
        report("  waits a poll cycle (every thread)", double(switchesAfter.waits - switchesBefore.waits) * perCycle,
               "", kLeastWaitsPerPollCycle);
        std::printf("    %d poll cycles (%.1f a second), each: %.0f us of CPU, %.1f preemptions\n", pollCycles,
                    pollCycles / idleTime, pollerCpu * 1e6 * perCycle,
                    double(switchesAfter.preemptions - switchesBefore.preemptions) * perCycle);
    } else {
        std::printf("  no poll cycle completed\n");
    }
    report("  file-system writes while idle (port lock files among them)", files.writes + files.lockFiles, "",
           kIdleWritesGoal);
    if (files.lockFiles > 0)
        std::printf("    port lock files created: %d\n", files.lockFiles);
    if (!files.written.isEmpty())
        std::printf("    files written: %s\n", qPrintable(QStringList(files.written.values()).join(QStringLiteral(", "))));
    report("  CPU share of one core, median of the runs", pollerShare, "%", kPollerGoalPercent);
    std::printf("    runs: %s\n", qPrintable([&] {
                    QStringList runs;
                    for (double share : shares)
                        runs << QStringLiteral("%1%").arg(share, 0, 'f', 2);
                    return runs.join(QStringLiteral(" "));
                }()));

    form.reset();
    const IdleWindow alone = idleWindowWithoutController(idleSeconds);
    std::printf("idle window without a controller, %d s on page 0:\n", idleSeconds);
    report("  wake-ups a second by the window's own timers", alone.windowTimersPerSecond, "/s",
           kIdleWindowWakeUpsGoal);
    if (alone.windowTimersPerSecond > 0)
        std::printf("    the window's timers: %s\n", qPrintable(alone.windowTimers));
    std::printf("    Qt's own timers: %s\n", qPrintable(alone.otherTimers));
    std::printf("    event-loop wake-ups: %.1f a second, with %.1f queued calls a second (the poller's results of its"
                " search for COM1)\n",
                alone.wakeUpsPerSecond, alone.queuedCallsPerSecond);
    return 0;
}
