#include "ui/pages/status/StatusPage.h"

#include "ui/TextTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/UiText.h"
#include "ui/pages/kit/CachedHeightLabel.h"
#include "ui/pages/kit/Widgets.h"
#include "session/LiveStatus.h"
#include "ui/ProgressBars.h"
#include "ui/pages/PageHost.h"

namespace vrm {

namespace {

const QColor kRed(0xFF, 0x00, 0x00);
const QColor kIndicatorOn(0x00, 0xFF, 0x00);
const QColor kIndicatorOff(0x00, 0x80, 0x00);
constexpr int kVisibleInputs = 8; // the status record carries inputs 1-8
const QString kSupportAddress = QStringLiteral("support@example.com");

void setBackground(QWidget* widget, const QColor& colour)
{
    // The poller repaints every indicator eight times a second, mostly unchanged.
    if (widget->palette().color(QPalette::Window) == colour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

QFrame* makeIndicator(const QString& name, QWidget* parent)
{
    auto* led = new QFrame(parent);
    led->setObjectName(name);
    led->setFrameShape(QFrame::Panel);
    led->setFrameShadow(QFrame::Sunken);
    led->setAutoFillBackground(true);
    led->setFixedSize(18, 18);
    setBackground(led, kIndicatorOff);
    return led;
}

QPushButton* makeButton(const QString& name, const QString& caption, const QString& hint, int tag, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setProperty("Tag", tag);
    button->setAutoDefault(false);
    return button;
}

QLabel* makeValue(const QString& name, QWidget* parent)
{
    auto* label = new kit::CachedHeightLabel({}, parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

StatusPage::StatusPage(PageHost& host, QObject* parent) : PageGroup(host, parent)
{
    build();
    showBlankIdentity();
    showPerimeterModes(0xFF);
    fillTestCombos();
}

StatusPage::~StatusPage() = default;

QWidget* StatusPage::panel(int)
{
    return panel_;
}

QLabel* StatusPage::titleLabel(int)
{
    return title_;
}

void StatusPage::build()
{
    panel_ = new QWidget;
    panel_->setObjectName(QStringLiteral("Panel10"));

    title_ = new QLabel(Ui::tr("GSM контроллер VRM530"), panel_);
    title_->setObjectName(QStringLiteral("LabelPanel10Title"));
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.15);
    title_->setFont(titleFont);

    auto* top = new QHBoxLayout;
    top->addWidget(buildIdentityGroup(), 3);
    top->addWidget(buildGsmGroup(), 2);

    auto* left = new QVBoxLayout;
    left->addWidget(buildInputGroup());
    left->addWidget(buildOutputGroup());
    auto* right = new QVBoxLayout;
    right->addWidget(buildPerimeterGroup());
    right->addWidget(buildTestGroup());
    auto* middle = new QHBoxLayout;
    middle->addLayout(left, 0);
    middle->addLayout(right, 1);

    auto* layout = new QVBoxLayout(panel_);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(4);
    layout->addWidget(title_);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addStretch(1);
    layout->addWidget(buildFooter());
}

QWidget* StatusPage::buildIdentityGroup()
{
    auto* group = new QGroupBox(Ui::tr(" Контроллер "), panel_);
    group->setObjectName(QStringLiteral("GroupBoxIdentity"));
    static const char* const names[] = {"iDeviceNameLabel", "iModificationLabel", "iHardVerLabel",
                                        "iSoftVerLabel",    "iBLLabel",           "iDateLabel",
                                        "iLabelCountryCode", "iLabelDevSNLocked", "iGSMIMEILabel",
                                        "iLabelDevSN"};
    for (int i = 0; i < 10; ++i)
        identityLabels_[i] = makeValue(QString::fromLatin1(names[i]), group);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    identityLabels_[7]->setFont(fixed);
    identityLabels_[9]->setFont(fixed);

    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    auto caption = [group](const QString& text) {
        auto* label = new QLabel(text, group);
        label->setStyleSheet(QStringLiteral("color: palette(dark);"));
        return label;
    };
    // Two columns of caption/value pairs, the two serial numbers below.
    const struct {
        const char* caption;
        int label;
        int row;
        int column;
    } cells[] = {
        {QT_TRANSLATE_NOOP("Ui", "Устройство:"), 0, 0, 0},   {QT_TRANSLATE_NOOP("Ui", "Модификация:"), 1, 1, 0},
        {QT_TRANSLATE_NOOP("Ui", "Дата:"), 5, 2, 0},         {QT_TRANSLATE_NOOP("Ui", "Код страны:"), 6, 3, 0},
        {QT_TRANSLATE_NOOP("Ui", "Версия платы:"), 2, 0, 2}, {QT_TRANSLATE_NOOP("Ui", "Версия ПО:"), 3, 1, 2},
        {QT_TRANSLATE_NOOP("Ui", "Загрузчик:"), 4, 2, 2},    {"IMEI:", 8, 3, 2},
    };
    for (const auto& cell : cells) {
        grid->addWidget(caption(Ui::tr(cell.caption)), cell.row, cell.column);
        grid->addWidget(identityLabels_[cell.label], cell.row, cell.column + 1);
    }
    grid->addWidget(caption(Ui::tr("Серийный номер:")), 4, 0, Qt::AlignTop);
    grid->addWidget(identityLabels_[9], 4, 1, 1, 3);
    grid->addWidget(caption(Ui::tr("Привязка:")), 5, 0, Qt::AlignTop);
    grid->addWidget(identityLabels_[7], 5, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

QWidget* StatusPage::buildGsmGroup()
{
    auto* group = new QGroupBox(Ui::tr(" GSM "), panel_);
    group->setObjectName(QStringLiteral("GroupBoxGSM"));
    signal_ = new QProgressBar(group);
    signal_->setObjectName(QStringLiteral("ProgressBarSignalQuality"));
    signal_->setRange(0, 31);
    signal_->setValue(0);
    signal_->setFormat(Ui::tr("%v из 31"));
    gsmState_ = makeValue(QStringLiteral("LabelGSMState"), group);
    gsmState_->setWordWrap(true);
    gsmState_->setMinimumHeight(2 * gsmState_->fontMetrics().lineSpacing());
    gsmState_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    balance_ = makeValue(QStringLiteral("LabelBalans"), group);
    balance_->setWordWrap(true);

    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(4);
    layout->addWidget(new QLabel(Ui::tr("Уровень сигнала:"), group));
    layout->addWidget(signal_);
    layout->addWidget(new QLabel(Ui::tr("Состояние модема:"), group));
    layout->addWidget(gsmState_);
    layout->addWidget(balance_);
    layout->addStretch(1);
    return group;
}

QWidget* StatusPage::buildInputGroup()
{
    auto* group = new QGroupBox(Ui::tr(" Входы "), panel_);
    group->setObjectName(QStringLiteral("GroupBoxInputs"));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    for (int k = 0; k < 16; ++k) {
        const int row = (k / 8) * 3;
        const int column = k % 8;
        inputLeds_[k] = makeIndicator(QStringLiteral("PanelLed%1").arg(k + 1), group);
        inputLabels_[k] = new QLabel(QString::number(k + 1), group);
        inputLabels_[k]->setAlignment(Qt::AlignCenter);
        imitateButtons_[k] = makeButton(QStringLiteral("Button%1").arg(25 + k), Ui::tr("Имит."),
                                        Ui::tr("Имитировать активизацию входа"), k, group);
        imitateButtons_[k]->setFixedWidth(42);
        connect(imitateButtons_[k], &QPushButton::clicked, this,
                [this, k] { request(4, uint8_t(k), 0); });
        grid->addWidget(inputLeds_[k], row, column, Qt::AlignHCenter);
        grid->addWidget(inputLabels_[k], row + 1, column, Qt::AlignHCenter);
        grid->addWidget(imitateButtons_[k], row + 2, column, Qt::AlignHCenter);
    }
    return group;
}

QWidget* StatusPage::buildOutputGroup()
{
    auto* group = new QGroupBox(Ui::tr(" Выходы "), panel_);
    group->setObjectName(QStringLiteral("GroupBoxOutputs"));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    const QStringList names = host().textList(texts::outputNames);
    for (int k = 0; k < 7; ++k) {
        outputLeds_[k] = makeIndicator(QStringLiteral("PanelOut%1").arg(k + 1), group);
        outputLabels_[k] = new QLabel(names[k], group);
        outputLabels_[k]->setObjectName(QStringLiteral("LabelOut%1").arg(k + 1));
        outputLabels_[k]->setAlignment(Qt::AlignCenter);
        onButtons_[k] = makeButton(QStringLiteral("Button%1").arg(4 + 2 * k), Ui::tr("Вкл."),
                                   Ui::tr("Включить исполнительное устройство"), k, group);
        offButtons_[k] = makeButton(QStringLiteral("Button%1").arg(5 + 2 * k), Ui::tr("Выкл."),
                                    Ui::tr("Выключить исполнительное устройство"), k, group);
        onButtons_[k]->setFixedWidth(46);
        offButtons_[k]->setFixedWidth(46);
        connect(onButtons_[k], &QPushButton::clicked, this, [this, k] { request(2, uint8_t(k), 1); });
        connect(offButtons_[k], &QPushButton::clicked, this, [this, k] { request(2, uint8_t(k), 2); });
        grid->addWidget(outputLeds_[k], 0, k, Qt::AlignHCenter);
        grid->addWidget(outputLabels_[k], 1, k, Qt::AlignHCenter);
        grid->addWidget(onButtons_[k], 2, k, Qt::AlignHCenter);
        grid->addWidget(offButtons_[k], 3, k, Qt::AlignHCenter);
    }
    return group;
}

QWidget* StatusPage::buildPerimeterGroup()
{
    auto* group = new QGroupBox(Ui::tr(" Периметры "), panel_);
    group->setObjectName(QStringLiteral("GroupBoxPerimeters"));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    for (int n = 0; n < 4; ++n) {
        auto* caption = new QLabel(Ui::tr("Периметр %1", "status page").arg(n + 1), group);
        auto* state = new QLabel(group);
        state->setObjectName(QStringLiteral("PanelP%1ArmDisarmStatus").arg(n + 1));
        state->setAutoFillBackground(true);
        state->setFrameShape(QFrame::Panel);
        state->setFrameShadow(QFrame::Sunken);
        state->setAlignment(Qt::AlignCenter);
        state->setMinimumWidth(70);
        perimeterPanels_[n] = state;
        grid->addWidget(caption, n, 0);
        grid->addWidget(state, n, 1, 1, 2);
    }
    selectedPerimeter_ = new QComboBox(group);
    selectedPerimeter_->setObjectName(QStringLiteral("ComboBoxSelectedPerim"));
    for (int n = 1; n <= 4; ++n)
        selectedPerimeter_->addItem(Ui::tr("Периметр %1").arg(n));
    auto perimeterIndex = [this] { return uint8_t(qMax(0, selectedPerimeter_->currentIndex())); };
    auto* arm = makeButton(QStringLiteral("Button18"), Ui::tr("Охрана"), {}, 0, group);
    auto* observe = makeButton(QStringLiteral("Button19"), Ui::tr("Наблюдение"), {}, 0, group);
    auto* protect = makeButton(QStringLiteral("Button22"), Ui::tr("Защита"), {}, 0, group);
    // The second pair of mode buttons of the window definition shares the handlers; this layout needs one.
    auto* arm2 = makeButton(QStringLiteral("Button23"), Ui::tr("Охрана"), {}, 0, group);
    auto* observe2 = makeButton(QStringLiteral("Button24"), Ui::tr("Наблюдение"), {}, 0, group);
    arm2->hide();
    observe2->hide();
    for (QPushButton* b : {arm, arm2})
        connect(b, &QPushButton::clicked, this, [this, perimeterIndex] { request(0, perimeterIndex(), 0); });
    for (QPushButton* b : {observe, observe2})
        connect(b, &QPushButton::clicked, this, [this, perimeterIndex] { request(1, perimeterIndex(), 0); });
    connect(protect, &QPushButton::clicked, this, [this] { request(3, 0, 0); });

    // The perimeter choice and its commands below the four states.
    grid->addWidget(selectedPerimeter_, 4, 0, 1, 2);
    grid->addWidget(arm, 4, 2);
    grid->addWidget(observe, 5, 0, 1, 2);
    grid->addWidget(protect, 5, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget* StatusPage::buildTestGroup()
{
    auto* group = new QGroupBox(Ui::tr(" Выполнить сценарий на выходе "), panel_);
    group->setObjectName(QStringLiteral("GroupBoxTest"));
    testOutput_ = new QComboBox(group);
    testOutput_->setObjectName(QStringLiteral("ComboBoxTestOut"));
    testScenario_ = new QComboBox(group);
    testScenario_->setObjectName(QStringLiteral("ComboBoxTestScen"));
    // The output list may shrink; the scenario number must stay in sight.
    testOutput_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    testOutput_->setMinimumContentsLength(3);
    auto* run = makeButton(QStringLiteral("Button20"), Ui::tr("Выполнить"), {}, 0, group);
    connect(run, &QPushButton::clicked, this, [this] {
        request(2, uint8_t(qMax(0, testOutput_->currentIndex())), uint8_t(qMax(0, testScenario_->currentIndex()) + 3));
    });
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addWidget(testOutput_, 1);
    layout->addWidget(testScenario_, 1);
    layout->addWidget(run);
    return group;
}

QWidget* StatusPage::buildFooter()
{
    auto* footer = new QWidget(panel_);
    clearSaveArea_ = new QCheckBox(Ui::tr("При программировании очистить память режимов"), footer);
    clearSaveArea_->setObjectName(QStringLiteral("CheckBoxClearSaveArea"));
    auto* mail = makeButton(QStringLiteral("Button21"), Ui::tr("Написать в техническую поддержку"), {}, 0,
                            footer);
    connect(mail, &QPushButton::clicked, this, [this] { QDesktopServices::openUrl(supportMailUrl()); });

    actionName_ = new kit::CachedHeightLabel({}, footer);
    actionName_->setObjectName(QStringLiteral("ActionName"));
    actionName_->setWordWrap(true);
    actionName_->setMinimumHeight(2 * actionName_->fontMetrics().lineSpacing() + 4);
    actionName_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = actionName_->font();
    bold.setBold(true);
    actionName_->setFont(bold);
    progress_ = new QProgressBar(footer);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setFixedHeight(14);
    actionStatus_ = LabelStatusView(actionName_, progress_);

    auto* options = new QHBoxLayout;
    options->addWidget(clearSaveArea_);
    options->addStretch(1);
    options->addWidget(mail);
    auto* layout = new QVBoxLayout(footer);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addLayout(options);
    layout->addWidget(actionName_);
    layout->addWidget(progress_);
    return footer;
}

void StatusPage::fillTestCombos()
{
    const QStringList outputs = host().textList(texts::outputNames);
    // The reactions after "no reaction", "on" and "off": scenario 1-14.
    const QStringList scenarios = host().textList(texts::reactions).mid(3, 14);
    kit::setItems(testOutput_, outputs);
    kit::setItems(testScenario_, scenarios);
    for (int k = 0; k < 7 && k < outputs.size(); ++k)
        outputLabels_[k]->setText(outputs[k]);
}

void StatusPage::enter(int)
{
    for (int k = 4; k < 7; ++k) {
        outputLeds_[k]->show();
        outputLabels_[k]->show();
        onButtons_[k]->show();
        offButtons_[k]->show();
    }
    // The status record carries inputs 1-8 only: the second row stays out of sight.
    for (int k = kVisibleInputs; k < 16; ++k) {
        inputLeds_[k]->hide();
        inputLabels_[k]->hide();
        imitateButtons_[k]->hide();
    }
    fillTestCombos();
    actionName_->clear();
}

void StatusPage::request(uint8_t objectClass, uint8_t number, uint8_t argument)
{
    QByteArray payload(3, '\0');
    payload[0] = char(objectClass);
    payload[1] = char(number);
    payload[2] = char(argument);
    emit controlCommandRequested(payload);
}

void StatusPage::showIdentity(const QByteArray& record)
{
    shown_ = decodeIdentity(record);
    const QString values[] = {shown_.deviceName,   shown_.modification, shown_.hardwareVersion, shown_.softwareVersion,
                              shown_.bootVersion,  shown_.date,         shown_.countryCode,     shown_.lockedSerial,
                              shown_.imei,         shown_.deviceSerial};
    for (int i = 0; i < 10; ++i) {
        QString text = values[i];
        text.remove(QLatin1Char('\r'));
        identityLabels_[i]->setText(text);
    }
}

void StatusPage::showSignalQuality(int quality)
{
    setBarValue(signal_, quality & 31);
}

void StatusPage::showLiveStatus(bool ok, const LiveStatus& status, const QString& gsmState)
{
    if (!ok) {
        showSignalQuality(0);
        showGsmState(QString());
        showPerimeterModes(0xFF);
        showInputs(0);
        showOutputs(0);
        return;
    }
    showSignalQuality(status.signalQuality());
    showGsmState(gsmState);
    showPerimeterModes(status.perimeterModes);
    showInputs(status.inputs);
    showOutputs(status.outputs);
    showBalance(status.balancePresent(), status.balance);
}

void StatusPage::showGsmState(const QString& text)
{
    gsmState_->setText(text);
}

void StatusPage::showPerimeterModes(uint8_t modes)
{
    const QStringList names = host().textList(texts::modeNames);
    const QColor face = panel_->palette().color(QPalette::Button);
    for (int n = 0; n < 4; ++n) {
        QLabel* state = perimeterPanels_[n];
        QColor colour = face;
        switch (perimeterMode(modes, n + 1)) {
        case 0:
            state->setText(names.value(1));
            break;
        case 1:
            state->setText(names.value(3));
            blinkRed_[n] = !blinkRed_[n];
            colour = blinkRed_[n] ? kRed : face;
            break;
        case 2:
            state->setText(names.value(0));
            colour = kRed;
            break;
        default:
            state->clear();
            break;
        }
        setBackground(state, colour);
    }
}

void StatusPage::showInputs(uint16_t mask)
{
    for (int k = 0; k < 16; ++k)
        setBackground(inputLeds_[k], (mask >> k) & 1 ? kIndicatorOn : kIndicatorOff);
}

void StatusPage::showOutputs(uint8_t mask)
{
    for (int k = 0; k < 7; ++k)
        setBackground(outputLeds_[k], (mask >> k) & 1 ? kIndicatorOn : kIndicatorOff);
}

void StatusPage::showBalance(bool present, float value)
{
    balance_->setText(balanceText(present, value));
}

bool StatusPage::clearModesOnProgram() const
{
    return clearSaveArea_->isChecked();
}

QUrl StatusPage::supportMailUrl() const
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(kSupportAddress);
    url.setQuery(QStringLiteral("subject=") + QString::fromLatin1(QUrl::toPercentEncoding(supportMailSubject(shown_))),
                 QUrl::StrictMode);
    return url;
}

} // namespace vrm
