// The device operations and control commands against the in-process
// simulated controller: what reaches the controller, what comes back into the
// image, and what the window shows.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

#include "support/SimulatorLink.h"
#include "model/FactoryImage.h"
#include "ui/SessionTestHost.h"
#include "ui/TFormClearConfig.h"

using namespace vrm;

namespace {

constexpr int kPasswordOffset = 20;

class OperationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        controller().setRestartSilenceMs(0);
    }

    QByteArray area(int n) { return sim.with([n](sim::Controller& c) { return c.area(n); }); }
    // The controller, once no poller can be using it.
    sim::Controller& controller()
    {
        host.session().stopPoller();
        return sim.controller();
    }
    QByteArray mainBlock() { return QByteArray(reinterpret_cast<const char*>(host.image().data()), 5292); }
    void setImagePassword(const char* text)
    {
        for (int i = 0; i < 9; ++i)
            host.image().setByte(kPasswordOffset + i, 0);
        for (int i = 0; text[i]; ++i)
            host.image().setByte(kPasswordOffset + i, uint8_t(text[i]));
    }
    // Marks the image so that a write is recognisable in the controller.
    void markImage() { host.image().setByte(100, 0x5A); }
    void click(const char* name)
    {
        QPushButton* button = host.find<QPushButton>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    test::SharedSimulator sim;
    test::SessionTestHost host{sim.linkFactory()};
};

const QString kPasswordRefused = QStringLiteral(
    "Взаимодействие запрещено без указания пароля, команды чтения/записи и ряд управляющих команд не могут быть "
    "выполнены");

} // namespace

TEST_F(OperationsTest, ProgramWritesTheImageAndRestarts)
{
    markImage();
    host.session().startPoller();
    host.shown = 5;
    host.session().program();

    EXPECT_EQ(host.selectedPages, std::vector<int>{0});
    EXPECT_FALSE(host.session().pollerRunning());
    EXPECT_FALSE(host.actionsEnabled); // until Timer2 fires
    EXPECT_EQ(area(1), mainBlock());
    EXPECT_EQ(sim.with([](sim::Controller& c) { return c.restartCount(); }), 1);
    EXPECT_EQ(host.actionText(), QStringLiteral("Перезагрузка устройства инициированна"));
    EXPECT_EQ(host.page().actionProgress()->maximum(), 5292);
    EXPECT_EQ(host.page().actionProgress()->value(), 5292);
    EXPECT_EQ(host.page().shownIdentity().deviceName, QStringLiteral("--------"));

    ASSERT_TRUE(test::waitUntil([&] { return host.actionsEnabled; }, 4000));
    EXPECT_TRUE(host.session().pollerRunning());
}

TEST_F(OperationsTest, ProgramClearsTheModesBlockWhenAsked)
{
    QByteArray modes(10, '\x77');
    controller().setArea(4, modes);
    host.image().setByte(5292, 0x77);
    host.find<QCheckBox>(QStringLiteral("CheckBoxClearSaveArea"))->setChecked(true);
    host.session().program();
    const ConfigImage factory = buildFactoryImage();
    EXPECT_EQ(area(4), QByteArray(reinterpret_cast<const char*>(factory.data() + 5292), 10));
    EXPECT_EQ(host.image().byte(5292), factory.byte(5292));
    EXPECT_EQ(controller().restartCount(), 1);
}

TEST_F(OperationsTest, FailedWritesSendNoRestart)
{
    markImage();
    controller().faults().add(sim::Fault::WrongAddressEcho); // the first area reply
    host.session().program();
    EXPECT_EQ(host.actionText(), QStringLiteral("Ошибка передачи данных, код 3"));
    EXPECT_TRUE(host.actionsEnabled);
    EXPECT_TRUE(host.session().pollerRunning());
    EXPECT_EQ(controller().restartCount(), 0);

    // The main block goes through, the modes block write meets silence: the
    // controller stops after the identity (1 + 93 bytes), the password (1 + 6)
    // and the main block (1 + 21 write replies of 13 + 20 reads of 267 + 183).
    host.find<QCheckBox>(QStringLiteral("CheckBoxClearSaveArea"))->setChecked(true);
    controller().faults().stopAfterBytes(94 + 7 + 1 + 21 * 13 + 20 * 267 + 183);
    host.session().program();
    controller().faults().clear();
    EXPECT_EQ(area(1), mainBlock());
    EXPECT_EQ(host.actionText(), QStringLiteral("Нет ответа от устройства"));
    EXPECT_EQ(controller().restartCount(), 0);
    EXPECT_TRUE(host.actionsEnabled);
    host.session().stopPoller();
}

