// Page 47 against vrm530-sim: the installer lifts the notices, reads the
// controller's system parameters (area 5), changes them and programs them back,
// through the real window and QSerialPort.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>

#include "e2e/EndToEndFixture.h"
#include "link/Frame.h"
#include "session/ControllerSession.h"
#include "ui/LabelStatusView.h"

using namespace vrm;
using namespace vrm::test;

namespace {

constexpr int kSystemParametersPage = 47;
constexpr int kAreaSize = 24;
constexpr int kImageOffset = 5304;

// Area 5 as a controller leaves the factory: calibration 1234 seconds with the
// "subtract" direction, lead battery, key CRC check off, and bits and bytes no
// control owns set so that their loss shows.
QByteArray individualParameters()
{
    QByteArray area(kAreaSize, '\0');
    area[0] = char(1234 & 0xFF);
    area[1] = char(1234 >> 8);
    area[2] = char(0x02); // bit 17: subtract one second
    area[3] = char(0x80); // bit 31
    area[4] = char(0xF1); // lead battery, bits 1-7 not ours
    area[5] = char(0x00); // modem firmware update not allowed
    area[6] = char(0x01); // key CRC not checked
    for (int i = 7; i < kAreaSize; ++i)
        area[i] = char(0xA0 + i);
    return area;
}

// The read request of area 5 as the simulator's trace prints it.
QString areaFiveReadRequest()
{
    const std::vector<uint8_t> request = frame::buildAreaRead(*frame::areaReadCommand(5), 0, kAreaSize);
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(request.data()), qsizetype(request.size())).toHex(' ').toUpper());
}

class SystemParametersEndToEnd : public EndToEnd {
protected:
    template <class T>
    T* control(const char* name)
    {
        T* widget = form_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QPushButton* button(const char* name) { return control<QPushButton>(name); }
    QString message() { return control<QLabel>("LabelSysParMsg")->text(); }
    QByteArray imageArea()
    {
        return QByteArray(reinterpret_cast<const char*>(form_->image().data() + kImageOffset), kAreaSize);
    }
    // Page 47 entered and its notices lifted with Button1.
    void openPage()
    {
        form_->selectPage(kSystemParametersPage);
        ASSERT_EQ(form_->shownPage(), kSystemParametersPage);
        EXPECT_FALSE(button("BitBtnReadSysPar")->isEnabled()) << "the notices cover the read button";
        button("Button1")->click();
        EXPECT_FALSE(control<QWidget>("Panel13")->isVisibleTo(form_.get()));
        ASSERT_TRUE(button("BitBtnReadSysPar")->isEnabled());
        EXPECT_FALSE(button("BitBtnProgSysPar")->isEnabled()) << "programming comes after a read";
    }
};

} // namespace

TEST_F(SystemParametersEndToEnd, ReadChangeAndProgramReachTheControllersAreaFive)
{
    const QByteArray mainBefore = sim::Controller().area(1);
    prepareAreas({{5, individualParameters()}});
    start();
    openPage();
    const QStringList texts = form_->transactionMessages();

    button("BitBtnReadSysPar")->click(); // returns when the operation has ended
    EXPECT_EQ(message(), texts.at(7)); // "Данные считаны"
    EXPECT_EQ(imageArea(), individualParameters());
    EXPECT_TRUE(button("BitBtnProgSysPar")->isEnabled());
    auto* calibration = control<QLineEdit>("EditCALVAL");
    auto* direction = control<QComboBox>("ComboBoxCALDIR");
    auto* battery = control<QComboBox>("ComboBoxBatteryType");
    auto* firmwareUpdate = control<QCheckBox>("CheckBoxFWUpdateEnable");
    auto* keyCrcOff = control<QCheckBox>("CheckBoxCRCCheckDisable");
    EXPECT_EQ(calibration->text(), QStringLiteral("1234"));
    EXPECT_EQ(direction->currentIndex(), 1);
    EXPECT_EQ(battery->currentIndex(), 1);
    EXPECT_FALSE(firmwareUpdate->isChecked());
    EXPECT_TRUE(keyCrcOff->isChecked());

    // Too large a calibration value is clamped and leaves the direction alone.
    calibration->setText(QStringLiteral("200000"));
    battery->setCurrentIndex(0);
    firmwareUpdate->setChecked(true);
    keyCrcOff->setChecked(false);
    button("BitBtnProgSysPar")->click();
    EXPECT_EQ(message(), texts.at(5)); // "Программирование завершено успешно"
    EXPECT_EQ(statusColour(control<QLabel>("LabelSysParMsg")), QColor(Qt::blue));
    EXPECT_EQ(calibration->text(), QStringLiteral("131071"));
    EXPECT_TRUE(form_->session()->pollerRunning());

    // A value typed but not programmed gives way to the controller's on a read.
    calibration->setText(QStringLiteral("5"));
    button("BitBtnReadSysPar")->click();
    EXPECT_EQ(message(), texts.at(7));
    EXPECT_EQ(calibration->text(), QStringLiteral("131071"));
    EXPECT_EQ(battery->currentIndex(), 0);
    EXPECT_TRUE(firmwareUpdate->isChecked());
    EXPECT_FALSE(keyCrcOff->isChecked());

    EXPECT_TRUE(received().contains(areaFiveReadRequest()));

    QByteArray expected = individualParameters();
    expected[0] = char(0xFF);
    expected[1] = char(0xFF);
    expected[2] = char(0x03); // bit 16 of the value, bit 17 still "subtract"
    expected[4] = char(0xF0);
    expected[5] = char(0x01);
    expected[6] = char(0x00);
    EXPECT_EQ(storedArea(5).toHex(' '), expected.toHex(' '));
    EXPECT_EQ(storedArea(1), mainBefore) << "the configuration is no part of the system parameters";
}

