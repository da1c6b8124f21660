#include "ui/pages/comms/CommonParametersPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/ConfigImage.h"
#include "model/Cp1251.h"
#include "model/FactoryImage.h"
#include "ui/pages/comms/FieldText.h"
#include "ui/pages/comms/PageWidgets.h"

namespace vrm {

using namespace comms;

namespace {
constexpr std::size_t kCommon = layout::common::array.base;
constexpr std::size_t kBalance = layout::balance.base;

// Masks in Qt's notation: '0' optional digit, 'n' optional letter or digit, blank placeholder.
const QString kEightCharacters = QStringLiteral("nnnnnnnn; ");
const QString kEightDigits = QStringLiteral("00000000; ");
const QString kFourDigits = QStringLiteral("0000; ");
const QString kPhoneNumber = QStringLiteral("#00000000000000; ");

// A text field stored with NUL padding and its last byte 0.
void storePadded(ConfigImage& image, std::size_t base, const Field& field, const QString& text)
{
    image.setTextPadded(base, field, toCp1251(text));
}

QString leftTrimmed(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    return text.mid(i);
}

// Trims the edit's text, writes it back and returns it.
QString trimBack(QLineEdit* edit)
{
    edit->setText(edit->text().trimmed());
    return edit->text();
}
} // namespace

CommonParametersPage::CommonParametersPage(PageHost& host, QObject* parent) : PageGroup(host, parent)
{
    build();
}

const QString& CommonParametersPage::passwordWarning()
{
    static const QString text = QStringLiteral(
        "Административный пароль необходим для использования расширенного набора команд через SMS, а так же для "
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
    PageFrame frame = makePageFrame(QStringLiteral("Panel1"), QStringLiteral("Label15"), true);
    panel_ = frame.panel;
    title_ = frame.title;

    // Security: administrator password and its warning, control passwords, PIN, SMS centre.
    auto* security = makeGroup({}, {});
    auto* securityLayout = new QGridLayout(security);
    usePassword_ = makeCheckBox(QStringLiteral("CheckBoxSysPassword"),
                                QStringLiteral("Использовать административный пароль"));
    passwordLabel_ = makeLabel(QStringLiteral("Административный пароль и пароль защиты конфигурации"),
                               QStringLiteral("Label84"));
    password_ = makeEdit(QStringLiteral("MaskEditSysPassword"), 8, kEightCharacters);
    warning_ = makeNote({}, QStringLiteral("LabelSharedParWarningMsg"));
    QPalette warningPalette = warning_->palette();
    warningPalette.setColor(QPalette::WindowText, Qt::darkRed);
    warning_->setPalette(warningPalette);
    pin_ = makeEdit(QStringLiteral("MaskEditPIN"), 8, kEightDigits);
    dtmfPassword_ = makeEdit(QStringLiteral("MaskEditDTMFPass"), 4, kFourDigits);
    smsPassword_ = makeEdit(QStringLiteral("MaskEditPassword"), 8, kEightCharacters);
    smsCentre_ = makeEdit(QStringLiteral("MaskEditSMSCA"), 15, kPhoneNumber);
    // Never read or written on this device model.
    auto* deviceId = makeEdit(QStringLiteral("MaskEditDevId"), 8);
    auto* deviceIdLabel = makeLabel(QStringLiteral("Идентификатор устройства для модемных или GPRS пакетов"));
    deviceId->hide();
    deviceIdLabel->hide();

    int row = 0;
    securityLayout->addWidget(usePassword_, row++, 0, 1, 2);
    securityLayout->addWidget(passwordLabel_, row, 0);
    securityLayout->addWidget(password_, row++, 1);
    securityLayout->addWidget(warning_, row++, 0, 1, 2);
    securityLayout->addWidget(makeLabel(QStringLiteral("Пароль доступа для SMS управления")), row, 0);
    securityLayout->addWidget(smsPassword_, row++, 1);
    securityLayout->addWidget(makeLabel(QStringLiteral("Пароль доступа для DTMF управления")), row, 0);
    securityLayout->addWidget(dtmfPassword_, row++, 1);
    securityLayout->addWidget(makeLabel(QStringLiteral("PIN код")), row, 0);
    securityLayout->addWidget(pin_, row++, 1);
    securityLayout->addWidget(makeLabel(QStringLiteral("Номер телефона SMS центра")), row, 0);
    securityLayout->addWidget(smsCentre_, row++, 1);
    securityLayout->addWidget(deviceIdLabel, row, 0);
    securityLayout->addWidget(deviceId, row++, 1);
    securityLayout->setColumnStretch(0, 1);
    for (QLineEdit* edit : {password_, smsPassword_, dtmfPassword_, pin_, smsCentre_})
        edit->setMinimumWidth(150);
    frame.body->addWidget(security);

    // Outgoing connections and SMS commands.
    auto* calls = makeGroup({}, {});
    auto* callsLayout = new QGridLayout(calls);
    callPause_ = makeComboBox(QStringLiteral("ComboBoxCall2CallPauseX10S"),
                              {QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"),
                               QStringLiteral("40"), QStringLiteral("50"), QStringLiteral("60"), QStringLiteral("70")});
    dialPriority_ = makeComboBox(QStringLiteral("ComboBoxDialPriority"),
                                 {QStringLiteral("Чередование от 1 до 8 по кольцу, без приоритета."),
                                  QStringLiteral("Приоритет у соединения с меньшим номером."),
                                  QStringLiteral("Приоритет у текущего соединения, до полной передачи."),
                                  QStringLiteral("Приоритет у текущего соединения, до первой неудачи.")});
    acknowledge_ = makeCheckBox(QStringLiteral("CheckBoxACK"), QStringLiteral("Всегда подтверждать выполнение SMS команды"));
    smsOnlyListed_ = makeCheckBox(QStringLiteral("CheckBoxControlOnlyList"),
                                  QStringLiteral("SMS управление только с телефонов из списка"));
    dtmfOnlyListed_ = makeCheckBox(QStringLiteral("CheckBoxDTMFControlOnlyList"),
                                   QStringLiteral("DTMF управление только с телефонов из списка"));
    outdatedTime_ = makeComboBox(QStringLiteral("ComboBoxOutdatedMsgTime"),
                                 QStringList{QStringLiteral("---")} + QStringList([] {
                                     QStringList items;
                                     for (int i = 1; i <= 15; ++i)
                                         items << QString::number(2 * i) + QStringLiteral(" Min.");
                                     return items;
                                 }()));
    row = 0;
    callsLayout->addWidget(makeNote(QStringLiteral("Пауза между окончанием одного соединения и началом нового, Сек.")),
                           row, 0);
    callsLayout->addWidget(callPause_, row++, 1);
    callsLayout->addWidget(makeNote(QStringLiteral("Принцип чередования соединений при голосовом оповещении")), row++, 0,
                           1, 2);
    callsLayout->addWidget(dialPriority_, row++, 0, 1, 2);
    callsLayout->addWidget(acknowledge_, row++, 0, 1, 2);
    callsLayout->addWidget(smsOnlyListed_, row++, 0, 1, 2);
    callsLayout->addWidget(dtmfOnlyListed_, row++, 0, 1, 2);
    callsLayout->addWidget(
        makeNote(QStringLiteral(
            "SMS команды полученные позднее указанного времени, с момента отправки, не выполнять")),
        row, 0);
    callsLayout->addWidget(outdatedTime_, row++, 1);
    callsLayout->setColumnStretch(0, 1);

    // Not shown on this device model; the values still pass through the steps.
    auto* dataGroup = makeGroup(QStringLiteral("GroupBoxOutDataParam"),
                                QStringLiteral(" Тип модемного соединения для исходящих вызовов "));
    dataProtocol_ = makeComboBox(QStringLiteral("ComboBoxDATAProtocol"),
                                 {QStringLiteral("V.32 (9600 bps)"), QStringLiteral("V.110 (9600 bps)")});
    (new QVBoxLayout(dataGroup))->addWidget(dataProtocol_);
    auto* modbusLabel = makeLabel(QStringLiteral("Адрес устройства в сети Modbus"), QStringLiteral("LabelModBusAddress"));
    modbusAddress_ = makeEdit(QStringLiteral("EditModBusAddress"), 3);
    dataGroup->hide();
    modbusLabel->hide();
    modbusAddress_->hide();
    callsLayout->addWidget(dataGroup, row++, 0, 1, 2);
    callsLayout->addWidget(modbusLabel, row, 0);
    callsLayout->addWidget(modbusAddress_, row++, 1);
    frame.body->addWidget(calls);

    // Prepaid balance check.
    auto* balance = makeGroup({}, {});
    auto* balanceLayout = new QGridLayout(balance);
    auto* templates = makeGroup({}, QStringLiteral(" Предустановленные шаблоны "));
    auto* templatesLayout = new QHBoxLayout(templates);
    struct Template {
        const char* name;
        QString caption, command, keyword;
    };
    const Template presets[] = {
        {"RadioButton1", QStringLiteral("МТС"), QStringLiteral("*100#"), QStringLiteral("Баланс:")},
        {"RadioButton2", QStringLiteral("Билайн"), QStringLiteral("*102#"), QStringLiteral("Баланс ")},
        {"RadioButton3", QStringLiteral("Мегафон"), QStringLiteral("*100#"), QString()},
        {"RadioButton4", QStringLiteral("Теле 2"), QStringLiteral("*105#"), QStringLiteral("OCTATOK ")},
    };
    for (const Template& preset : presets) {
        auto* radio = new QRadioButton(preset.caption);
        radio->setObjectName(QString::fromLatin1(preset.name));
        connect(radio, &QRadioButton::clicked, this,
                [this, command = preset.command, keyword = preset.keyword] { applyBalanceTemplate(command, keyword); });
        templatesLayout->addWidget(radio);
    }
    templatesLayout->addStretch(1);
    ussdCommand_ = makeEdit(QStringLiteral("MaskEditBalansReqCMD"), 8);
    balanceKeyword_ = makeEdit(QStringLiteral("MaskEditBalansIdWord"), 8);
    threshold_ = makeEdit(QStringLiteral("EditBalansMinVal"), 5);
    requestPeriod_ = makeEdit(QStringLiteral("EditReqPeriodH"), 3);
    row = 0;
    balanceLayout->addWidget(templates, row++, 0, 1, 2);
    balanceLayout->addWidget(
        makeNote(QStringLiteral("Предустановленные шаблоны параметров запроса баланса могут отличаться в разных "
                                "регионах. Уточните USSD команду для запроса баланса у вашего оператора. Ключевое "
                                "слово - это ближайшие восемь символов слева от числового значения баланса.")),
        row++, 0, 1, 2);
    balanceLayout->addWidget(makeLabel(QStringLiteral("USSD команда запроса")), row, 0);
    balanceLayout->addWidget(ussdCommand_, row++, 1);
    balanceLayout->addWidget(makeNote(QStringLiteral("Ключевое слово для идентификации сообщения о балансе")), row, 0);
    balanceLayout->addWidget(balanceKeyword_, row++, 1);
    balanceLayout->addWidget(
        makeNote(QStringLiteral("Формировать оповещение при значении равном или меньше (0 - 65535)")), row, 0);
    balanceLayout->addWidget(threshold_, row++, 1);
    balanceLayout->addWidget(makeNote(QStringLiteral("Период запроса информации о балансе в часах (0 - 255)")), row,
                             0);
    balanceLayout->addWidget(requestPeriod_, row++, 1);
    balanceLayout->setColumnStretch(0, 1);
    for (QLineEdit* edit : {ussdCommand_, balanceKeyword_, threshold_, requestPeriod_})
        edit->setMinimumWidth(150);
    frame.body->addWidget(balance);
    frame.body->addStretch(1);

    bindFields();

    connect(usePassword_, &QCheckBox::clicked, this, &CommonParametersPage::administratorPasswordClicked);
    administratorPasswordClicked();
}

void CommonParametersPage::bindFields()
{
    using namespace layout::common;
    fields_.bind(dtmfControlOnlyListed, dtmfOnlyListed_);
    fields_.bind(smsControlOnlyListed, smsOnlyListed_);
    fields_.bind(alwaysAcknowledgeSms, acknowledge_);
    fields_.bind(dialPriority, dialPriority_);
    fields_.bind(callPause, callPause_);
    fields_.bind(outdatedMessageTime, outdatedTime_);
    fields_.bind(dataProtocol, dataProtocol_);
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

void CommonParametersPage::store(int, ConfigImage& image)
{
    using namespace layout::common;
    if (!usePassword_->isChecked())
        password_->clear();
    administratorPasswordClicked();

    storePadded(image, kCommon, systemPassword, password_->text().trimmed());
    storePadded(image, kCommon, smsPassword, smsPassword_->text().trimmed());
    storePadded(image, kCommon, smsCentre, smsCentre_->text().trimmed());
    storePadded(image, kCommon, pin, pin_->text().trimmed());
    storePadded(image, kCommon, dtmfPassword, dtmfPassword_->text().trimmed());
    stripSpaces(image.fieldBytes(kCommon, smsCentre).first<16>());

    fields_.store(image, kCommon);

    storePadded(image, kBalance, ussdCommand, ussdCommand_->text().trimmed());
    // Trailing blanks belong to the keyword: the operator's text continues after them.
    storePadded(image, kBalance, balanceKeyword, leftTrimmed(balanceKeyword_->text()));

    // Negative numbers are clamped to 0 rather than wrapped round.
    image.set(kBalance, balanceThreshold, uint32_t(clampedInteger(trimBack(threshold_), 0, 0, 65535)));
    image.set(kBalance, balanceRequestPeriod, uint32_t(clampedInteger(trimBack(requestPeriod_), 0, 0, 255)));
    // No number reads as 0 and so stores the lowest address.
    image.set(kCommon, modbusAddress, uint32_t(clampedInteger(trimBack(modbusAddress_), 0, 1, 247)));
}

void CommonParametersPage::show(int, const ConfigImage& image)
{
    using namespace layout::common;
    administratorPasswordClicked();

    password_->setText(fieldText(image, kCommon, systemPassword));
    pin_->setText(fieldText(image, kCommon, pin));
    dtmfPassword_->setText(fieldText(image, kCommon, dtmfPassword));
    smsPassword_->setText(fieldText(image, kCommon, smsPassword));
    smsCentre_->setText(fieldText(image, kCommon, smsCentre));

    fields_.show(image, kCommon);

    ussdCommand_->setText(fieldText(image, kBalance, ussdCommand));
    balanceKeyword_->setText(fieldText(image, kBalance, balanceKeyword));
    threshold_->setText(QString::number(image.get(kBalance, balanceThreshold)));
    requestPeriod_->setText(QString::number(image.get(kBalance, balanceRequestPeriod)));
    modbusAddress_->setText(QString::number(image.get(kCommon, modbusAddress)));
}

} // namespace vrm