TEST_F(OperationsTest, ReconfigureAfterAFailedWriteStillReconfigures)
{
    host.session().reconfigure();
    EXPECT_EQ(controller().reconfigureCount(), 1);
    EXPECT_EQ(controller().restartCount(), 0);
    EXPECT_EQ(area(1), mainBlock());

    markImage();
    host.session().stopPoller();
    controller().faults().add(sim::Fault::WrongAddressEcho); // the first chunk's reply
    host.session().reconfigure();
    EXPECT_EQ(host.actionText(), QStringLiteral("Ошибка передачи данных, код 3"));
    EXPECT_TRUE(host.actionsEnabled);
    EXPECT_TRUE(host.session().pollerRunning());
    EXPECT_EQ(controller().reconfigureCount(), 2);
}

TEST_F(OperationsTest, ReadBringsTheControllerConfiguration)
{
    QByteArray stored = area(1);
    stored[100] = char(0x5A);
    stored[3000] = char(0xA5);
    controller().setArea(1, stored);
    host.session().read();
    EXPECT_EQ(mainBlock(), stored);
    EXPECT_EQ(host.actionText(), QStringLiteral("Данные считаны"));
    EXPECT_EQ(statusColour(host.page().actionLabel()), QColor(Qt::blue));
    EXPECT_TRUE(host.actionsEnabled);
    EXPECT_TRUE(host.session().pollerRunning());
    host.session().stopPoller();
}

TEST_F(OperationsTest, ReadOfAnInvalidConfigurationGivesTheFactoryBlock)
{
    const struct {
        int offset;
        char value;
    } corruptions[] = {{0, 2}, {3, 'X'}};
    for (const auto& corruption : corruptions) {
        QByteArray stored = area(1);
        stored[corruption.offset] = corruption.value;
        stored[100] = char(0x5A);
        controller().setArea(1, stored);
        host.panels[0] = QStringLiteral("mine.cnt");
        host.session().read();
        host.session().stopPoller();
        const ConfigImage factory = buildFactoryImage();
        EXPECT_EQ(mainBlock(), QByteArray(reinterpret_cast<const char*>(factory.data()), 5292));
        EXPECT_EQ(host.panels[0], QStringLiteral("default.cnt"));
        EXPECT_EQ(host.actionText(), QStringLiteral("Контроллер не содержит достоверную конфигурацию.\nНастройте "
                                                    "параметры как необходимо и запрограммируйте конфигурацию."));
        EXPECT_EQ(statusColour(host.page().actionLabel()), QColor(Qt::red));
        controller().setArea(1, QByteArray(reinterpret_cast<const char*>(factory.data()), 5292));
    }
}

TEST_F(OperationsTest, CompareTellsEqualAndDifferentWithoutThePassword)
{
    host.session().compare();
    EXPECT_EQ(host.actionText(), QStringLiteral("Данные в памяти контроллера аналогичны текущим"));
    markImage();
    host.session().compare();
    EXPECT_EQ(host.actionText(), QStringLiteral("Данные в памяти контроллера отличаются от текущих"));
    EXPECT_EQ(statusColour(host.page().actionLabel()), QColor(Qt::red));
    host.session().stopPoller();

    // A protected controller refuses the read: Compare never presents the password.
    controller().setPassword("1234");
    setImagePassword("1234");
    host.session().compare();
    host.session().stopPoller();
    EXPECT_FALSE(controller().unlocked());
}

TEST_F(OperationsTest, WrongPasswordStopsBeforeAnyWrite)
{
    controller().setPassword("1234");
    setImagePassword("9999");
    const QByteArray before = area(1);
    markImage();
    host.session().program();
    EXPECT_EQ(host.actionText(), kPasswordRefused);
    EXPECT_EQ(area(1), before);
    EXPECT_EQ(controller().restartCount(), 0);
    EXPECT_TRUE(host.actionsEnabled);

    host.session().stopPoller();
    setImagePassword("1234");
    host.session().program();
    EXPECT_EQ(area(1).mid(100, 1), QByteArray(1, 0x5A));
}

