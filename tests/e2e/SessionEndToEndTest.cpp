// The device operations and control commands of the main window against the
// vrm530-sim executable on a real pseudo-terminal, through QSerialPort.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "e2e/EndToEndFixture.h"
#include "model/FactoryImage.h"
#include "sim/Controller.h"
#include "sim/StateFile.h"
#include "ui/SessionTestHost.h"
#include "ui/TForm1.h"
#include "ui/TFormClearConfig.h"
#include "ui/LabelStatusView.h"
#include "ui/pages/status/StatusPage.h"

using namespace vrm;
using vrm::test::EndToEnd;
using vrm::test::factoryMain;

namespace {

const QString kPasswordRefused = QStringLiteral(
    "Взаимодействие запрещено без указания пароля, команды чтения/записи и ряд управляющих команд не могут быть "
    "выполнены");

} // namespace

TEST_F(EndToEnd, ProgramPutsTheImageIntoTheControllerAndRestartsIt)
{
    start();
    form_->image().setByte(100, 0x5A);
    form_->image().setByte(5000, 0xA5);
    trigger("Programm");
    EXPECT_EQ(actionText(), QStringLiteral("Перезагрузка устройства инициированна"));
    EXPECT_EQ(form_->statusPage()->shownIdentity().deviceName, QStringLiteral("--------"));
    EXPECT_TRUE(simulator(QStringLiteral("status"), true).contains(QStringLiteral("restarts 1")));
    // Timer2 resumes polling once the controller is back.
    EXPECT_TRUE(test::waitUntil([this] { return ready(); }, 5000));
    EXPECT_EQ(storedMainArea(), imageMain());
}

TEST_F(EndToEnd, ReadBringsTheControllerConfiguration)
{
    QByteArray main = factoryMain();
    main[100] = char(0x5A);
    main[3000] = char(0xA5);
    prepareMainArea(main);
    start();
    trigger("ReadConf");
    EXPECT_EQ(actionText(), QStringLiteral("Данные считаны"));
    EXPECT_EQ(imageMain(), main);
}

TEST_F(EndToEnd, InvalidSignatureGivesTheFactoryBlock)
{
    QByteArray main = factoryMain();
    main[0] = 2;
    main[100] = char(0x5A);
    prepareMainArea(main);
    start();
    trigger("ReadConf");
    EXPECT_EQ(imageMain(), factoryMain());
    EXPECT_EQ(actionText(), QStringLiteral("Контроллер не содержит достоверную конфигурацию.\nНастройте параметры "
                                           "как необходимо и запрограммируйте конфигурацию."));
    EXPECT_EQ(statusColour(form_->actionLabel()), QColor(Qt::red));
    EXPECT_EQ(form_->statusPanel(0), QStringLiteral("default.cnt"));
}

TEST_F(EndToEnd, CompareShowsEqualAndDifferent)
{
    start();
    form_->image() = buildFactoryImage();
    trigger("CompareConf");
    EXPECT_EQ(actionText(), QStringLiteral("Данные в памяти контроллера аналогичны текущим"));
    EXPECT_EQ(statusColour(form_->actionLabel()), QColor(Qt::blue));
    form_->image().setByte(100, 0x5A);
    trigger("CompareConf");
    EXPECT_EQ(actionText(), QStringLiteral("Данные в памяти контроллера отличаются от текущих"));
    EXPECT_EQ(statusColour(form_->actionLabel()), QColor(Qt::red));
}

TEST_F(EndToEnd, WrongPasswordWritesNothing)
{
    start({QStringLiteral("--password"), QStringLiteral("1234")});
    setImagePassword("4321");
    form_->image().setByte(100, 0x5A);
    trigger("Programm");
    EXPECT_EQ(actionText(), kPasswordRefused);
    EXPECT_TRUE(form_->findChild<QAction*>(QStringLiteral("Programm"))->isEnabled());
    EXPECT_TRUE(simulator(QStringLiteral("status"), true).contains(QStringLiteral("restarts 0")));
    EXPECT_NE(uint8_t(storedMainArea()[100]), 0x5A);
}

