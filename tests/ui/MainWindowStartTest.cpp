// Start-up and closing of the main window in a working folder of its own.
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include "model/ConfigFile.h"
#include "sim/PseudoTerminal.h"
#include "model/FactoryImage.h"
#include "link/Transaction.h"
#include "tests/ui/MainWindowFixture.h"
#include "session/ControllerSession.h"
#include "ui/PortSettingsFile.h"
#include "ui/TForm1.h"

using namespace vrm;
using namespace vrm::test;

namespace {

QAction* action(TForm1& window, const char* name)
{
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

bool waitUnlocked(TForm1& window)
{
    return waitFor([&] { return action(window, "ComPortConfig")->isEnabled(); });
}

} // namespace

TEST(MainWindowStart, FirstStartInEmptyFolderUsesDefaultsAndWritesBothFilesOnClose)
{
    WorkingFolder folder;
    {
        TForm1 window;
        EXPECT_EQ(window.windowTitle(), QStringLiteral("default.cnt — Конфигуратор GSM контроллера VRM530"));
        EXPECT_EQ(window.portName(), QStringLiteral("COM1"));
        EXPECT_TRUE(window.image() == buildFactoryImage());
        EXPECT_EQ(window.statusPanel(0), QStringLiteral("default.cnt"));
        EXPECT_EQ(window.statusPanel(1), QStringLiteral("NC"));
        EXPECT_EQ(window.shownPage(), 0);
        EXPECT_EQ(window.programDirectory(), QDir::currentPath() + QLatin1Char('/'));
        // Controller actions stay locked until the first poller starts.
        EXPECT_FALSE(action(window, "Programm")->isEnabled());
        ASSERT_TRUE(waitUnlocked(window));
        EXPECT_TRUE(action(window, "Programm")->isEnabled());
        EXPECT_TRUE(window.close());
    }
    EXPECT_EQ(QFileInfo(folder.file("VRMConfig.cfg")).size(), 24);
    EXPECT_EQ(QFileInfo(folder.file("default.cnt")).size(), kConfigFileSize);
    EXPECT_EQ(readPortSettings(folder.file("VRMConfig.cfg")), QStringLiteral("COM1"));
    ConfigImage reread = buildFactoryImage();
    reread.setByte(100, 0x5A);
    EXPECT_EQ(readConfigFile(folder.file("default.cnt"), reread), LoadResult::Loaded);
    EXPECT_TRUE(reread == buildFactoryImage());
}

TEST(MainWindowStart, WorkingConfigurationIsLoadedOrReplacedByFactoryBlock)
{
    struct Case {
        const char* what;
        bool damaged;
    };
    for (const Case& c : {Case{"valid file", false}, Case{"truncated file", true}}) {
        SCOPED_TRACE(c.what);
        WorkingFolder folder;
        ConfigImage saved = buildFactoryImage();
        saved.setByte(100, saved.byte(100) ^ 0xFF);
        ASSERT_EQ(writeConfigFile(folder.file("default.cnt"), saved), 0);
        if (c.damaged) {
            QFile file(folder.file("default.cnt"));
            ASSERT_TRUE(file.resize(kConfigFileSize - 1));
        }
        TForm1 window;
        EXPECT_EQ(window.image().byte(100), c.damaged ? buildFactoryImage().byte(100) : saved.byte(100));
        EXPECT_EQ(window.statusPanel(0), QStringLiteral("default.cnt"));
    }
}

TEST(MainWindowStart, StoredPortNameIsKeptOnlyWhenItNamesAPort)
{
    struct Case {
        const char* stored;
        const char* expected;
    };
    for (const Case& c : {Case{"pts/3", "pts/3"}, Case{"COM7", "COM7"}, Case{"CO1", "COM1"}, Case{"ttS0", "COM1"}}) {
        SCOPED_TRACE(c.stored);
        WorkingFolder folder;
        ASSERT_TRUE(writePortSettings(folder.file("VRMConfig.cfg"), QString::fromLatin1(c.stored)));
        TForm1 window;
        EXPECT_EQ(window.portName(), QString::fromLatin1(c.expected));
    }
}

TEST(MainWindowStart, PortThatOpensAtStartUpIsNamedInTheStatusBar)
{
    sim::PseudoTerminal terminal;
    QString error;
    ASSERT_TRUE(terminal.open(error)) << error.toStdString();
    WorkingFolder folder;
    ASSERT_TRUE(writePortSettings(folder.file("VRMConfig.cfg"), terminal.nameBelowDev()));
    TForm1 window;
    EXPECT_EQ(window.statusPanel(1), terminal.nameBelowDev());
}

TEST(MainWindowStart, WindowHasItsGeometryActionsAndStatusPanels)
{
    WorkingFolder folder;
    TForm1 window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Resizable, with at least the first layout's tree width and client height
    // (taller where the screen allows, see WindowGeometry).
    EXPECT_LT(window.minimumWidth(), window.maximumWidth());
    EXPECT_GE(window.pageTree()->width(), 209);
    EXPECT_GE(window.height() - window.menuBar()->sizeHint().height(), 554);

    // Panel 0 (the file) takes the width the other three leave.
    const int widths[4] = {0, 60, 100, 250};
    for (int i = 0; i < 4; ++i) {
        auto* panel = window.statusBar()->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i));
        ASSERT_NE(panel, nullptr);
        if (i == 0) {
            EXPECT_GE(panel->width(), 125);
        } else {
            EXPECT_EQ(panel->width(), widths[i]);
        }
    }

    struct ActionCase {
        const char* name;
        const char* caption;
        const char* menuCaption;
        QKeySequence shortcut;
    };
    const ActionCase actions[] = {
        {"Programm", "Программировать", "Программировать", QKeySequence(Qt::Key_F5)},
        {"ReadConf", "Считать", "Считать конфигурацию", QKeySequence(Qt::Key_F6)},
        {"CompareConf", "Сравнить", "Сравнить конфигурацию", QKeySequence(Qt::Key_F7)},
        {"Reconfigurate", "Реконфигурировать", "Реконфигурировать", QKeySequence(Qt::Key_F8)},
        {"Reset", "Перезапустить", "Перезапустить (Системный сброс)", QKeySequence(Qt::Key_F9)},
        {"ReadIMEICode", "ReadIMEICode", "Считать IMEI контроллера в буфер обмена", QKeySequence(Qt::Key_F10)},
        {"FactoryConfig", "FactoryConfig", "Восстановить заводскую конфигурацию", QKeySequence()},
        {"ComPortConfig", "COM порт...", "COM порт...", QKeySequence()},
        {"Abaut", "О программе...", "О программе...", QKeySequence()},
    };
    for (const ActionCase& c : actions) {
        SCOPED_TRACE(c.name);
        QAction* a = action(window, c.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->iconText(), QString::fromUtf8(c.caption));
        EXPECT_EQ(a->text(), QString::fromUtf8(c.menuCaption));
        EXPECT_EQ(a->shortcut(), c.shortcut);
    }
    EXPECT_EQ(action(window, "Programm")->toolTip(),
              QStringLiteral("Загрузить конфигурацию в контроллер и перезапустить"));
    EXPECT_FALSE(action(window, "FileNew1")->icon().isNull());
}