TEST_F(OperationsTest, UnsupportedDeviceOrFirmwareStopsBeforeThePassword)
{
    controller().setPassword("1234");
    setImagePassword("1234");
    const struct {
        const char* name;
        uint16_t version;
        const char* text;
    } cases[] = {
        {"VRM999", 0x0102, "Устройство VRM999 не поддерживается"},
        {"VRM530", 0x0105, "Версия QT.01.05 не поддерживается"},
    };
    for (const auto& c : cases) {
        controller().identity().deviceName = c.name;
        controller().identity().softwareVersion = c.version;
        host.session().read();
        host.session().stopPoller();
        EXPECT_EQ(host.actionText(), QString::fromUtf8(c.text));
        EXPECT_EQ(statusColour(host.page().actionLabel()), QColor(Qt::red));
        EXPECT_FALSE(controller().unlocked()) << c.name;
        EXPECT_TRUE(host.actionsEnabled);
    }
}

TEST_F(OperationsTest, NoControllerShowsTheBlankIdentity)
{
    host.page().showIdentity(controller().identityRecord());
    sim.setPortMissing(true);
    host.session().program();
    host.session().stopPoller();
    EXPECT_EQ(host.actionText(), QStringLiteral("Невозможно открыть SIM"));
    EXPECT_EQ(host.page().shownIdentity().deviceName, QStringLiteral("--------"));
    EXPECT_EQ(host.panels[2], QStringLiteral("--------.--.--"));
}

TEST_F(OperationsTest, CsdConnectionStopsProgramOnOldHardware)
{
    controller().identity().hardwareVersion = 0x1202;
    // Connection 3: type 1, bits 0-1 of byte 20 of its record.
    host.image().setBits(88 + 36 * 2, 0, 2, 1);
    markImage();
    const QByteArray before = area(1);
    test::ModalWatcher watcher([](QWidget* box) { box->close(); });
    host.session().program();
    host.session().stopPoller();
    ASSERT_TRUE(watcher.seen());
    EXPECT_EQ(watcher.title, QStringLiteral("Проверка конфигурации"));
    EXPECT_EQ(watcher.text, QStringLiteral("Контроллер аппаратной версии 12.02 не поддерживает функцию передачи "
                                           "данных CSD.\nНа вкладке \"Соединение 3\", установите параметр \"Тип "
                                           "соединения\" в состояние отличное от \"WardLink\"."));
    EXPECT_EQ(host.selectedPages, (std::vector<int>{0, 4}));
    EXPECT_EQ(area(1), before);
    EXPECT_TRUE(host.actionsEnabled);
}

TEST_F(OperationsTest, RestartAndImei)
{
    host.session().restart();
    EXPECT_EQ(controller().restartCount(), 1);
    EXPECT_FALSE(host.actionsEnabled);
    host.session().stopPoller();

    host.session().readImei();
    host.session().stopPoller();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("IMEI: 351234567890125"));
}

TEST_F(OperationsTest, FactoryConfigurationWithAnAcceptedEmptyPassword)
{
    QByteArray stored = area(1);
    stored[100] = char(0x5A);
    controller().setArea(1, stored);
    markImage();
    host.session().factoryConfig();
    host.session().stopPoller();
    const ConfigImage factory = buildFactoryImage();
    const QByteArray factoryMain(reinterpret_cast<const char*>(factory.data()), 5292);
    EXPECT_EQ(mainBlock(), factoryMain);
    EXPECT_EQ(area(1), factoryMain);
    EXPECT_EQ(controller().reconfigureCount(), 1);
    EXPECT_TRUE(host.actionsEnabled);
}

TEST_F(OperationsTest, CountdownEndsWhenTheControllerIsLost)
{
    controller().setPassword("1234");
    markImage();
    const QByteArray before = mainBlock();
    bool sawDialog = false;
    test::ModalWatcher watcher([&](QWidget* dialog) {
        sawDialog = qobject_cast<TFormClearConfig*>(dialog) != nullptr;
        // The controller goes away while the countdown runs.
        sim.setPortMissing(true);
    });
    host.session().factoryConfig();
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(mainBlock(), before);
    EXPECT_TRUE(host.actionsEnabled);
    EXPECT_TRUE(host.session().pollerRunning()); // it keeps polling
    EXPECT_EQ(controller().reconfigureCount(), 0);
    host.session().stopPoller();
}

