#include "ui/pages/io/outputs/PowerPage.h"

#include "model/UiText.h"
#include "ui/pages/kit/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QSlider>
#include <QVBoxLayout>

#include "model/ConfigImage.h"
#include "model/PowerLimits.h"
#include "session/ControllerAccess.h"
#include "session/LiveStatus.h"
#include "ui/TextTable.h"
#include "ui/pages/PageHost.h"

namespace vrm {

using namespace kit;
namespace power = layout::power;
namespace temperature = layout::temperature;
namespace outputAction = layout::outputAction;
namespace limits = powerLimits;

namespace {

using PowerAt = RecordAt<power::Record>;
using TemperatureAt = RecordAt<temperature::Record>;

const QString kDegrees = QStringLiteral("° C");
// Entries of the indication mode list that this controller offers.
constexpr int kIndicationEntries[] = {0, 1, 7};

QSlider* slider(const QString& objectName, int low, int high, const QString& hint = {})
{
    auto* bar = new QSlider(Qt::Horizontal);
    bar->setObjectName(objectName);
    bar->setRange(low, high);
    bar->setToolTip(hint);
    bar->setMinimumWidth(150);
    return bar;
}

QProgressBar* liveBar(const QString& objectName, int low, int high)
{
    auto* bar = new QProgressBar;
    bar->setObjectName(objectName);
    bar->setRange(low, high);
    bar->setTextVisible(false);
    bar->setMaximumHeight(14);
    return bar;
}

QLabel* valueLabel(const QString& objectName)
{
    QLabel* label = makeLabel({}, objectName);
    label->setMinimumWidth(48);
    return label;
}

QString degreesText(int value) { return QString::number(double(value), 'g', 3) + kDegrees; }

// Every group lays out in four columns: caption, two controls, the rest.
QGridLayout* groupGrid(QGroupBox* group)
{
    auto* layout = new QGridLayout(group);
    layout->setColumnStretch(3, 1);
    layout->setColumnMinimumWidth(1, 120);
    layout->setColumnMinimumWidth(2, 120);
    return layout;
}

// A caption and a value, one row of the group.
void addRow(QGridLayout* layout, int& row, const QString& caption, QWidget* control, QWidget* value = nullptr)
{
    layout->addWidget(makeLabel(caption), row, 0);
    layout->addWidget(control, row, 1, 1, value ? 2 : 1);
    if (value)
        layout->addWidget(value, row, 3);
    ++row;
}

} // namespace

template <class R>
PowerPage::OutputActionBoxes PowerPage::reaction(Bindings<R>& bindings,
                                                 const SubRecords<R, outputAction::Record>& field,
                                                 const QString& outputName, const QString& actionName)
{
    Bindings<outputAction::Record>& pair = bindings.sub(field);
    OutputActionBoxes boxes;
    boxes.output = pair.combo(outputAction::output, outputName);
    boxes.action = pair.combo(outputAction::action, actionName);
    return boxes;
}

// An event with the output it drives and the action on it, in one row.
static void addReaction(QGridLayout* layout, int& row, const QString& caption, QComboBox* output, QComboBox* action)
{
    layout->addWidget(makeLabel(caption), row, 0);
    layout->addWidget(output, row, 1);
    layout->addWidget(action, row++, 2);
}

PowerPage::PowerPage(PageHost& host, QObject* parent)
    : RecordPages(host, layout::powerBlock, QStringLiteral("Panel3"), QStringLiteral("LabelPowerTitle"), true, parent),
      temperatureFields_(&host)
{
    title()->setText(Ui::tr("Питание, температура системной платы, индикация, контроль вскрытия корпуса"));
    title()->setWordWrap(true);
    body()->addWidget(buildSupplyGroup());
    body()->addWidget(buildBatteryGroup());
    body()->addWidget(buildIndicationGroup());
    body()->addWidget(buildTemperatureGroup());
    body()->addWidget(buildTamperGroup());
    body()->addStretch(1);
    showPower(0, 0);
    showTemperature(0, false);
    connect(&host.controller(), &ControllerAccess::powerPolled, this, &PowerPage::showPower);
    connect(&host.controller(), &ControllerAccess::temperaturePolled, this, &PowerPage::showTemperature);
}

QWidget* PowerPage::buildSupplyGroup()
{
    auto& f = fields();
    QGroupBox* group = makeGroup(QStringLiteral("GroupBoxMainPower"), Ui::tr(" Основное питание "));
    QGridLayout* layout = groupGrid(group);
    averaging_ = f.combo(power::averagingTime, QStringLiteral("ComboBoxPowerSignAverTime"));
    supplyFault_ = f.check(power::failureMessage, QStringLiteral("CheckBoxExtPowerFault"),
                           Ui::tr("Формировать сообщение при отключении"));
    messageInterval_ = f.combo(power::messageInterval, QStringLiteral("ComboBoxRecoveryTime"));
    supplyRecovery_ = f.check(power::recoveryMessage, QStringLiteral("CheckBoxExtPowerRec"),
                              Ui::tr("Формировать сообщение при восстановлении"));
    supplyGps_ = f.check(power::failureGps, QStringLiteral("CheckBoxAsFaultSendGPSPos"),
                         Ui::tr("Отправить GPS информацию при изменении питания"));
    supplyGps_->setParent(group); // hidden, but owned by the page like its shown neighbours
    supplyGps_->setVisible(false);
    onSupplyFault_ = reaction(f, power::failureReaction, QStringLiteral("ComboBoxFltBrdArriveOut"),
                              QStringLiteral("ComboBoxFltBrdArriveScn"));
    onSupplyRecovery_ = reaction(f, power::recoveryReaction, QStringLiteral("ComboBoxFltBrdRecoveryOut"),
                                 QStringLiteral("ComboBoxFltBrdRecoveryScn"));
    mainsLabel_ = valueLabel(QStringLiteral("LabelMainPower"));
    mainsBar_ = liveBar(QStringLiteral("ProgressBarMainPower"), 0, 165);

    int row = 0;
    addRow(layout, row, Ui::tr("Время усреднения сигнала"), averaging_);
    layout->addWidget(supplyFault_, row++, 0, 1, 4);
    layout->addWidget(supplyRecovery_, row++, 0, 1, 4);
    addRow(layout, row, Ui::tr("Формировать сообщения не чаще"), messageInterval_);
    addReaction(layout, row, Ui::tr("При падении питания"), onSupplyFault_.output, onSupplyFault_.action);
    addReaction(layout, row, Ui::tr("При восстановлении питания"), onSupplyRecovery_.output, onSupplyRecovery_.action);
    addRow(layout, row, Ui::tr("Напряжение питания"), mainsBar_, mainsLabel_);
    return group;
}

QWidget* PowerPage::buildBatteryGroup()
{
    auto& f = fields();
    QGroupBox* group = makeGroup(QStringLiteral("GroupBoxBattery"), Ui::tr(" Батарея "));
    QGridLayout* layout = groupGrid(group);
    // The track bars count down from a full battery: percent = 100 - position.
    dischargeWarn_ = slider(QStringLiteral("TrackBarDischargeWarn"), 0, limits::kDischargeRange,
                            Ui::tr("Первая граница разряда", "hint"));
    dischargeAlarm_ = slider(QStringLiteral("TrackBarDischargeAlarm"), 0, limits::kDischargeRange,
                             Ui::tr("Вторая граница разряда", "hint"));
    dischargeWarnLabel_ = valueLabel(QStringLiteral("LabelDischargeWarn"));
    dischargeAlarmLabel_ = valueLabel(QStringLiteral("LabelDischargeAlarm"));
    // Each discharge byte: its message bit first, then the percentage.
    dischargeAlarmEvent_ = f.check(power::secondDischargeMessage,
                                   QStringLiteral("CheckBoxBatteryDischargeAlarmEventEn"),
                                   Ui::tr("Формировать сообщение при разряде до второй границы"));
    f.add(
        [this](ConfigImage& image, PowerAt at) {
            image.set(at, power::secondDischargeLimit, uint32_t(limits::dischargePercent(dischargeAlarm_->value())));
        },
        [this](const ConfigImage& image, PowerAt at) {
            dischargeAlarm_->setValue(limits::dischargePosition(int(image.get(at, power::secondDischargeLimit))));
            dischargeAlarmMoved(dischargeAlarm_->value());
        });
    dischargeWarnEvent_ = f.check(power::firstDischargeMessage, QStringLiteral("CheckBoxBatteryDischargeWarnEventEn"),
                                  Ui::tr("Формировать сообщение при разряде до первой границы"));
    f.add(
        [this](ConfigImage& image, PowerAt at) {
            image.set(at, power::firstDischargeLimit, uint32_t(limits::dischargePercent(dischargeWarn_->value())));
        },
        [this](const ConfigImage& image, PowerAt at) {
            dischargeWarn_->setValue(limits::dischargePosition(int(image.get(at, power::firstDischargeLimit))));
            dischargeWarnMoved(dischargeWarn_->value());
        });
    dischargeGps_ = f.check(power::dischargeGps, QStringLiteral("CheckBoxAsDischargeSendGPSPos"),
                            Ui::tr("Отправить GPS информацию при разряде батареи"));
    dischargeGps_->setParent(group);
    dischargeGps_->setVisible(false);
    onDischargeAlarm_ = reaction(f, power::secondDischargeReaction, QStringLiteral("ComboBoxDischAlarmBrdArrOut"),
                                 QStringLiteral("ComboBoxDischAlarmBrdArrScn"));
    onDischargeWarn_ = reaction(f, power::firstDischargeReaction, QStringLiteral("ComboBoxDischWarnBrdArrOut"),
                                QStringLiteral("ComboBoxDischWarnBrdArrScn"));
    batteryPercent_ = valueLabel(QStringLiteral("Label17"));
    batteryBar_ = liveBar(QStringLiteral("ProgressBarBatCharge"), 0, 100);
    batteryMessage_ = makeLabel({}, QStringLiteral("LabelBatMsg"));

    int row = 0;
    layout->addWidget(dischargeWarnEvent_, row++, 0, 1, 4);
    addRow(layout, row, Ui::tr("Первая граница разряда"), dischargeWarn_, dischargeWarnLabel_);
    layout->addWidget(dischargeAlarmEvent_, row++, 0, 1, 4);
    addRow(layout, row, Ui::tr("Вторая граница разряда"), dischargeAlarm_, dischargeAlarmLabel_);
    addReaction(layout, row, Ui::tr("При разряде до 1-й границы"), onDischargeWarn_.output, onDischargeWarn_.action);
    addReaction(layout, row, Ui::tr("При разряде до 2-й границы"), onDischargeAlarm_.output, onDischargeAlarm_.action);
    addRow(layout, row, Ui::tr("Заряд батареи"), batteryBar_, batteryPercent_);
    layout->addWidget(batteryMessage_, row++, 1, 1, 3);

    connect(dischargeWarn_, &QSlider::valueChanged, this, &PowerPage::dischargeWarnMoved);
    connect(dischargeAlarm_, &QSlider::valueChanged, this, &PowerPage::dischargeAlarmMoved);
    return group;
}

QWidget* PowerPage::buildIndicationGroup()
{
    auto& f = fields();
    QGroupBox* group = makeGroup(QStringLiteral("GroupBoxIndication"), Ui::tr(" Индикация "));
    auto* layout = new QVBoxLayout(group);
    // Items come from the language table on every entry.
    indication_ = f.combo(power::indication, QStringLiteral("ComboBoxIndFunction"), {});
    alarmBlinking_ = f.check(power::alarmBlinking, QStringLiteral("CheckBoxAlarmBlinking"),
                             Ui::tr("Показывать прошедшую активность входов вспышками"));
    ledsOffWhenClosed_ = f.check(power::ledsOffWhenClosed, QStringLiteral("CheckBoxDisableLedsAtCoverClose"),
                                 Ui::tr("Выключить индикаторы In1-In8 при закрытом корпусе"));
    activeInputsOnArmOut_ = f.check(power::activeInputsOnArmOut, QStringLiteral("CheckBoxShowActiveInsToArmOut"),
                                    Ui::tr("Показывать активность входов на ArmOut в реж. ОХРАНА"));
    layout->addWidget(indication_, 0, Qt::AlignLeft);
    layout->addWidget(alarmBlinking_);
    layout->addWidget(ledsOffWhenClosed_);
    layout->addWidget(activeInputsOnArmOut_);
    return group;
}

QWidget* PowerPage::buildTemperatureGroup()
{
    auto& t = temperatureFields_;
    QGroupBox* group = makeGroup(QStringLiteral("GroupBoxTemperature"), Ui::tr(" Температура системной платы "));
    QGridLayout* layout = groupGrid(group);
    temperatureEvent_ = t.check(temperature::notify, QStringLiteral("CheckBoxTemperatureEvent"),
                                Ui::tr("Оповещать о выходе температуры за указанные пределы"));
    lowNotify_ = slider(QStringLiteral("TrackBarTemperatLowBorder"), limits::kNotifyRangeLow, limits::kNotifyRangeHigh);
    highNotify_ = slider(QStringLiteral("TrackBarTemperatHiBorder"), limits::kNotifyRangeLow, limits::kNotifyRangeHigh);
    lowNotifyLabel_ = valueLabel(QStringLiteral("LabelTemperatLowBorder"));
    highNotifyLabel_ = valueLabel(QStringLiteral("LabelTemperatHiBorder"));
    t.add([this](ConfigImage& image, TemperatureAt at) { image.setSigned(at, temperature::lowBorder, lowNotify_->value()); },
          [this](const ConfigImage& image, TemperatureAt at) {
              lowNotify_->setValue(image.getSigned(at, temperature::lowBorder));
              lowNotifyMoved(lowNotify_->value());
          });
    t.add([this](ConfigImage& image,
                 TemperatureAt at) { image.setSigned(at, temperature::highBorder, highNotify_->value()); },
          [this](const ConfigImage& image, TemperatureAt at) {
              highNotify_->setValue(image.getSigned(at, temperature::highBorder));
              highNotifyMoved(highNotify_->value());
          });
    // The output-control levels: item i stands for 89 - i degrees (as declared); items come on every entry.
    lowLevel_ = makeComboBox(QStringLiteral("ComboBoxLoBorderLevel"), {});
    highLevel_ = makeComboBox(QStringLiteral("ComboBoxHiBorderLevel"), {});
    t.bind(temperature::lowLevel, lowLevel_);
    onLowLevel_ = reaction(t, temperature::lowReaction, QStringLiteral("ComboBoxLoBorderOut"),
                           QStringLiteral("ComboBoxLoBorderScn"));
    t.bind(temperature::highLevel, highLevel_);
    onHighLevel_ = reaction(t, temperature::highReaction, QStringLiteral("ComboBoxHiBorderOut"),
                            QStringLiteral("ComboBoxHiBorderScn"));
    temperatureCaption_ = makeLabel({}, QStringLiteral("LabelTemperature"));
    temperatureBar_ = liveBar(QStringLiteral("ProgressBarModemTemperature"), -40, 90);
    temperatureValue_ = valueLabel(QStringLiteral("LabelTempCurVal"));

    int row = 0;
    layout->addWidget(temperatureEvent_, row++, 0, 1, 4);
    addRow(layout, row, Ui::tr("Верхняя граница оповещения"), highNotify_, highNotifyLabel_);
    addRow(layout, row, Ui::tr("Нижняя граница оповещения"), lowNotify_, lowNotifyLabel_);
    addRow(layout, row, Ui::tr("При превышении"), highLevel_);
    layout->addWidget(onHighLevel_.output, row, 1);
    layout->addWidget(onHighLevel_.action, row++, 2);
    addRow(layout, row, Ui::tr("При падении ниже"), lowLevel_);
    layout->addWidget(onLowLevel_.output, row, 1);
    layout->addWidget(onLowLevel_.action, row++, 2);
    layout->addWidget(temperatureCaption_, row++, 0, 1, 4);
    layout->addWidget(temperatureBar_, row, 1, 1, 2);
    layout->addWidget(temperatureValue_, row++, 3);

    connect(highNotify_, &QSlider::valueChanged, this, &PowerPage::highNotifyMoved);
    connect(lowNotify_, &QSlider::valueChanged, this, &PowerPage::lowNotifyMoved);
    connect(highLevel_, &QComboBox::activated, this, &PowerPage::highLevelChosen);
    connect(lowLevel_, &QComboBox::activated, this, &PowerPage::lowLevelChosen);
    return group;
}

QWidget* PowerPage::buildTamperGroup()
{
    auto& t = temperatureFields_;
    QGroupBox* group = makeGroup(QStringLiteral("GroupBoxTamper"), Ui::tr(" Датчик вскрытия корпуса "));
    QGridLayout* layout = groupGrid(group);
    tamperEnable_ = t.check(temperature::tamperEnabled, QStringLiteral("CheckBoxTamperEnable"),
                            Ui::tr("Оповещать о вскрытии корпуса устройства"));
    tamperInversion_ = t.check(temperature::tamperInverted, QStringLiteral("CheckBoxTamperInversion"),
                               Ui::tr("Инверсия"));
    tamperInversion_->setParent(group);
    tamperInversion_->setVisible(false);
    onTamper_ = reaction(t, temperature::tamperReaction, QStringLiteral("ComboBoxTamperActOutN"),
                         QStringLiteral("ComboBoxTamperActScnN"));
    int row = 0;
    layout->addWidget(tamperEnable_, row++, 0, 1, 4);
    addReaction(layout, row, Ui::tr("При вскрытии устройства"), onTamper_.output, onTamper_.action);
    return group;
}

void PowerPage::enter(int)
{
    // Both lists are rebuilt on every entry; the show step then picks the items.
    const QStringList levels = limits::temperatureLevelItems(kDegrees);
    for (QComboBox* box : {highLevel_, lowLevel_})
        kit::setItems(box, levels);
    const QStringList modes = host().textList(texts::indicationModes);
    QStringList items;
    for (int entry : kIndicationEntries)
        items << modes.value(entry);
    kit::setItems(indication_, items);
}

void PowerPage::store(int page, ConfigImage& image)
{
    RecordPages::store(page, image);
    temperatureFields_.store(image, layout::temperatureBlock[0]);
}

void PowerPage::show(int page, const ConfigImage& image)
{
    RecordPages::show(page, image);
    temperatureFields_.show(image, layout::temperatureBlock[0]);
}

void PowerPage::dischargeWarnMoved(int position)
{
    const auto settled = limits::afterWarnMoved({.warn = position, .alarm = dischargeAlarm_->value()});
    dischargeWarnLabel_->setText(QString::number(limits::dischargePercent(settled.warn)) + "%");
    dischargeWarn_->setValue(settled.warn);
    dischargeAlarm_->setValue(settled.alarm);
}

void PowerPage::dischargeAlarmMoved(int position)
{
    const auto settled = limits::afterAlarmMoved({.warn = dischargeWarn_->value(), .alarm = position});
    dischargeAlarmLabel_->setText(QString::number(limits::dischargePercent(settled.alarm)) + "%");
    dischargeWarn_->setValue(settled.warn);
}

void PowerPage::highNotifyMoved(int position)
{
    const auto settled = limits::afterHighNotifyMoved({.low = lowNotify_->value(), .high = position});
    highNotify_->setValue(settled.high);
    lowNotify_->setValue(settled.low);
    highNotifyLabel_->setText(degreesText(highNotify_->value()));
}

void PowerPage::lowNotifyMoved(int position)
{
    const auto settled = limits::afterLowNotifyMoved({.low = position, .high = highNotify_->value()});
    lowNotify_->setValue(settled.low);
    highNotify_->setValue(settled.high);
    lowNotifyLabel_->setText(degreesText(lowNotify_->value()));
}

void PowerPage::highLevelChosen(int index)
{
    lowLevel_->setCurrentIndex(limits::lowIndexAfterHighChanged(index, lowLevel_->currentIndex()));
}

void PowerPage::lowLevelChosen(int index)
{
    highLevel_->setCurrentIndex(limits::highIndexAfterLowChanged(index, highLevel_->currentIndex()));
}

void PowerPage::showPower(int battery, int mains)
{
    const BatteryView view = batteryView(uint8_t(battery));
    batteryPercent_->setText(view.percent);
    batteryBar_->setValue(view.bar);
    batteryMessage_->setText(view.message);
    const MainsView supply = mainsView(uint8_t(mains));
    mainsLabel_->setText(supply.volts);
    mainsBar_->setValue(supply.bar);
}

void PowerPage::showTemperature(int celsius, bool present)
{
    const TemperatureView view = temperatureView(int8_t(celsius), present);
    temperatureCaption_->setText(view.caption);
    temperatureBar_->setVisible(view.barVisible);
    temperatureBar_->setValue(view.bar);
    temperatureValue_->setText(view.value);
}

} // namespace vrm
