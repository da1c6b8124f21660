#include "ui/pages/io/clock/ClockPage.h"

#include "model/UiText.h"

#include "session/ControllerAccess.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "model/ConfigImage.h"
#include "model/SchedulerTask.h"
#include "model/TimeZoneNames.h"
#include "ui/TextTable.h"
#include "ui/pages/PageHost.h"

namespace vrm {

using namespace kit;
namespace clock = layout::clock;
namespace task = layout::task;
using At = RecordAt<clock::Record>;

namespace {

// Qt notation of "!99/99/99 99:99:99": optional digits, blank placeholder.
const QString kClockMask = QStringLiteral("00.00.00 00:00:00; ");
constexpr int kInputsShown = 8;

// `pattern` with %1 replaced by first ... last.
QStringList numberedTexts(const QString& pattern, int first, int last)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << pattern.arg(n);
    return items;
}

QStringList taskActionItems(const QStringList& controlActions)
{
    return controlActions.mid(0, 10) + numberedTexts(Ui::tr("Применить профиль %1"), 1, 8);
}

QStringList perimeterSelections()
{
    return numberedTexts(Ui::tr("Периметр %1"), 1, 4)
           + QStringList{Ui::tr("Периметр 1 и 2"), Ui::tr("Периметр 3 и 4"), Ui::tr("Все периметры")};
}

} // namespace

ClockPage::ClockPage(PageHost& host, QObject* parent)
    : RecordPages(host, layout::clockBlock, QStringLiteral("Panel2"), QStringLiteral("LabelClockTitle"), true, parent)
{
    build();
    connect(&host.controller(), &ControllerAccess::pcClockPolled, this, &ClockPage::pcClockPolled);
    connect(&host.controller(), &ControllerAccess::controllerClockPolled, this, &ClockPage::controllerClockPolled);
}

void ClockPage::build()
{
    title()->setText(Ui::tr("Часы и тестовые сообщения"));
    auto* top = new QHBoxLayout;
    top->addWidget(buildClockGroup(), 3);
    top->addWidget(buildInfoGroup(), 2);
    buildScheduler();

    auto& f = fields();
    // Stored after the tasks: the information masks, the time zone, daylight saving.
    f.maskBoxes(clock::infoInputs, infoInputs_);
    f.maskBoxes(clock::infoOutputs, infoOutputs_);
    f.bind(clock::timeZone, timeZone_);

    auto* clockGroup = static_cast<QGroupBox*>(top->itemAt(0)->widget());
    QCheckBox* dst = f.check(clock::daylightSaving, QStringLiteral("CheckBoxDSTEnable"),
                             Ui::tr("Автоматический переход на летнее время и обратно"));
    static_cast<QGridLayout*>(clockGroup->layout())->addWidget(dst, 1, 0, 1, 3);

    body()->addLayout(top);
    body()->addWidget(makeLabel(Ui::tr("Планировщик задач"), QStringLiteral("LabelScheduler")));
    body()->addWidget(scheduler_);
    body()->addStretch(1);
}

QWidget* ClockPage::buildClockGroup()
{
    QGroupBox* group = makeGroup(QStringLiteral("GroupBoxClock"), Ui::tr(" Текущее время и дата "));
    auto* grid = new QGridLayout(group);
    timeZone_ = makeComboBox(QStringLiteral("ComboBoxTimeZone"), fields().items(clock::timeZone.info));
    // The longest zone names need not widen the page: the list shows them in full.
    timeZone_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    timeZone_->setMinimumContentsLength(24);
    timeZone_->setMinimumWidth(200);
    controllerTime_ = makeEdit(QStringLiteral("MaskEditContrCurTime"), 17, kClockMask);
    computerTime_ = makeEdit(QStringLiteral("MaskEditPCCurTime"), 17, kClockMask);
    computerTime_->setReadOnly(true);
    setButton_ = new QPushButton(Ui::tr("Установить"));
    setButton_->setObjectName(QStringLiteral("Button2"));
    syncButton_ = new QPushButton(Ui::tr("Синхро."));
    syncButton_->setObjectName(QStringLiteral("Button3"));
    grid->addWidget(makeLabel(Ui::tr("Часовой пояс")), 0, 0);
    grid->addWidget(timeZone_, 0, 1, 1, 2);
    grid->addWidget(makeLabel(Ui::tr("Время контроллера")), 2, 0);
    grid->addWidget(controllerTime_, 2, 1);
    grid->addWidget(setButton_, 2, 2);
    grid->addWidget(makeLabel(Ui::tr("Время компьютера")), 3, 0);
    grid->addWidget(computerTime_, 3, 1);
    grid->addWidget(syncButton_, 3, 2);
    grid->setColumnStretch(1, 1);

    clockSetting_ = new ClockSetting(controllerTime_, computerTime_, clockActions(), this);
    // "Установить" acts on the press, after the time field has been left.
    connect(setButton_, &QPushButton::pressed, clockSetting_, &ClockSetting::setTypedTime);
    connect(syncButton_, &QPushButton::clicked, clockSetting_, &ClockSetting::synchronise);
    return group;
}