TEST_F(OperationsTest, CountdownDialogCountsAndCompletes)
{
    bool lost = false;
    TFormClearConfig dialog([&] { return lost; });
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("LabelSeconds"))->text(), QStringLiteral("1800 Сек."));
    dialog.tick();
    EXPECT_EQ(dialog.remaining(), 1799);
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("LabelSeconds"))->text(), QStringLiteral("1799 Сек."));
    for (int i = 0; i < 1799; ++i)
        dialog.tick();
    EXPECT_FALSE(dialog.completed());
    dialog.tick();
    EXPECT_TRUE(dialog.completed());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    TFormClearConfig lostDialog([&] { return lost; });
    lost = true;
    lostDialog.tick();
    EXPECT_FALSE(lostDialog.completed());
    EXPECT_EQ(lostDialog.result(), QDialog::Rejected);
    EXPECT_EQ(lostDialog.remaining(), 1800);
}

TEST_F(OperationsTest, CommandButtonsSendTheirPayloads)
{
    auto* outputs = host.find<QComboBox>(QStringLiteral("ComboBoxTestOut"));
    auto* scenarios = host.find<QComboBox>(QStringLiteral("ComboBoxTestScen"));
    auto* perimeter = host.find<QComboBox>(QStringLiteral("ComboBoxSelectedPerim"));
    const struct {
        const char* button;
        std::function<void()> prepare;
        QByteArray payload;
    } cases[] = {
        {"Button6", {}, QByteArray::fromHex("020101")},  // relay 2 on
        {"Button17", {}, QByteArray::fromHex("020602")}, // output 5 off
        {"Button20", [&] { outputs->setCurrentIndex(2); scenarios->setCurrentIndex(0); }, QByteArray::fromHex("020203")},
        {"Button20", [&] { outputs->setCurrentIndex(6); scenarios->setCurrentIndex(13); }, QByteArray::fromHex("020610")},
        {"Button18", [&] { perimeter->setCurrentIndex(2); }, QByteArray::fromHex("000200")},
        {"Button19", [&] { perimeter->setCurrentIndex(3); }, QByteArray::fromHex("010300")},
        {"Button22", [&] { perimeter->setCurrentIndex(1); }, QByteArray::fromHex("030000")},
        {"Button27", {}, QByteArray::fromHex("040200")}, // imitate input 3
    };
    for (const auto& c : cases) {
        if (c.prepare)
            c.prepare();
        host.panels[3].clear();
        click(c.button);
        EXPECT_TRUE(host.actionsEnabled);
        EXPECT_TRUE(host.session().pollerRunning());
        EXPECT_EQ(host.panels[3], QStringLiteral("Данные переданы")) << c.button;
        EXPECT_EQ(controller().lastControlCommand(), c.payload) << c.button;
    }
    EXPECT_TRUE(host.selectedPages.empty()); // commands keep the page
    host.session().stopPoller();
}

TEST_F(OperationsTest, CommandRefusedWithoutThePassword)
{
    controller().setPassword("1234");
    click("Button4");
    host.session().stopPoller();
    EXPECT_EQ(host.actionText(), kPasswordRefused);
    EXPECT_TRUE(controller().lastControlCommand().isEmpty());
}

TEST_F(OperationsTest, SystemParametersReadAndProgram)
{
    QLabel status;
    QProgressBar progress;
    LabelStatusView view(&status, &progress);
    QByteArray parameters(24, '\0');
    for (int i = 0; i < 24; ++i)
        parameters[i] = char(i + 1);
    controller().setArea(5, parameters);
    host.shown = 47;

    ASSERT_TRUE(host.session().readSystemParameters(view));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(host.image().data() + 5304), 24), parameters);
    EXPECT_EQ(status.text(), QStringLiteral("Данные считаны"));
    EXPECT_EQ(progress.value(), 24);
    EXPECT_TRUE(host.selectedPages.empty());
    EXPECT_TRUE(host.session().pollerRunning());

    host.image().setByte(5304, 0x99);
    ASSERT_TRUE(host.session().programSystemParameters(view));
    EXPECT_EQ(uint8_t(area(5)[0]), 0x99);
    EXPECT_EQ(status.text(), QStringLiteral("Программирование завершено успешно"));

    controller().setPassword("1234");
    host.image().setByte(5304, 0x11);
    EXPECT_FALSE(host.session().programSystemParameters(view));
    EXPECT_EQ(status.text(), kPasswordRefused);
    EXPECT_EQ(uint8_t(area(5)[0]), 0x99);
    EXPECT_FALSE(host.session().readSystemParameters(view));
    EXPECT_EQ(uint8_t(host.image().byte(5304)), 0x11);
    host.session().stopPoller();
}
