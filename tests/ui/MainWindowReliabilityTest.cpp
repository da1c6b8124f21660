// The window against hostile working folders and the system's signals:
// FIFOs in place of its files, a damaged "default.cnt", leftovers of
// interrupted saves, and SIGTERM, SIGINT or SIGHUP while idle or busy.
#include <QAction>
#include <QFileInfo>
#include <csignal>

#include "model/ConfigFile.h"
#include "model/FactoryImage.h"
#include "support/FifoWatchdog.h"
#include "tests/ui/MainWindowFixture.h"
#include "session/ControllerSession.h"
#include "ui/PortSettingsFile.h"
#include "ui/ShutdownSignals.h"
#include "ui/TForm1.h"

using namespace vrm;
using namespace vrm::test;

namespace {

const QString kOpenTitle = QStringLiteral("Открытие файла конфигурации");

QAction* action(TForm1& window, const char* name)
{
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

bool waitUnlocked(TForm1& window)
{
    return waitFor([&] { return action(window, "FileOpen1")->isEnabled(); });
}

QStringList entries(const WorkingFolder& folder)
{
    return QDir(folder.path()).entryList(QDir::Files | QDir::System, QDir::Name);
}

} // namespace

TEST(MainWindowReliability, FifosInPlaceOfTheWorkingFilesDoNotHoldUpTheStart)
{
    WorkingFolder folder;
    for (const char* name : {"default.cnt", "VRMConfig.cfg", "lng.txt"})
        ASSERT_TRUE(makeFifo(folder.file(QString::fromLatin1(name))));
    FifoWatchdog watchdog({folder.file("default.cnt"), folder.file("VRMConfig.cfg"), folder.file("lng.txt")},
                          std::chrono::seconds(3));
    {
        TForm1 window;
        watchdog.stop();
        EXPECT_FALSE(watchdog.fired()) << "the start-up blocked on a FIFO";
        EXPECT_EQ(window.portName(), QStringLiteral("COM1"));
        EXPECT_TRUE(window.image() == buildFactoryImage());
        ModalScript script; // a FIFO is not a damaged configuration: no message
        ASSERT_TRUE(waitUnlocked(window));
        EXPECT_EQ(script.unexpected, 0);
        EXPECT_TRUE(window.close());
    }
    // Closing wrote real files where the FIFOs were.
    EXPECT_TRUE(QFileInfo(folder.file("default.cnt")).isFile());
    EXPECT_EQ(readPortSettings(folder.file("VRMConfig.cfg")), QStringLiteral("COM1"));
}

TEST(MainWindowReliability, OpeningAFifoSaysTheFileCannotBeOpened)
{
    WorkingFolder folder;
    TForm1 window;
    ASSERT_TRUE(waitUnlocked(window));
    const QString fifo = folder.file("pipe.cnt");
    ASSERT_TRUE(makeFifo(fifo));
    const ConfigImage before = window.image();

    ModalScript script;
    script.then(typeFileName(fifo));
    script.thenMessage();
    FifoWatchdog watchdog({fifo}, std::chrono::seconds(3));
    action(window, "FileOpen1")->trigger();
    watchdog.stop();

    EXPECT_FALSE(watchdog.fired()) << "File > Open blocked on a FIFO";
    EXPECT_TRUE(script.finished());
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].title, kOpenTitle);
    EXPECT_EQ(script.messages[0].text, QStringLiteral("Невозможно открыть файл"));
    EXPECT_TRUE(window.image() == before);
    EXPECT_EQ(window.statusPanel(0), QStringLiteral("default.cnt"));
}

TEST(MainWindowReliability, DamagedWorkingConfigurationIsKeptAndReportedOnce)
{
    struct Case {
        const char* what;
        int keep; // bytes of a good file kept; the last byte flipped when all are kept
    };
    for (const Case& c : {Case{"wrong check byte", kConfigFileSize}, Case{"truncated", 4000}}) {
        SCOPED_TRACE(c.what);
        WorkingFolder folder;
        ConfigImage saved = buildFactoryImage();
        saved.setByte(100, 0x77);
        ASSERT_EQ(writeConfigFile(folder.file("default.cnt"), saved), 0);
        QByteArray damaged = readFile(folder.file("default.cnt")).left(c.keep);
        if (c.keep == kConfigFileSize)
            damaged[kConfigFileSize - 1] = char(damaged[kConfigFileSize - 1] ^ 0x55);
        ASSERT_TRUE(writeFile(folder.file("default.cnt"), damaged));

        QString keptName;
        {
            ModalScript script;
            script.thenMessage();
            TForm1 window;
            EXPECT_TRUE(window.image() == buildFactoryImage());
            ASSERT_TRUE(waitFor([&] { return script.finished(); }));
            ASSERT_EQ(script.messages.size(), 1u);
            EXPECT_EQ(script.messages[0].title, kOpenTitle);
            EXPECT_EQ(script.messages[0].icon, QMessageBox::Warning);

            const QStringList files = entries(folder);
            ASSERT_EQ(files.size(), 1) << files.join(' ').toStdString();
            keptName = files[0];
            EXPECT_TRUE(keptName.startsWith(QStringLiteral("default.cnt.damaged-"))) << keptName.toStdString();
            EXPECT_TRUE(script.messages[0].text.contains(keptName)) << script.messages[0].text.toStdString();
            ASSERT_TRUE(waitUnlocked(window));
            EXPECT_TRUE(window.close());
        }
        // The close wrote a new "default.cnt"; the damaged bytes are all still there.
        EXPECT_EQ(readFile(folder.file(keptName)), damaged);
        ConfigImage reread;
        EXPECT_EQ(readConfigFile(folder.file("default.cnt"), reread), LoadResult::Loaded);

        // The next start finds a good file: nothing more to keep or say.
        ModalScript quiet;
        TForm1 again;
        ASSERT_TRUE(waitUnlocked(again));
        EXPECT_EQ(quiet.unexpected, 0);
        EXPECT_EQ(entries(folder).size(), 3);
    }
}

