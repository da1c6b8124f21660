#include "ui/pages/io/inputs/InputPages.h"

#include "model/UiText.h"

#include "session/ControllerAccess.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/InputRange.h"
#include "model/InputThresholds.h"
#include "ui/TextTable.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/kit/UpDownEdit.h"
#include "ui/pages/io/inputs/InputItems.h"
#include "ui/pages/io/inputs/TFormCalibration.h"

namespace vrm {

using namespace kit;
namespace input = layout::input;

namespace {

constexpr int kFirstInputPage = 21;

} // namespace

InputPages::InputPages(PageHost& host, QObject* parent)
    : RecordPages(host, layout::inputs, QStringLiteral("Panel6"), QStringLiteral("LabelInputTitle"), true, parent)
{
    build();
    // The poller reads the shown input only; its reading reaches this page.
    connect(&host.controller(), &ControllerAccess::inputReadingPolled, this, &InputPages::showReading);
}

void InputPages::build()
{
    Bindings<input::Record>& f = fields();
    // Created and bound in the order of the store step.
    c_.type = f.combo(input::sensorType, QStringLiteral("ComboBoxSensType"));
    // Suggested names are texts for the image (sent in messages), offered in both languages: not translated.
    const QStringList nameSuggestions{QStringLiteral("КОМНАТА"), QStringLiteral("ГОСТИНАЯ"), QStringLiteral("ПРИХОЖАЯ"),
                                      QStringLiteral("ОКНО"),    QStringLiteral("ДВЕРЬ"),    QStringLiteral("DOOR"),
                                      QStringLiteral("WINDOW"),  QStringLiteral("HALL")};
    QComboBox* name = f.textChoice(input::name, QStringLiteral("ComboBoxSensName"), nameSuggestions, 16);
    QComboBox* activeName =
        f.textChoice(input::activeName, QStringLiteral("ComboBoxSensActSt"), inputs::stateNameSuggestions(), 16);
    QComboBox* passiveName =
        f.textChoice(input::passiveName, QStringLiteral("ComboBoxSensPassSt"), inputs::stateNameSuggestions(), 16);
    c_.activeLevel = f.combo(input::activeLevel, QStringLiteral("ComboBoxSensActLevel"));
    // High before low: showing a consistent pair in this order never moves the other bar.
    c_.high = f.trackBar(input::highThreshold, QStringLiteral("TrackBarHiBarrier"));
    c_.low = f.trackBar(input::lowThreshold, QStringLiteral("TrackBarLoBarrier"));
    QCheckBox* always = f.check(input::alwaysMonitored, QStringLiteral("CheckBox24HZone"),
                                Ui::tr("Всегда контролировать этот вход (24 часа в сутки)"));
    QComboBox* averaging = f.combo(input::averagingTime, QStringLiteral("ComboBoxAverageTime"));
    QComboBox* delay = f.combo(input::delayTime, QStringLiteral("ComboBoxDelayTime"));

    QSpinBox* recoveryTime = f.upDown(input::recoveryTime, QStringLiteral("UpDownRecoveryTime"), QStringLiteral("EditRecoveryTime"));

    QComboBox* relayControl = f.combo(input::relayControl, QStringLiteral("ComboBoxReleToAlarm"));
    QComboBox* triggers = f.combo(input::triggerCount, QStringLiteral("ComboBoxActiveTriggerNum"));
    QCheckBox* notArming = f.check(input::notArmingWhenActive, QStringLiteral("CheckBoxNotArmingAsActive"),
                                   Ui::tr("Не переходить в режим Охрана при активном состоянии входа"));
    QComboBox* window = f.combo(input::filterWindow, QStringLiteral("ComboBoxAlarmDelayTime"));
    supplySource_ = f.combo(input::supplySource, QStringLiteral("ComboBoxSensorPwrSource"));
    QComboBox* listen = f.combo(input::listenNumber, QStringLiteral("ComboBoxListenNum"));
    QCheckBox* gps = f.check(input::sendGps, QStringLiteral("CheckBoxActiveToGPS"), Ui::tr("Отправить GPS информацию"));
    QComboBox* alarmTries = f.combo(input::alarmTries, QStringLiteral("ComboBoxAlarmTry"));

    // Minimum and maximum: "," reads as "."; two equal values are spread by 1 each way.
    c_.min = makeTypedEdit(QStringLiteral("MaskEditMinVal"), kScaleTypedLength);
    c_.max = makeTypedEdit(QStringLiteral("MaskEditMaxVal"), kScaleTypedLength);
    f.add(
        [this](ConfigImage& image, RecordAt<input::Record> at) {
            const StoredRange range = storedRange(c_.min->text(), c_.max->text());
            image.setReal(at, input::minimum, range.min);
            image.setReal(at, input::maximum, range.max);
        },
        [this](const ConfigImage& image, RecordAt<input::Record> at) {
            showWholeText(c_.min, userValueText(image.real(at, input::minimum)));
            showWholeText(c_.max, userValueText(image.real(at, input::maximum)));
        });

    const std::array<QComboBox*, 7> onActive = f.actionRow(input::activationActions, QStringLiteral("ComboBoxActRele"));
    QComboBox* activeMode = f.combo(input::activationModeChange, QStringLiteral("ComboBoxActArmDisMode"));
    const std::array<QComboBox*, 7> onPassive = f.actionRow(input::deactivationActions, QStringLiteral("ComboBoxPassRele"));
    QComboBox* passiveMode = f.combo(input::deactivationModeChange, QStringLiteral("ComboBoxPassArmDisMode"));
    // The mode changes and the GPS flag are kept but not offered.
    for (QWidget* hidden : std::initializer_list<QWidget*>{activeMode, passiveMode, gps})
        hidden->setVisible(false);

    // The value display, refreshed after every show.
    c_.unit = new QPushButton;
    c_.unit->setObjectName(QStringLiteral("ButtonVoltPerc"));
    c_.current = new QProgressBar;
    c_.current->setObjectName(QStringLiteral("ProgressBarCurrentVal"));
    c_.current->setRange(0, kRawMax);
    c_.current->setValue(0);
    c_.current->setTextVisible(false);
    c_.lowLabel = makeLabel({}, QStringLiteral("LabelLoBarrier"));
    c_.highLabel = makeLabel({}, QStringLiteral("LabelHiBarrier"));
    c_.currentLabel = makeLabel({}, QStringLiteral("LabelCurrentVal"));
    for (QLabel* label : {c_.lowLabel, c_.highLabel, c_.currentLabel}) {
        label->setMinimumWidth(80);
        label->setAlignment(Qt::AlignCenter);
    }
    c_.analoguePanel = new QWidget;
    c_.analoguePanel->setObjectName(QStringLiteral("PanelAnalogue"));
    display_.emplace(c_);
    f.add({}, [this](const ConfigImage&, RecordAt<input::Record>) { display_->refresh(); });

    // --- Layout ---
    // Names on the left, type, supply and averaging on the right; captions wrap.
    auto* top = new QGridLayout;
    const auto addPair = [top](int row, int column, const QString& caption, QWidget* control) {
        // Captions that wrap on one side keep the other side's caption next to its control.
        top->addWidget(makeNote(caption), row, column, Qt::AlignBottom);
        top->addWidget(control, row + 1, column);
    };
    addPair(0, 0, Ui::tr("Название входа"), name);
    addPair(2, 0, Ui::tr("Название активного состояния входа"), activeName);
    addPair(4, 0, Ui::tr("Название пассивного состояния входа"), passiveName);
    addPair(0, 1, Ui::tr("Тип входа"), c_.type);
    addPair(2, 1, Ui::tr("Источник питания датчиков поключенных к этому входу"), supplySource_);
    addPair(4, 1, Ui::tr("Время усреднения входного сгнала"), averaging);
    top->setColumnStretch(0, 1);
    top->setColumnStretch(1, 1);
    top->setHorizontalSpacing(16);
    body()->addLayout(top);

    // Level, thresholds, live value and the user scale.
    QGroupBox* level = makeGroup(QStringLiteral("GroupBoxActiveLevel"), Ui::tr(" Активный входной уровень "));
    auto* levelGrid = new QGridLayout(level);
    levelGrid->addWidget(c_.activeLevel, 0, 0, 1, 4);
    levelGrid->addWidget(makeLabel(Ui::tr("Верхняя граница")), 1, 0);
    levelGrid->addWidget(c_.high, 1, 1, 1, 2);
    levelGrid->addWidget(c_.highLabel, 1, 3);
    levelGrid->addWidget(makeLabel(Ui::tr("Нижняя граница")), 2, 0);
    levelGrid->addWidget(c_.low, 2, 1, 1, 2);
    levelGrid->addWidget(c_.lowLabel, 2, 3);
    levelGrid->addWidget(makeLabel(Ui::tr("Текущее значение")), 3, 0);
    levelGrid->addWidget(c_.current, 3, 1);
    levelGrid->addWidget(c_.unit, 3, 2);
    levelGrid->addWidget(c_.currentLabel, 3, 3);
    auto* scale = new QHBoxLayout(c_.analoguePanel);
    scale->setContentsMargins(0, 0, 0, 0);
    scale->addWidget(makeLabel(Ui::tr("Минимальное значение")));
    scale->addWidget(c_.min);
    scale->addSpacing(16);
    scale->addWidget(makeLabel(Ui::tr("Максимальное значение")));
    scale->addWidget(c_.max);
    scale->addStretch(1);
    for (QLineEdit* edit : {c_.min, c_.max})
        edit->setMaximumWidth(100);
    levelGrid->addWidget(c_.analoguePanel, 4, 0, 1, 4);
    levelGrid->setColumnStretch(1, 1);
    body()->addWidget(level);

    QGroupBox* filter = makeGroup(QStringLiteral("GroupBoxAlarmFilter"), Ui::tr(" Фильтр ложных тревожных событий "));
    auto* filterGrid = new QGridLayout(filter);
    filterGrid->addWidget(makeLabel(Ui::tr("Формировать тревожное событие, когда зафиксированно")), 0, 0, 1, 5);
    filterGrid->addWidget(makeLabel(Ui::tr("минимум")), 1, 0);
    filterGrid->addWidget(triggers, 1, 1);
    filterGrid->addWidget(makeLabel(Ui::tr("активизации за время")), 1, 2);
    filterGrid->addWidget(window, 1, 3);
    filterGrid->setColumnStretch(4, 1);
    body()->addWidget(filter);

    auto* alarm = new QGridLayout;
    int row = 0;
    alarm->addWidget(always, row++, 0, 1, 2);
    alarm->addWidget(notArming, row++, 0, 1, 2);
    const auto addRow = [&](const QString& caption, QWidget* control) {
        alarm->addWidget(makeNote(caption), row, 0);
        alarm->addWidget(control, row++, 1);
        control->setMinimumWidth(320);
    };
    addRow(Ui::tr("Время восстановления опроса входа  после возникновения тревожного события, Мин"), recoveryTime);
    addRow(Ui::tr("Задержка формирования тревожного события и управления реле при активизации входа"), delay);
    addRow(Ui::tr("Все реле/выходы управляются"), relayControl);
    addRow(Ui::tr("В одной охранной сессии формировать тревожные события"), alarmTries);
    addRow(Ui::tr("Установить голосовое соединение для связи через внешнее переговорное устройство, по номеру "),
           listen);
    alarm->addWidget(gps, row++, 0, 1, 2);
    alarm->setColumnStretch(0, 1);
    alarm->setHorizontalSpacing(16);
    body()->addLayout(alarm);

    const QStringList outputs = host().textList(texts::outputNames);
    const auto actionGroup = [&](const QString& objectName, const QString& caption,
                                 const std::array<QComboBox*, 7>& boxes, QComboBox* mode) {
        QGroupBox* group = makeGroup(objectName, caption);
        auto* grid = new QGridLayout(group);
        for (int k = 0; k < 7; ++k) {
            grid->addWidget(makeLabel(outputs[k]), k, 0);
            grid->addWidget(boxes[std::size_t(k)], k, 1);
        }
        grid->addWidget(mode, 7, 0, 1, 2);
        grid->setColumnStretch(1, 1);
        return group;
    };
    auto* actionsRow = new QHBoxLayout;
    actionsRow->addWidget(
        actionGroup(QStringLiteral("GroupBoxActRele"), Ui::tr(" При переходе в акт. сост. "), onActive, activeMode));
    actionsRow->addWidget(actionGroup(QStringLiteral("GroupBoxPassRele"), Ui::tr(" При переходе в пасс. сост. "),
                                      onPassive, passiveMode));
    body()->addLayout(actionsRow);
    body()->addStretch(1);

    // --- Handlers ---
    connect(c_.high, &QSlider::valueChanged, this, [this] { thresholdMoved(true); });
    connect(c_.low, &QSlider::valueChanged, this, [this] { thresholdMoved(false); });
    connect(c_.type, &QComboBox::activated, this, &InputPages::typeChosen);
    connect(c_.unit, &QPushButton::clicked, this, &InputPages::unitPressed);
    connect(c_.min, &QLineEdit::textEdited, this, [this] { display_->refresh(); });
    connect(c_.max, &QLineEdit::textEdited, this, [this] { display_->refresh(); });
    connect(c_.activeLevel, &QComboBox::activated, this, [this] { display_->refresh(); });
}

void InputPages::enter(int)
{
    supplySource_->setEnabled(true);
}

void InputPages::thresholdMoved(bool high)
{
    const Thresholds before{c_.low->value(), c_.high->value()};
    const Thresholds after = high ? afterHighMoved(before) : afterLowMoved(before);
    if (after.low != before.low)
        c_.low->setValue(after.low);
    if (after.high != before.high)
        c_.high->setValue(after.high);
    display_->refresh();
}

void InputPages::typeChosen()
{
    if (c_.type->currentIndex() == int(input::kTypeTs42)) {
        showWholeText(c_.min, QStringLiteral("-50"));
        showWholeText(c_.max, QStringLiteral("150"));
    }
    display_->refresh();
}

void InputPages::unitPressed()
{
    switch (c_.type->currentIndex()) {
    case inputtype::disabled:
    case inputtype::discrete: display_->toggleUnit(); break;
    case inputtype::analogue:
    case inputtype::ts42: {
        TFormCalibration dialog(panel(0));
        if (dialog.exec() == QDialog::Accepted)
            display_->calibrate(dialog.wantedValue());
        break;
    }
    default: break;
    }
}

void InputPages::showReading(int input, int value, bool valid)
{
    if (host().shownPage() != kFirstInputPage + input - 1)
        return;
    display_->showReading(valid ? std::optional<int>(value) : std::nullopt);
}

} // namespace vrm
