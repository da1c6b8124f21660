#include "ui/pages/comms/CommonParametersPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/ConfigImage.h"
#include "model/UiText.h"
#include "model/Cp1251.h"
#include "model/FactoryImage.h"

namespace vrm {

using namespace kit;
namespace common = layout::common;
namespace balance = layout::balance;

namespace {
// Masks in Qt's notation: '0' optional digit, 'n' optional letter or digit, blank placeholder.
const QString kEightCharacters = QStringLiteral("nnnnnnnn; ");
const QString kEightDigits = QStringLiteral("00000000; ");
const QString kFourDigits = QStringLiteral("0000; ");
const QString kPhoneNumber = QStringLiteral("#00000000000000; ");
} // namespace

CommonParametersPage::CommonParametersPage(PageHost& host, QObject* parent)
    : RecordPages(host, layout::commonBlock, QStringLiteral("Panel1"), QStringLiteral("Label15"), true, parent)
{
    build();
}

const QString& CommonParametersPage::passwordWarning()
{
    static const QString text = Ui::tr("Административный пароль необходим для использования расширенного набора команд через SMS, а так же для "
        "защиты конфигурации устройства от модификации. После процедуры установки, запись и чтение конфигурации "
        "будут невозможны, без указания этого пароля. Действие нового пароля начнется с момента повторного запуска "
        "конфигуратора. Будьте внимательны, в случае утраты пароля его отмена возможна с помощью длительной "
        "процедуры, около 30 минут, при этом ранее настроенная конфигурация будет очищена, все параметры сбросятся "
        "к заводским. Этот пароль не сохраняется в файле конфигурации его нужно будет вводить при каждом запуске "
        "программы.");
    return text;
}

void CommonParametersPage::build()
{
    body()->addWidget(buildSecurity());
    body()->addWidget(buildCalls());
    body()->addWidget(buildBalance());
    body()->addStretch(1);

    connect(usePassword_, &QCheckBox::clicked, this, &CommonParametersPage::administratorPasswordClicked);
    administratorPasswordClicked();
}

// Administrator password and its warning, control passwords, PIN, SMS centre.
QWidget* CommonParametersPage::buildSecurity()
{
    auto& f = fields();
    auto* security = makeGroup({}, {});
    auto* securityLayout = new QGridLayout(security);
    usePassword_ = makeCheckBox(QStringLiteral("CheckBoxSysPassword"),
                                Ui::tr("Использовать административный пароль"));
    passwordLabel_ = makeLabel(Ui::tr("Административный пароль и пароль защиты конфигурации"),
                               QStringLiteral("Label84"));
    // Leaving the page with the box unticked empties the password.
    f.add(
        [this](ConfigImage&, RecordAt<common::Record>) {
            if (!usePassword_->isChecked())
                password_->clear();
            administratorPasswordClicked();
        },
        [this](const ConfigImage&, RecordAt<common::Record>) { administratorPasswordClicked(); });
    password_ = f.text(common::systemPassword, QStringLiteral("MaskEditSysPassword"), 8, TextStore::Padded,
                       kEightCharacters, Trim::Both);
    warning_ = makeNote({}, QStringLiteral("LabelSharedParWarningMsg"));
    QPalette warningPalette = warning_->palette();
    warningPalette.setColor(QPalette::WindowText, Qt::darkRed);
    warning_->setPalette(warningPalette);
    QLineEdit* smsPassword = f.text(common::smsPassword, QStringLiteral("MaskEditPassword"), 8, TextStore::Padded,
                                    kEightCharacters, Trim::Both);
    QLineEdit* smsCentre = f.text(common::smsCentre, QStringLiteral("MaskEditSMSCA"), 15, TextStore::Padded,
                                  kPhoneNumber, Trim::Both);
    QLineEdit* pin =
        f.text(common::pin, QStringLiteral("MaskEditPIN"), 8, TextStore::Padded, kEightDigits, Trim::Both);
    QLineEdit* dtmfPassword = f.text(common::dtmfPassword, QStringLiteral("MaskEditDTMFPass"), 4, TextStore::Padded,
                                     kFourDigits, Trim::Both);
    f.add([](ConfigImage& image,
             RecordAt<common::Record> at) { stripSpaces(image.bytes(at, common::smsCentre).first<16>()); },
          {});
    // Never read or written on this device model.
    auto* deviceId = makeEdit(QStringLiteral("MaskEditDevId"), 8);
    auto* deviceIdLabel = makeLabel(Ui::tr("Идентификатор устройства для модемных или GPRS пакетов"));
    deviceId->hide();
    deviceIdLabel->hide();

    int row = 0;
    securityLayout->addWidget(usePassword_, row++, 0, 1, 2);
    securityLayout->addWidget(passwordLabel_, row, 0);
    securityLayout->addWidget(password_, row++, 1);
    securityLayout->addWidget(warning_, row++, 0, 1, 2);
    securityLayout->addWidget(makeLabel(Ui::tr("Пароль доступа для SMS управления")), row, 0);
    securityLayout->addWidget(smsPassword, row++, 1);
    securityLayout->addWidget(makeLabel(Ui::tr("Пароль доступа для DTMF управления")), row, 0);
    securityLayout->addWidget(dtmfPassword, row++, 1);
    securityLayout->addWidget(makeLabel(Ui::tr("PIN код")), row, 0);
    securityLayout->addWidget(pin, row++, 1);
    securityLayout->addWidget(makeLabel(Ui::tr("Номер телефона SMS центра")), row, 0);
    securityLayout->addWidget(smsCentre, row++, 1);
    securityLayout->addWidget(deviceIdLabel, row, 0);
    securityLayout->addWidget(deviceId, row++, 1);
    securityLayout->setColumnStretch(0, 1);
    for (QLineEdit* edit : {password_, smsPassword, dtmfPassword, pin, smsCentre})
        edit->setMinimumWidth(150);
    return security;
}

// Outgoing connections and SMS commands.
QWidget* CommonParametersPage::buildCalls()
{
    auto& f = fields();
    auto* calls = makeGroup({}, {});
    auto* callsLayout = new QGridLayout(calls);
    QCheckBox* dtmfOnlyListed = f.check(common::dtmfControlOnlyListed, QStringLiteral("CheckBoxDTMFControlOnlyList"),
                                        Ui::tr("DTMF управление только с телефонов из списка"));
    QCheckBox* smsOnlyListed = f.check(common::smsControlOnlyListed, QStringLiteral("CheckBoxControlOnlyList"),
                                       Ui::tr("SMS управление только с телефонов из списка"));
    QCheckBox* acknowledge = f.check(common::alwaysAcknowledgeSms, QStringLiteral("CheckBoxACK"),
                                     Ui::tr("Всегда подтверждать выполнение SMS команды"));
    QComboBox* dialPriority = f.combo(common::dialPriority, QStringLiteral("ComboBoxDialPriority"));
    QComboBox* callPause = f.combo(common::callPause, QStringLiteral("ComboBoxCall2CallPauseX10S"));
    QComboBox* outdatedTime = f.combo(common::outdatedMessageTime, QStringLiteral("ComboBoxOutdatedMsgTime"));
    int row = 0;
    callsLayout->addWidget(makeNote(Ui::tr("Пауза между окончанием одного соединения и началом нового, Сек.")),
                           row, 0);
    callsLayout->addWidget(callPause, row++, 1);
    callsLayout->addWidget(makeNote(Ui::tr("Принцип чередования соединений при голосовом оповещении")), row++, 0,
                           1, 2);
    callsLayout->addWidget(dialPriority, row++, 0, 1, 2);
    callsLayout->addWidget(acknowledge, row++, 0, 1, 2);
    callsLayout->addWidget(smsOnlyListed, row++, 0, 1, 2);
    callsLayout->addWidget(dtmfOnlyListed, row++, 0, 1, 2);
    callsLayout->addWidget(
        makeNote(Ui::tr("SMS команды полученные позднее указанного времени, с момента отправки, не выполнять")),
        row, 0);
    callsLayout->addWidget(outdatedTime, row++, 1);
    callsLayout->setColumnStretch(0, 1);

    // Not shown on this device model; the values still pass through the steps.
    auto* dataGroup = makeGroup(QStringLiteral("GroupBoxOutDataParam"),
                                Ui::tr(" Тип модемного соединения для исходящих вызовов "));
    QComboBox* dataProtocol = f.combo(common::dataProtocol, QStringLiteral("ComboBoxDATAProtocol"));
    (new QVBoxLayout(dataGroup))->addWidget(dataProtocol);
    auto* modbusLabel = makeLabel(Ui::tr("Адрес устройства в сети Modbus"), QStringLiteral("LabelModBusAddress"));
    // No number reads as 0 and so stores the lowest address.
    QLineEdit* modbusAddress = f.number(common::modbusAddress, QStringLiteral("EditModBusAddress"), {}, 3);
    dataGroup->hide();
    modbusLabel->hide();
    modbusAddress->hide();
    callsLayout->addWidget(dataGroup, row++, 0, 1, 2);
    callsLayout->addWidget(modbusLabel, row, 0);
    callsLayout->addWidget(modbusAddress, row++, 1);
    return calls;
}

// Prepaid balance check.
QWidget* CommonParametersPage::buildBalance()
{
    auto* group = makeGroup({}, {});
    auto* balanceLayout = new QGridLayout(group);
    auto* templates = makeGroup({}, Ui::tr(" Предустановленные шаблоны "));
    auto* templatesLayout = new QHBoxLayout(templates);
    struct Template {
        const char* name;
        QString caption, command, keyword;
    };
    const Template presets[] = {
        {"RadioButton1", Ui::tr("МТС"), QStringLiteral("*100#"), QStringLiteral("Баланс:")},
        {"RadioButton2", Ui::tr("Билайн"), QStringLiteral("*102#"), QStringLiteral("Баланс ")},
        {"RadioButton3", Ui::tr("Мегафон"), QStringLiteral("*100#"), QString()},
        {"RadioButton4", Ui::tr("Теле 2"), QStringLiteral("*105#"), QStringLiteral("OCTATOK ")},
    };
    for (const Template& preset : presets) {
        auto* radio = new QRadioButton(preset.caption);
        radio->setObjectName(QString::fromLatin1(preset.name));
        connect(radio, &QRadioButton::clicked, this,
                [this, command = preset.command, keyword = preset.keyword] { applyBalanceTemplate(command, keyword); });
        templatesLayout->addWidget(radio);
    }
    templatesLayout->addStretch(1);
    // The balance request lies in a record of its own, stored with this page.
    Bindings<balance::Record>& balance = fields().elsewhere(layout::balanceBlock);
    ussdCommand_ = balance.text(balance::ussdCommand, QStringLiteral("MaskEditBalansReqCMD"), 8, TextStore::Padded,
                                 {}, Trim::Both);
    // Trailing blanks belong to the keyword: the operator's text continues after them.
    balanceKeyword_ = balance.text(balance::keyword, QStringLiteral("MaskEditBalansIdWord"), 8, TextStore::Padded,
                                    {}, Trim::Leading);
    // Negative numbers are clamped to 0 rather than wrapped round.
    QLineEdit* threshold = balance.number(balance::threshold, QStringLiteral("EditBalansMinVal"), {}, 5);
    QLineEdit* requestPeriod = balance.number(balance::requestPeriod, QStringLiteral("EditReqPeriodH"), {}, 3);
    int row = 0;
    balanceLayout->addWidget(templates, row++, 0, 1, 2);
    balanceLayout->addWidget(
        makeNote(Ui::tr("Предустановленные шаблоны параметров запроса баланса могут отличаться в разных "
                                "регионах. Уточните USSD команду для запроса баланса у вашего оператора. Ключевое "
                                "слово - это ближайшие восемь символов слева от числового значения баланса.")),
        row++, 0, 1, 2);
    balanceLayout->addWidget(makeLabel(Ui::tr("USSD команда запроса")), row, 0);
    balanceLayout->addWidget(ussdCommand_, row++, 1);
    balanceLayout->addWidget(makeNote(Ui::tr("Ключевое слово для идентификации сообщения о балансе")), row, 0);
    balanceLayout->addWidget(balanceKeyword_, row++, 1);
    balanceLayout->addWidget(
        makeNote(Ui::tr("Формировать оповещение при значении равном или меньше (0 - 65535)")), row, 0);
    balanceLayout->addWidget(threshold, row++, 1);
    balanceLayout->addWidget(makeNote(Ui::tr("Период запроса информации о балансе в часах (0 - 255)")), row,
                             0);
    balanceLayout->addWidget(requestPeriod, row++, 1);
    balanceLayout->setColumnStretch(0, 1);
    for (QLineEdit* edit : {ussdCommand_, balanceKeyword_, threshold, requestPeriod})
        edit->setMinimumWidth(150);
    return group;
}

void CommonParametersPage::administratorPasswordClicked()
{
    const bool use = usePassword_->isChecked();
    password_->setEnabled(use);
    passwordLabel_->setEnabled(use);
    if (use)
        warning_->setText(passwordWarning());
}

void CommonParametersPage::applyBalanceTemplate(const QString& command, const QString& keyword)
{
    ussdCommand_->setText(command);
    balanceKeyword_->setText(keyword);
}

} // namespace vrm