TEST_F(EndToEnd, UnsupportedDeviceOrFirmwareStopsBeforeThePassword)
{
    const struct {
        const char* option;
        const char* value;
        const char* text;
    } cases[] = {
        {"--device-name", "VRM999", "Устройство VRM999 не поддерживается"},
        {"--software", "01.05", "Версия QT.01.05 не поддерживается"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        // The poller refuses the device too, so start without waiting for it.
        sim_.start(QStringLiteral(VRM_SIM_EXECUTABLE),
                   {QString::fromLatin1(c.option), QString::fromLatin1(c.value), QStringLiteral("--password"),
                    QStringLiteral("1234"), QStringLiteral("--write-config"), dir_.path(), QStringLiteral("--no-pace"),
                    QStringLiteral("--trace")});
        ASSERT_TRUE(sim_.waitForReadyRead(5000));
        sim_.readLine();
        QDir::setCurrent(dir_.path());
        form_ = std::make_unique<TForm1>();
        ASSERT_TRUE(test::waitUntil(
            [this] { return !actionText().isEmpty() && form_->findChild<QAction*>(QStringLiteral("ReadConf"))->isEnabled(); },
            5000));
        // A wrong password in the image: reaching it would show the password text instead.
        setImagePassword("4321");
        trigger("ReadConf");
        EXPECT_EQ(actionText(), QString::fromUtf8(c.text));
        EXPECT_FALSE(received().contains(QStringLiteral("05 11 09 00"))) << "the password went out";
        form_.reset();
        stopSimulator();
        traced_.clear();
    }
}

TEST_F(EndToEnd, FactoryConfigurationWithAnAcceptedEmptyPasswordWritesAtOnce)
{
    QByteArray main = factoryMain();
    main[100] = char(0x5A);
    prepareMainArea(main);
    start();
    form_->image().setByte(200, 0x77);
    trigger("FactoryConfig");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(imageMain(), factoryMain());
    EXPECT_TRUE(simulator(QStringLiteral("status"), true).contains(QStringLiteral("reconfigurations 1")));
    EXPECT_EQ(storedMainArea(), factoryMain());
}

TEST_F(EndToEnd, CountdownClosesWhenTheControllerStopsAnswering)
{
    start({QStringLiteral("--password"), QStringLiteral("1234")});
    const QByteArray before = imageMain();
    bool countdownShown = false;
    test::ModalWatcher watcher([&](QWidget* dialog) {
        countdownShown = qobject_cast<TFormClearConfig*>(dialog) != nullptr;
        simulator(QStringLiteral("unplug"));
    });
    trigger("FactoryConfig");
    EXPECT_TRUE(countdownShown);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(imageMain(), before);
    EXPECT_TRUE(form_->findChild<QAction*>(QStringLiteral("FactoryConfig"))->isEnabled());
    EXPECT_TRUE(form_->session()->pollerRunning());
    EXPECT_TRUE(test::waitUntil([this] { return form_->statusPanel(1) == QStringLiteral("NC"); }, 5000));
}

TEST_F(EndToEnd, CommandButtonsReachTheControllerAndItsOutputsShow)
{
    start();
    simulator(QStringLiteral("output 7 on"));
    auto* outputs = form_->findChild<QComboBox*>(QStringLiteral("ComboBoxTestOut"));
    auto* scenarios = form_->findChild<QComboBox*>(QStringLiteral("ComboBoxTestScen"));
    const QColor on(0x00, 0xFF, 0x00);
    auto indicator = [this](int n) {
        return form_->findChild<QWidget*>(QStringLiteral("PanelOut%1").arg(n))->palette().color(QPalette::Window);
    };
    ASSERT_TRUE(test::waitUntil([&] { return indicator(7) == on; }));

    click("Button6"); // relay 2 on
    click("Button17"); // output 5 off
    outputs->setCurrentIndex(2);
    scenarios->setCurrentIndex(0);
    click("Button20"); // scenario 1 on output 1
    click("Button22"); // protection
    EXPECT_EQ(form_->statusPanel(3), QStringLiteral("Данные переданы"));

    const QString trace = received();
    for (const char* frame : {"05 14 03 00 02 01 01", "05 14 03 00 02 06 02", "05 14 03 00 02 02 03",
                              "05 14 03 00 03 00 00"})
        EXPECT_TRUE(trace.contains(QString::fromLatin1(frame))) << frame;
    EXPECT_TRUE(test::waitUntil([&] { return indicator(2) == on && indicator(7) != on; }));
}
