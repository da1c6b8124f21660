#include "ui/pages/comms/GprsPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/ConfigImage.h"
#include "model/UiText.h"
#include "model/Cp1251.h"
#include "model/FactoryImage.h"
#include "ui/pages/PageHost.h"

namespace vrm {

using namespace kit;
namespace gprs = layout::gprs;

namespace {
QString minutesSuffix()
{
    return u' ' + Ui::tr("Мин.");
}

// Four digits and the unit; letters of the unit that an input mask reads as
// placeholders are escaped.
QString periodMask()
{
    static const QString placeholders = QStringLiteral("AaNnXx90DdHhBb#><!\\[]{}");
    QString mask = QStringLiteral("0000");
    for (const QChar c : minutesSuffix()) {
        if (placeholders.contains(c))
            mask += u'\\';
        mask += c;
    }
    return mask + QStringLiteral("; ");
}
constexpr int kOnlineTimeAlwaysConnected = 30;
constexpr int kPeriodDigits = 4;

// Right-aligned in front of the " Мин." literal.
void setPeriodText(QLineEdit* edit, const QString& text)
{
    edit->setText(rightAligned(text.section(u' ', 0, 0, QString::SectionSkipEmpty), kPeriodDigits));
}

QLineEdit* periodEdit(const QString& name)
{
    QLineEdit* edit = makeEdit(name, 9, periodMask());
    edit->setMaximumWidth(110);
    return edit;
}

// Counts stored as 1-n in a list from 1; a count of 0 shows the first item.
uint32_t countIndex(uint32_t count)
{
    return count == 0 ? 0u : count - 1;
}
} // namespace

GprsPage::GprsPage(PageHost& host, QObject* parent)
    : RecordPages(host, layout::gprsBlock, QStringLiteral("PanelGPRSSharedPAr"), {}, true, parent)
{
    build();
}

void GprsPage::build()
{
    title()->setText(Ui::tr("Общие параметры GPRS", "page title"));
    auto& f = fields();

    auto* access = makeGroup({}, {});
    auto* accessLayout = new QGridLayout(access);
    QLineEdit* apn = f.text(gprs::apn, QStringLiteral("EditAPN"), 32, TextStore::Terminated);
    QLineEdit* userName = f.text(gprs::userName, QStringLiteral("EditGPRSUserName"), 16, TextStore::Terminated);
    QLineEdit* password = f.text(gprs::password, QStringLiteral("EditGPRSPassword"), 16, TextStore::Terminated);
    QLineEdit* dns1 = f.ipv4(gprs::dns1, QStringLiteral("MaskEditDNS1"));
    QLineEdit* dns2 = f.ipv4(gprs::dns2, QStringLiteral("MaskEditDNS2"));
    int row = 0;
    accessLayout->addWidget(makeLabel(Ui::tr("Имя APN")), row, 0);
    accessLayout->addWidget(apn, row++, 1, 1, 3);
    accessLayout->addWidget(makeLabel(Ui::tr("Логин")), row, 0);
    accessLayout->addWidget(userName, row, 1);
    accessLayout->addWidget(makeLabel(Ui::tr("Пароль")), row, 2);
    accessLayout->addWidget(password, row++, 3);
    accessLayout->addWidget(makeLabel(Ui::tr("Адрес первичного DNS сервера")), row, 0);
    accessLayout->addWidget(dns1, row++, 1);
    accessLayout->addWidget(makeLabel(Ui::tr("Адрес вторичного DNS сервера")), row, 0);
    accessLayout->addWidget(dns2, row++, 1);
    accessLayout->setColumnStretch(1, 1);
    accessLayout->setColumnStretch(3, 1);
    body()->addWidget(access);

    auto* connection = makeGroup({}, {});
    auto* connectionLayout = new QGridLayout(connection);
    strategy_ = makeComboBox(QStringLiteral("ComboBoxGPRSConnectionStrategy"),
                             {Ui::tr("Всегда подключен к серверу"),
                              Ui::tr("Подключаться периодически или по событию"),
                              Ui::tr("Подключаться по событию")});
    periodLabel_ = makeLabel(Ui::tr("Период подключения к серверу, [5:1260] Мин."));
    period_ = periodEdit(QStringLiteral("MaskEditConnectingPeriod_x5m"));
    attempts_ = makeComboBox(QStringLiteral("ComboBoxConnectingTryNum"), numberedItems(1, 7));
    // The form's items; page entry replaces them.
    const QStringList formItems{QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30")};
    pingPeriod_ = makeComboBox(QStringLiteral("ComboBoxPingPeriod_min"), formItems);
    blockTime_ = periodEdit(QStringLiteral("MaskEditBlockTimeAtConnFault_min"));
    onlineTimeLabel_ = makeLabel(Ui::tr("Длительность соединения, [0:30] Мин."));
    onlineTime_ = makeComboBox(QStringLiteral("ComboBoxOnlineTime_min"), formItems);
    waitTime_ = makeComboBox(QStringLiteral("ComboBoxGPRSTranspWaitTime"), numberedItems(1, 16, minutesSuffix()));
    defaults_ = new QPushButton(Ui::tr("Значения по умолчанию"));
    defaults_->setObjectName(QStringLiteral("Button41"));
    bindConnection();

    sources_ = bindSources(f.sub(gprs::gprsSources), {.input = QStringLiteral("CheckBoxMaskGInput"),
                                                      .arm = QStringLiteral("CheckBoxMaskGArm"),
                                                      .disarm = QStringLiteral("CheckBoxMaskGDisarm"),
                                                      .restricted = QStringLiteral("CheckBoxMaskGRestrictedArm"),
                                                      .system = QStringLiteral("CheckBoxMaskGPwrBlcTermo"),
                                                      .test = QStringLiteral("CheckBoxMaskGTest"),
                                                      .gps = {},
                                                      .profile = QStringLiteral("CheckBoxMaskGProfile")});
    body()->addWidget(sources_.group);

    // The wait time of page 10 is kept in each of the three server records.
    f.add(
        [this](ConfigImage& image, RecordAt<gprs::Record>) {
            if (waitTime_->currentIndex() < 0)
                return;
            for (std::size_t s = 0; s < layout::servers.count; ++s)
                image.set(layout::servers[s], layout::server::gprsWaitTime, uint32_t(waitTime_->currentIndex()));
        },
        [this](const ConfigImage& image, RecordAt<gprs::Record>) {
            showIndex(waitTime_, image.get(layout::servers[0], layout::server::gprsWaitTime));
        });

    row = 0;
    connectionLayout->addWidget(strategy_, row++, 0, 1, 2, Qt::AlignLeft);
    connectionLayout->addWidget(periodLabel_, row, 0);
    connectionLayout->addWidget(period_, row++, 1);
    connectionLayout->addWidget(makeLabel(Ui::tr("Количество попыток подключения")), row, 0);
    connectionLayout->addWidget(attempts_, row++, 1);
    connectionLayout->addWidget(makeLabel(Ui::tr("Период PINGа, [1:30] Мин.")), row, 0);
    connectionLayout->addWidget(pingPeriod_, row++, 1);
    connectionLayout->addWidget(
        makeNote(Ui::tr("При недоступности сервера, прекратить попытки подключения на время, [5:1260] Мин.")),
        row, 0);
    connectionLayout->addWidget(blockTime_, row++, 1);
    connectionLayout->addWidget(onlineTimeLabel_, row, 0);
    connectionLayout->addWidget(onlineTime_, row++, 1);
    connectionLayout->addWidget(makeLabel(Ui::tr("Снять данные с передачи, если не переданны за"),
                                          QStringLiteral("Label239")),
                                row, 0);
    connectionLayout->addWidget(waitTime_, row++, 1);
    connectionLayout->addWidget(defaults_, row++, 0, 1, 2, Qt::AlignLeft);
    connectionLayout->setColumnStretch(0, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{period_, attempts_, pingPeriod_, blockTime_, onlineTime_,
                                                      waitTime_})
        w->setMinimumWidth(110);
    body()->addWidget(connection);
    body()->addStretch(1);

    connect(strategy_, &QComboBox::activated, this, &GprsPage::strategyChanged);
    connect(period_, &QLineEdit::editingFinished, this, [this] { periodEditLeft(period_); });
    connect(blockTime_, &QLineEdit::editingFinished, this, [this] { periodEditLeft(blockTime_); });
    connect(defaults_, &QPushButton::clicked, this, &GprsPage::restoreDefaults);
}

// The strategy decides what the period edit and the online time mean, so they
// are stored and shown together.
void GprsPage::bindConnection()
{
    using At = RecordAt<gprs::Record>;
    auto& f = fields();
    f.add(
        [this](ConfigImage& image, At at) {
            switch (strategy_->currentIndex()) {
            case kAlwaysConnected:
                image.set(at, gprs::connectionStrategy, gprs::kAlwaysConnected);
                image.set(at, gprs::onlineTime, kOnlineTimeAlwaysConnected);
                break;
            case kOnEvent:
                image.set(at, gprs::connectionStrategy, gprs::kOnEvent);
                if (onlineTime_->currentIndex() >= 0)
                    image.set(at, gprs::onlineTime, uint32_t(onlineTime_->currentIndex()));
                break;
            case kPeriodic:
                image.set(at, gprs::connectionStrategy, periodUnits(period_->text()));
                if (onlineTime_->currentIndex() >= 0)
                    image.set(at, gprs::onlineTime, uint32_t(onlineTime_->currentIndex()));
                break;
            default: break; // no selection: the strategy bytes stay as they are
            }
        },
        [this](const ConfigImage& image, At at) {
            const uint32_t strategy = image.get(at, gprs::connectionStrategy);
            strategy_->setCurrentIndex(strategy == gprs::kOnEvent           ? kOnEvent
                                       : strategy == gprs::kAlwaysConnected ? kAlwaysConnected
                                                                            : kPeriodic);
            setPeriodText(period_, QString::number(strategy * 5));
        });
    f.add(
        [this](ConfigImage& image, At at) {
            if (pingPeriod_->currentIndex() >= 0)
                image.set(at, gprs::pingPeriod, uint32_t(pingPeriod_->currentIndex() + 1));
            if (attempts_->currentIndex() >= 0)
                image.set(at, gprs::attempts, uint32_t(attempts_->currentIndex() + 1));
            image.set(at, gprs::blockTime, periodUnits(blockTime_->text()));
        },
        [this](const ConfigImage& image, At at) {
            showIndex(attempts_, countIndex(image.get(at, gprs::attempts)));
            setPeriodText(blockTime_, QString::number(image.get(at, gprs::blockTime) * 5));
            showIndex(pingPeriod_, countIndex(image.get(at, gprs::pingPeriod)));
            showIndex(onlineTime_, image.get(at, gprs::onlineTime));
            strategyChanged();
        });
}

void GprsPage::enter(int)
{
    sources_.showFullSet();
    setItems(pingPeriod_, numberedItems(1, 30, minutesSuffix()));
    setItems(onlineTime_, numberedItems(0, 30, minutesSuffix()));
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

} // namespace vrm
