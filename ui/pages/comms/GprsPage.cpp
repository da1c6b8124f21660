#include "ui/pages/comms/GprsPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/ConfigImage.h"
#include "model/Cp1251.h"
#include "model/FactoryImage.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/comms/FieldText.h"
#include "ui/pages/comms/PageWidgets.h"

namespace vrm {

using namespace comms;
namespace gprs = layout::gprs;

namespace {
constexpr std::size_t kGprs = gprs::array.base;
const SourceFields kSources{.inputsSet = &gprs::inputsSet,
                            .inputsChecked = &gprs::inputsChecked,
                            .arm = &gprs::arm,
                            .disarm = &gprs::disarm,
                            .restricted = &gprs::restrictedArm,
                            .system = &gprs::systemEvents,
                            .test = &gprs::test,
                            .profile = &gprs::profile};
const QString kMinutes = QStringLiteral(" Мин.");
// Qt notation: '0' optional digit, literals as they stand, blank placeholder.
const QString kAddressMask = QStringLiteral("000.000.000.000; ");
const QString kPeriodMask = QStringLiteral("0000 Мин.; ");
constexpr int kOnlineTimeAlwaysConnected = 30;
constexpr int kPeriodDigits = 4;

// Right-aligned in front of the " Мин." literal.
void setPeriodText(QLineEdit* edit, const QString& text)
{
    edit->setText(rightAligned(text.section(u' ', 0, 0, QString::SectionSkipEmpty), kPeriodDigits));
}

QLineEdit* periodEdit(const QString& name)
{
    QLineEdit* edit = makeEdit(name, 9, kPeriodMask);
    edit->setMaximumWidth(110);
    return edit;
}
} // namespace

GprsPage::GprsPage(PageHost& host, QObject* parent) : PageGroup(host, parent)
{
    build();
}

void GprsPage::build()
{
    PageFrame frame = makePageFrame(QStringLiteral("PanelGPRSSharedPAr"), {}, true);
    panel_ = frame.panel;
    frame.title->setText(QStringLiteral("Общие параметры GPRS"));

    auto* access = makeGroup({}, {});
    auto* accessLayout = new QGridLayout(access);
    apn_ = makeEdit(QStringLiteral("EditAPN"), 32);
    userName_ = makeEdit(QStringLiteral("EditGPRSUserName"), 16);
    password_ = makeEdit(QStringLiteral("EditGPRSPassword"), 16);
    dns1_ = makeEdit(QStringLiteral("MaskEditDNS1"), 15, kAddressMask);
    dns2_ = makeEdit(QStringLiteral("MaskEditDNS2"), 15, kAddressMask);
    int row = 0;
    accessLayout->addWidget(makeLabel(QStringLiteral("Имя APN")), row, 0);
    accessLayout->addWidget(apn_, row++, 1, 1, 3);
    accessLayout->addWidget(makeLabel(QStringLiteral("Логин")), row, 0);
    accessLayout->addWidget(userName_, row, 1);
    accessLayout->addWidget(makeLabel(QStringLiteral("Пароль")), row, 2);
    accessLayout->addWidget(password_, row++, 3);
    accessLayout->addWidget(makeLabel(QStringLiteral("Адрес первичного DNS сервера")), row, 0);
    accessLayout->addWidget(dns1_, row++, 1);
    accessLayout->addWidget(makeLabel(QStringLiteral("Адрес вторичного DNS сервера")), row, 0);
    accessLayout->addWidget(dns2_, row++, 1);
    accessLayout->setColumnStretch(1, 1);
    accessLayout->setColumnStretch(3, 1);
    frame.body->addWidget(access);

    sources_ = makeSourceBoxes({.input = QStringLiteral("CheckBoxMaskGInput"),
                                .arm = QStringLiteral("CheckBoxMaskGArm"),
                                .disarm = QStringLiteral("CheckBoxMaskGDisarm"),
                                .restricted = QStringLiteral("CheckBoxMaskGRestrictedArm"),
                                .system = QStringLiteral("CheckBoxMaskGPwrBlcTermo"),
                                .test = QStringLiteral("CheckBoxMaskGTest"),
                                .gps = {},
                                .profile = QStringLiteral("CheckBoxMaskGProfile")});
    frame.body->addWidget(sources_.group);

    auto* connection = makeGroup({}, {});
    auto* connectionLayout = new QGridLayout(connection);
    strategy_ = makeComboBox(QStringLiteral("ComboBoxGPRSConnectionStrategy"),
                             {QStringLiteral("Всегда подключен к серверу"),
                              QStringLiteral("Подключаться периодически или по событию"),
                              QStringLiteral("Подключаться по событию")});
    periodLabel_ = makeLabel(QStringLiteral("Период подключения к серверу, [5:1260] Мин."));
    period_ = periodEdit(QStringLiteral("MaskEditConnectingPeriod_x5m"));
    attempts_ = makeComboBox(QStringLiteral("ComboBoxConnectingTryNum"), numberedItems(1, 7));
    // The form's items; page entry replaces them.
    const QStringList formItems{QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30")};
    pingPeriod_ = makeComboBox(QStringLiteral("ComboBoxPingPeriod_min"), formItems);
    blockTime_ = periodEdit(QStringLiteral("MaskEditBlockTimeAtConnFault_min"));
    onlineTimeLabel_ = makeLabel(QStringLiteral("Длительность соединения, [0:30] Мин."));
    onlineTime_ = makeComboBox(QStringLiteral("ComboBoxOnlineTime_min"), formItems);
    waitTime_ = makeComboBox(QStringLiteral("ComboBoxGPRSTranspWaitTime"), numberedItems(1, 16, kMinutes));
    defaults_ = new QPushButton(QStringLiteral("Значения по умолчанию"));
    defaults_->setObjectName(QStringLiteral("Button41"));

    row = 0;
    connectionLayout->addWidget(strategy_, row++, 0, 1, 2, Qt::AlignLeft);
    connectionLayout->addWidget(periodLabel_, row, 0);
    connectionLayout->addWidget(period_, row++, 1);
    connectionLayout->addWidget(makeLabel(QStringLiteral("Количество попыток подключения")), row, 0);
    connectionLayout->addWidget(attempts_, row++, 1);
    connectionLayout->addWidget(makeLabel(QStringLiteral("Период PINGа, [1:30] Мин.")), row, 0);
    connectionLayout->addWidget(pingPeriod_, row++, 1);
    connectionLayout->addWidget(
        makeNote(QStringLiteral(
            "При недоступности сервера, прекратить попытки подключения на время, [5:1260] Мин.")),
        row, 0);
    connectionLayout->addWidget(blockTime_, row++, 1);
    connectionLayout->addWidget(onlineTimeLabel_, row, 0);
    connectionLayout->addWidget(onlineTime_, row++, 1);
    connectionLayout->addWidget(makeLabel(QStringLiteral("Снять данные с передачи, если не переданны за"),
                                          QStringLiteral("Label239")),
                                row, 0);
    connectionLayout->addWidget(waitTime_, row++, 1);
    connectionLayout->addWidget(defaults_, row++, 0, 1, 2, Qt::AlignLeft);
    connectionLayout->setColumnStretch(0, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{period_, attempts_, pingPeriod_, blockTime_, onlineTime_,
                                                      waitTime_})
        w->setMinimumWidth(110);
    frame.body->addWidget(connection);
    frame.body->addStretch(1);

    connect(strategy_, &QComboBox::activated, this, &GprsPage::strategyChanged);
    connect(period_, &QLineEdit::editingFinished, this, [this] { periodEditLeft(period_); });
    connect(blockTime_, &QLineEdit::editingFinished, this, [this] { periodEditLeft(blockTime_); });
    connect(defaults_, &QPushButton::clicked, this, &GprsPage::restoreDefaults);
}

void GprsPage::enter(int)
{
    sources_.showFullSet();
    pingPeriod_->clear();
    pingPeriod_->addItems(numberedItems(1, 30, kMinutes));
    onlineTime_->clear();
    onlineTime_->addItems(numberedItems(0, 30, kMinutes));
}

void GprsPage::strategyChanged()
{
    const int index = strategy_->currentIndex();
    const bool periodic = index == kPeriodic;
    periodLabel_->setEnabled(periodic);
    period_->setEnabled(periodic);
    setPeriodText(period_, periodic ? fixedPeriodText(period_->text()) : QStringLiteral("5"));
    const bool alwaysConnected = index == kAlwaysConnected;
    onlineTimeLabel_->setEnabled(!alwaysConnected);
    onlineTime_->setEnabled(!alwaysConnected);
    if (alwaysConnected)
        onlineTime_->setCurrentIndex(0);
}

void GprsPage::periodEditLeft(QLineEdit* edit)
{
    const QString fixed = fixedPeriodText(edit->text());
    if (fixed != edit->text())
        setPeriodText(edit, fixed);
}

void GprsPage::restoreDefaults()
{
    // The button lies on page 10, so the current page is this one.
    store(10, host().image());
    restoreGprsStrategyDefaults(host().image());
    show(10, host().image());
}

void GprsPage::store(int, ConfigImage& image)
{
    image.setTextTerminated(kGprs, gprs::apn, toCp1251(apn_->text()));
    image.setTextTerminated(kGprs, gprs::userName, toCp1251(userName_->text()));
    image.setTextTerminated(kGprs, gprs::password, toCp1251(password_->text()));
    image.set(kGprs, gprs::dns1, readDottedAddress(dns1_->displayText()));
    image.set(kGprs, gprs::dns2, readDottedAddress(dns2_->displayText()));

    switch (strategy_->currentIndex()) {
    case kAlwaysConnected:
        image.set(kGprs, gprs::connectionStrategy, gprs::kAlwaysConnected);
        image.set(kGprs, gprs::onlineTime, kOnlineTimeAlwaysConnected);
        break;
    case kOnEvent:
        image.set(kGprs, gprs::connectionStrategy, gprs::kOnEvent);
        storeIndex(image, kGprs, gprs::onlineTime, onlineTime_);
        break;
    case kPeriodic:
        image.set(kGprs, gprs::connectionStrategy, periodUnits(period_->text()));
        storeIndex(image, kGprs, gprs::onlineTime, onlineTime_);
        break;
    default: break; // no selection: the strategy bytes stay as they are
    }
    if (pingPeriod_->currentIndex() >= 0)
        image.set(kGprs, gprs::pingPeriod, uint32_t(pingPeriod_->currentIndex() + 1));
    if (attempts_->currentIndex() >= 0)
        image.set(kGprs, gprs::attempts, uint32_t(attempts_->currentIndex() + 1));
    image.set(kGprs, gprs::blockTime, periodUnits(blockTime_->text()));

    storeSources(image, kGprs, kSources, sources_);

    for (std::size_t s = 0; s < layout::servers.count; ++s)
        storeIndex(image, layout::servers.at(s), layout::server::gprsWaitTime, waitTime_);
}

void GprsPage::show(int, const ConfigImage& image)
{
    apn_->setText(fieldText(image, kGprs, gprs::apn));
    userName_->setText(fieldText(image, kGprs, gprs::userName));
    password_->setText(fieldText(image, kGprs, gprs::password));
    dns1_->setText(slottedAddress(image.get(kGprs, gprs::dns1)));
    dns2_->setText(slottedAddress(image.get(kGprs, gprs::dns2)));

    const uint32_t strategy = image.get(kGprs, gprs::connectionStrategy);
    strategy_->setCurrentIndex(strategy == gprs::kOnEvent           ? kOnEvent
                               : strategy == gprs::kAlwaysConnected ? kAlwaysConnected
                                                                    : kPeriodic);
    setPeriodText(period_, QString::number(strategy * 5));

    // A count of 0 shows the first item.
    auto countIndex = [](uint32_t count) { return count == 0 ? 0u : count - 1; };
    showIndex(attempts_, countIndex(image.get(kGprs, gprs::attempts)));
    setPeriodText(blockTime_, QString::number(image.get(kGprs, gprs::blockTime) * 5));
    showIndex(pingPeriod_, countIndex(image.get(kGprs, gprs::pingPeriod)));
    showIndex(onlineTime_, image.get(kGprs, gprs::onlineTime));
    strategyChanged();

    showIndex(waitTime_, image.get(layout::servers.at(0), layout::server::gprsWaitTime));

    showSources(image, kGprs, kSources, sources_);
}

} // namespace vrm