TEST_F(SystemParametersEndToEnd, PasswordTheImageLacksStopsTheReadUntilPageOneHoldsIt)
{
    prepareAreas({{5, individualParameters()}});
    start({QStringLiteral("--password"), QStringLiteral("1234")});
    openPage();
    const QByteArray before = imageArea();

    button("BitBtnReadSysPar")->click();
    EXPECT_EQ(message(), form_->transactionMessages().at(19));
    EXPECT_EQ(statusColour(control<QLabel>("LabelSysParMsg")), QColor(Qt::red));
    EXPECT_FALSE(button("BitBtnProgSysPar")->isEnabled());
    EXPECT_EQ(imageArea(), before);
    EXPECT_TRUE(form_->session()->pollerRunning());
    EXPECT_FALSE(received().contains(areaFiveReadRequest())) << "area 5 was asked for";

    // The installer enters the password on page 1; leaving the page stores it.
    form_->selectPage(1);
    control<QCheckBox>("CheckBoxSysPassword")->click();
    control<QLineEdit>("MaskEditSysPassword")->setText(QStringLiteral("1234"));
    form_->selectPage(kSystemParametersPage);
    button("BitBtnReadSysPar")->click();
    EXPECT_EQ(message(), form_->transactionMessages().at(7));
    EXPECT_EQ(imageArea(), individualParameters());
    EXPECT_TRUE(button("BitBtnProgSysPar")->isEnabled());
}

// Page 47's buttons lock nothing, so they can be pressed while Restart waits
// for the controller: the ten actions still come back, and the window closes.
TEST_F(SystemParametersEndToEnd, ReadDuringTheRestartWaitLeavesTheWindowUsable)
{
    prepareAreas({{5, individualParameters()}});
    start();
    trigger("Reset");
    ASSERT_FALSE(form_->findChild<QAction*>(QStringLiteral("ComPortConfig"))->isEnabled());
    openPage();
    // The simulated controller is silent for 300 ms after the restart command;
    // a read into that silence fails at the identity, which unlocks anyway.
    test::waitUntil([] { return false; }, 400);
    ASSERT_TRUE(form_->session()->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
    button("BitBtnReadSysPar")->click();
    EXPECT_EQ(message(), form_->transactionMessages().at(7));

    auto* port = form_->findChild<QAction*>(QStringLiteral("ComPortConfig"));
    ASSERT_TRUE(test::waitUntil([&] { return port->isEnabled(); }, 5000)) << "the actions never came back";
    EXPECT_TRUE(form_->session()->pollerRunning());
    EXPECT_FALSE(form_->findChild<QAction*>(QStringLiteral("Reset"))->isEnabled()) << "page 47 is still shown";
    form_->selectPage(1);
    EXPECT_TRUE(form_->findChild<QAction*>(QStringLiteral("Reset"))->isEnabled());
    EXPECT_TRUE(form_->close());
}
