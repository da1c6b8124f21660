#include "ui/pages/io/clock/SchedulerGrid.h"

#include "model/UiText.h"
#include "ui/pages/kit/Widgets.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace vrm {

namespace {

// The time cell: two digits, a colon, two digits.
class TimeCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* edit = new QLineEdit(parent);
        edit->setObjectName(QStringLiteral("TaskTimeEditor"));
        edit->setInputMask(QStringLiteral("00:00;_"));
        return edit;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QLineEdit*>(editor)->setText(index.data(Qt::EditRole).toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        QString text = static_cast<QLineEdit*>(editor)->displayText();
        text.replace(QLatin1Char('_'), QLatin1Char(' '));
        model->setData(index, text, Qt::EditRole);
    }
};

QTableWidgetItem* readOnlyItem(const QString& text = {})
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

// Column headings, translated where the grid is built.
const char* const kHeaders[] = {"",
                                "",
                                QT_TRANSLATE_NOOP("Ui", "Время"),
                                QT_TRANSLATE_NOOP("Ui", "Пн"),
                                QT_TRANSLATE_NOOP("Ui", "Вт"),
                                QT_TRANSLATE_NOOP("Ui", "Ср"),
                                QT_TRANSLATE_NOOP("Ui", "Чт"),
                                QT_TRANSLATE_NOOP("Ui", "Пт"),
                                QT_TRANSLATE_NOOP("Ui", "Сб"),
                                QT_TRANSLATE_NOOP("Ui", "Вс"),
                                QT_TRANSLATE_NOOP("Ui", "Тест"),
                                QT_TRANSLATE_NOOP("Ui", "Инфо"),
                                QT_TRANSLATE_NOOP("Ui", "Действие"),
                                QT_TRANSLATE_NOOP("Ui", "Доп. параметр")};

// The headings stand left in their columns; the blanks before the last two
// bring them towards the middle of their wide columns.
QStringList headerLabels()
{
    QStringList labels;
    for (const char* heading : kHeaders)
        labels << (*heading ? Ui::tr(heading) : QString());
    labels[SchedulerGrid::Action].prepend(QString(16, u' '));
    labels[SchedulerGrid::Parameter].prepend(QString(2, u' '));
    return labels;
}

} // namespace

SchedulerGrid::SchedulerGrid(Lists lists, QWidget* parent)
    : QTableWidget(kTaskCount, ColumnCount, parent), lists_(std::move(lists))
{
    setObjectName(QStringLiteral("StringGrid3"));
    setHorizontalHeaderLabels(headerLabels());
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    // The style's least section width would widen the narrow drawn columns.
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setItemDelegateForColumn(Time, new TimeCellDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // Design widths, scaled for the font.
    const auto drawnWidth = [this](int column, int pixels) { setColumnWidth(column, kit::designWidth(this, pixels)); };
    drawnWidth(Number, 20);
    drawnWidth(Enabled, 20);
    drawnWidth(Time, 46);
    for (int c = Monday; c <= Sunday; ++c)
        drawnWidth(c, 20);
    drawnWidth(Test, 40);
    drawnWidth(Info, 40);
    drawnWidth(Action, 180);
    drawnWidth(Parameter, 120);

    for (int r = 0; r < kTaskCount; ++r) {
        setItem(r, Number, readOnlyItem(QStringLiteral(" %1").arg(r + 1)));
        auto* time = new QTableWidgetItem(QStringLiteral("00:00"));
        time->setFlags(Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsSelectable);
        time->setTextAlignment(Qt::AlignCenter);
        setItem(r, Time, time);
        for (int c : {int(Enabled), int(Monday), 4, 5, 6, 7, 8, int(Sunday), int(Test), int(Info)}) {
            auto* box = new QTableWidgetItem;
            box->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            box->setCheckState(Qt::Unchecked);
            setItem(r, c, box);
        }
        auto* action = new QComboBox;
        action->setObjectName(QStringLiteral("ComboBoxTaskAction%1").arg(r + 1));
        action->addItems(lists_.actions);
        action->setCurrentIndex(0);
        auto* parameter = new QComboBox;
        parameter->setObjectName(QStringLiteral("ComboBoxTaskParameter%1").arg(r + 1));
        setCellWidget(r, Action, action);
        // The view shows its cell widgets itself; a holder keeps the box's own hiding.
        auto* holder = new QWidget;
        auto* holderLayout = new QHBoxLayout(holder);
        holderLayout->setContentsMargins(0, 0, 0, 0);
        holderLayout->addWidget(parameter);
        setCellWidget(r, Parameter, holder);
        actionBoxes_ << action;
        parameterBoxes_ << parameter;
        connect(action, &QComboBox::activated, this, [this, r] { rebuildParameterList(r); });
        rebuildParameterList(r);
    }
    resizeRowsToContents();
    int height = horizontalHeader()->height() + 2 * frameWidth();
    for (int r = 0; r < kTaskCount; ++r)
        height += rowHeight(r);
    setFixedHeight(height);
    int width = 2 * frameWidth();
    for (int c = 0; c < ColumnCount; ++c)
        width += columnWidth(c);
    setFixedWidth(width);
}

QComboBox* SchedulerGrid::actionBox(int row) const
{
    return actionBoxes_.value(row);
}

QComboBox* SchedulerGrid::parameterBox(int row) const
{
    return parameterBoxes_.value(row);
}

void SchedulerGrid::rebuildParameterList(int row)
{
    QComboBox* box = parameterBoxes_[row];
    const int action = actionBoxes_[row]->currentIndex();
    const int count = taskParameterCount(action);
    if (count == 0) {
        box->hide();
    } else {
        kit::setItems(box, action <= 2 ? lists_.perimeters : lists_.outputActions);
        box->show();
    }
    box->setCurrentIndex(0);
}

bool SchedulerGrid::checked(int row, int column) const
{
    return item(row, column)->checkState() == Qt::Checked;
}

void SchedulerGrid::setChecked(int row, int column, bool on)
{
    item(row, column)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

QList<SchedulerRow> SchedulerGrid::rows() const
{
    QList<SchedulerRow> tasks;
    for (int r = 0; r < kTaskCount; ++r) {
        SchedulerRow task;
        task.enabled = checked(r, Enabled);
        task.time = item(r, Time)->text();
        for (int d = 0; d < 7; ++d)
            task.weekdays |= uint8_t(checked(r, Monday + d) << d);
        task.test = checked(r, Test);
        task.info = checked(r, Info);
        task.action.action = qMax(0, actionBoxes_[r]->currentIndex());
        task.action.parameter = taskParameterCount(task.action.action) > 0 ? qMax(0, parameterBoxes_[r]->currentIndex()) : 0;
        tasks << task;
    }
    return tasks;
}

void SchedulerGrid::setRows(const QList<SchedulerRow>& tasks)
{
    for (int r = 0; r < kTaskCount && r < tasks.size(); ++r) {
        const SchedulerRow& task = tasks[r];
        setChecked(r, Enabled, task.enabled);
        item(r, Time)->setText(task.time);
        for (int d = 0; d < 7; ++d)
            setChecked(r, Monday + d, (task.weekdays >> d) & 1);
        setChecked(r, Test, task.test);
        setChecked(r, Info, task.info);
        actionBoxes_[r]->setCurrentIndex(task.action.action);
        rebuildParameterList(r);
        if (taskParameterCount(task.action.action) > 0)
            parameterBoxes_[r]->setCurrentIndex(task.action.parameter);
    }
}

} // namespace vrm