ClockSetting::Actions ClockPage::clockActions()
{
    ClockSetting::Actions actions;
    ControllerAccess& controller = host().controller();
    actions.sendClock = [&controller](const QByteArray& payload) { controller.sendClock(payload); };
    actions.editingControllerTime = [&controller](bool editing) { controller.setEditingControllerTime(editing); };
    actions.warn = [this](const QString& text) {
        QMessageBox::warning(controllerTime_->window(), Ui::tr("Установка времени и даты"), text);
    };
    return actions;
}

QWidget* ClockPage::buildInfoGroup()
{
    QGroupBox* group = makeGroup(QStringLiteral("GroupBoxInfoMessage"), Ui::tr(" Состав информационного сообщения "));
    auto* grid = new QGridLayout(group);
    for (std::size_t n = 0; n < infoInputs_.size(); ++n) {
        infoInputs_[n] = makeCheckBox(QStringLiteral("CheckBoxInfoIn%1").arg(n + 1), Ui::tr("Вх. %1").arg(n + 1));
        grid->addWidget(infoInputs_[n], int(n % kInputsShown) / 4, int(n % 4) + (n >= kInputsShown ? 8 : 0));
        infoInputs_[n]->setVisible(n < 4); // once inside the group: a box without a parent would show as a window
    }
    const QStringList outputs = numberedTexts(Ui::tr("Р%1"), 1, 2) + numberedTexts(Ui::tr("Вых.%1"), 1, 5);
    for (std::size_t k = 0; k < infoOutputs_.size(); ++k) {
        infoOutputs_[k] = makeCheckBox(QStringLiteral("CheckBoxInfoR%1").arg(k + 1), outputs[qsizetype(k)]);
        grid->addWidget(infoOutputs_[k], 2 + int(k) / 4, int(k % 4));
        infoOutputs_[k]->setVisible(k < 2);
    }
    return group;
}

void ClockPage::buildScheduler()
{
    scheduler_ = new SchedulerGrid({taskActionItems(host().textList(texts::controlActions)), perimeterSelections(),
                                    host().textList(texts::actions)});
    fields().add(
        [this](ConfigImage& image, At at) {
            const QList<SchedulerRow> rows = scheduler_->rows();
            for (std::size_t i = 0; i < SchedulerGrid::kTaskCount; ++i) {
                const RecordAt<task::Record> t = clock::tasks(at, i);
                const SchedulerRow& row = rows[qsizetype(i)];
                image.bytes(t, task::enabled)[0] = row.enabled ? 1 : 0; // bits 1-7 are written as 0
                const TaskTime time = taskTimeFromText(row.time);
                image.set(t, task::hour, time.hour);
                image.set(t, task::minute, time.minute);
                image.set(t, task::weekdays, row.weekdays);
                image.set(t, task::test, row.test ? 1 : 0);
                image.set(t, task::info, row.info ? 1 : 0);
                const TaskActionBytes action = encodeTaskAction(row.action);
                image.set(t, task::kind, uint32_t(action.kind));
                if (action.kind == TaskKind::OutputControl) {
                    uint8_t& target = image.bytes(t, task::parameter)[0];
                    target = uint8_t((target & 0xF0) | (action.target & 0x0F));
                    image.set(t, task::action, *action.outputAction);
                } else {
                    image.set(t, task::parameter, action.target);
                }
            }
        },
        [this](const ConfigImage& image, At at) {
            QList<SchedulerRow> rows;
            for (std::size_t i = 0; i < SchedulerGrid::kTaskCount; ++i) {
                const RecordAt<task::Record> t = clock::tasks(at, i);
                SchedulerRow row;
                row.enabled = image.get(t, task::enabled);
                row.time = taskTimeText({uint8_t(image.get(t, task::hour)), uint8_t(image.get(t, task::minute))});
                row.weekdays = uint8_t(image.get(t, task::weekdays));
                row.test = image.get(t, task::test);
                row.info = image.get(t, task::info);
                row.action = decodeTaskAction(image.bytes(t, task::test)[0], uint8_t(image.get(t, task::parameter)),
                                              uint8_t(image.get(t, task::action)));
                rows << row;
            }
            scheduler_->setRows(rows);
        });
}

void ClockPage::enter(int)
{
    for (std::size_t n = 0; n < kInputsShown; ++n)
        infoInputs_[n]->show();
    for (QCheckBox* box : infoOutputs_)
        box->show();
}

void ClockPage::pcClockPolled(const QString& text)
{
    clockSetting_->showComputerClock(text);
}

void ClockPage::controllerClockPolled(const QString& text)
{
    clockSetting_->showControllerClock(text);
}

} // namespace vrm