TEST(MainWindowStart, ClosingIsRefusedWhileTheControllerActionsAreLocked)
{
    WorkingFolder folder;
    TForm1 window;
    ASSERT_TRUE(waitUnlocked(window));

    window.setControllerActionsEnabled(false);
    EXPECT_FALSE(window.close());
    EXPECT_FALSE(QFileInfo::exists(folder.file("VRMConfig.cfg")));
    EXPECT_FALSE(QFileInfo::exists(folder.file("default.cnt")));

    // Page 47 disables six actions but not the port action: closing is allowed.
    window.setControllerActionsEnabled(true);
    window.selectPage(47);
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(QFileInfo::exists(folder.file("default.cnt")));
}

TEST(MainWindowStart, ClosingIsRefusedWhileADeviceOperationRuns)
{
    WorkingFolder folder;
    TForm1 window;
    ASSERT_TRUE(waitUnlocked(window));

    bool busyDuringOperation = false;
    bool closedDuringOperation = true;
    // The operation waits for its transactions in a local event loop, where
    // timers still fire: this close request arrives while it runs.
    QTimer::singleShot(0, &window, [&] {
        busyDuringOperation = window.session()->busy();
        closedDuringOperation = window.close();
    });
    action(window, "ReadConf")->trigger();

    EXPECT_TRUE(busyDuringOperation);
    EXPECT_FALSE(closedDuringOperation);
    EXPECT_FALSE(QFileInfo::exists(folder.file("default.cnt")));
}

TEST(MainWindowStart, RunTimeTextListsAreServedByName)
{
    WorkingFolder folder;
    TForm1 window;
    struct Case {
        const char* name;
        qsizetype size;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {texts::modeNames, 4, "ОХРАНА", "Смена режима"},
        {texts::outputNames, 7, "Реле 1", "Выход 5"},
        {texts::reactions, 17, "Нет реакции", "сценарий 14"},
        {texts::controlActions, 10, "Нет действия", "Управление Выходом 5"},
        {texts::indicationModes, 8, "Показывать состояние входов 1-8 на индикаторах In1-In8",
         "Установлена плата расширенной индикации"},
        {texts::enableCaptions, 2, "Разрешено", "Разрешен"},
        {texts::gsmStates, 12, "Инициализация модема", "Неизвестное состояние GSM модуля"},
        {texts::transactionMessages, 20, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList list = window.textList(QString::fromLatin1(c.name));
        ASSERT_EQ(list.size(), c.size);
        if (c.first) {
            EXPECT_EQ(list.first(), QString::fromUtf8(c.first));
            EXPECT_EQ(list.last(), QString::fromUtf8(c.last));
        }
    }
    EXPECT_EQ(window.transactionMessages(), defaultTransactionMessages());
    EXPECT_EQ(window.text(QString::fromLatin1(texts::showModeOnOutput)),
              QStringLiteral("Отображать режим (ОХРАНА/НАБЛЮДЕНИЕ) на выходе "));

    // A replacement must keep the length: entries are looked up by index.
    EXPECT_FALSE(window.textTable().setList(QString::fromLatin1(texts::gsmStates), {QStringLiteral("x")}));
    EXPECT_EQ(window.gsmStates().size(), 12);
}

TEST(MainWindowStart, FunctionKeysTriggerTheDeviceActions)
{
    WorkingFolder folder;
    TForm1 window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(waitUnlocked(window));

    struct Case {
        Qt::Key key;
        const char* action;
    };
    for (const Case& c : {Case{Qt::Key_F5, "Programm"}, Case{Qt::Key_F6, "ReadConf"}, Case{Qt::Key_F7, "CompareConf"},
                          Case{Qt::Key_F8, "Reconfigurate"}, Case{Qt::Key_F9, "Reset"},
                          Case{Qt::Key_F10, "ReadIMEICode"}}) {
        SCOPED_TRACE(c.action);
        // Each operation ends by unlocking the actions (after Program and
        // Restart, once the poller is back).
        ASSERT_TRUE(waitUnlocked(window));
        QSignalSpy triggered(action(window, c.action), &QAction::triggered);
        QTest::keyClick(&window, c.key);
        EXPECT_EQ(triggered.count(), 1);
    }
}