TEST(MainWindowReliability, LeftoversOfInterruptedSavesGoAtStartUp)
{
    WorkingFolder folder;
    ConfigImage saved = buildFactoryImage();
    saved.setByte(100, 0x42);
    ASSERT_EQ(writeConfigFile(folder.file("default.cnt"), saved), 0);
    ASSERT_TRUE(writeFile(folder.file("default.cnt.Ab12Cd"), readFile(folder.file("default.cnt"))));
    ASSERT_TRUE(writeFile(folder.file("VRMConfig.cfg.x9Y8z7"), "[VRMProgCfg]CO"));
    ASSERT_TRUE(writeFile(folder.file("notes.txt.Ab12Cd"), "[VRMProgCfg]"));

    TForm1 window;
    EXPECT_EQ(window.image().byte(100), 0x42);
    EXPECT_EQ(entries(folder), (QStringList{QStringLiteral("default.cnt"), QStringLiteral("notes.txt.Ab12Cd")}));
}

TEST(MainWindowReliability, ShutdownSignalsRunTheWindowsCloseSteps)
{
    for (int number : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(number);
        WorkingFolder folder;
        TForm1 window;
        ShutdownSignals shutdown;
        shutdown.closeOnSignal(window, [&window] { return window.closeAllowed(); });
        window.show();
        ASSERT_TRUE(waitUnlocked(window));
        window.setPortName(QStringLiteral("COM9"));

        ASSERT_EQ(::raise(number), 0);
        ASSERT_TRUE(waitFor([&] { return !window.isVisible(); }));
        EXPECT_EQ(readPortSettings(folder.file("VRMConfig.cfg")), QStringLiteral("COM9"));
        EXPECT_TRUE(QFileInfo(folder.file("default.cnt")).isFile());
    }
}

TEST(MainWindowReliability, ShutdownSignalDuringAnOperationClosesOnceItEnds)
{
    WorkingFolder folder;
    TForm1 window;
    ShutdownSignals shutdown;
    shutdown.closeOnSignal(window, [&window] { return window.closeAllowed(); });
    window.show();
    ASSERT_TRUE(waitUnlocked(window));

    bool busyAtSignal = false;
    bool openAfterSignal = false;
    QTimer::singleShot(0, &window, [&] {
        busyAtSignal = window.session()->busy();
        ::raise(SIGTERM);
        // The operation's own loop delivers the signal's wake-up: refused.
        waitFor([] { return false; }, 3 * ShutdownSignals::kRetryMs);
        openAfterSignal = window.isVisible();
    });
    action(window, "ReadConf")->trigger(); // "COM1" is absent: fails after its attempts

    EXPECT_TRUE(busyAtSignal);
    EXPECT_TRUE(openAfterSignal) << "closed under a running operation";
    EXPECT_FALSE(QFileInfo::exists(folder.file("default.cnt")));
    ASSERT_TRUE(waitFor([&] { return !window.isVisible(); }));
    EXPECT_TRUE(QFileInfo(folder.file("default.cnt")).isFile());
}

#if __has_include(<qpa/qwindowsysteminterface.h>)
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

TEST(MainWindowReliability, CloseRequestDuringAnOperationIsRefusedNotPostponed)
{
    WorkingFolder folder;
    TForm1 window;
    window.show();
    ASSERT_TRUE(waitUnlocked(window));
    ASSERT_NE(window.windowHandle(), nullptr);

    bool busyAtRequest = false;
    QTimer::singleShot(0, &window, [&] {
        busyAtRequest = window.session()->busy();
        // Queued as the window system queues a click on the title bar's close button.
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::AsynchronousDelivery>(window.windowHandle());
    });
    action(window, "ReadConf")->trigger(); // "COM1" is absent: fails after its attempts
    ASSERT_TRUE(busyAtRequest);

    // Whatever the event loop still held is delivered now: the window stays.
    QWindowSystemInterface::flushWindowSystemEvents();
    QApplication::processEvents();
    EXPECT_TRUE(window.isVisible()) << "the close refused during the operation was carried out after it";
    EXPECT_FALSE(QFileInfo::exists(folder.file("default.cnt")));
}
#endif
