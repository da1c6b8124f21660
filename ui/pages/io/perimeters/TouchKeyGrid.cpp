#include "ui/pages/io/perimeters/TouchKeyGrid.h"

#include "model/UiText.h"
#include "ui/pages/kit/Widgets.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

namespace vrm {

namespace {

// Design widths, scaled for the font (kit::designWidth).
constexpr int kNumberWidth = 20;
constexpr int kBoxWidth = 20;
constexpr int kProfileWidth = 35;

// Cell editors: the code takes up to 16 hexadecimal digits (shown in upper
// case), the name up to 16 letters or digits (Latin or Cyrillic, which the
// image's code page holds), the profile one digit.
class KeyCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        auto* edit = qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        if (!edit)
            return nullptr;
        QString pattern;
        switch (index.column()) {
        case TouchKeyGrid::Code: pattern = QStringLiteral("[0-9A-Fa-f]{0,16}"); break;
        case TouchKeyGrid::Name: pattern = QStringLiteral("[0-9A-Za-zА-Яа-яЁё]{0,16}"); break;
        case TouchKeyGrid::Profile: pattern = QStringLiteral("[0-9-]?"); break;
        default: break;
        }
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
        edit->setObjectName(QStringLiteral("KeyCellEditor"));
        return edit;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* edit = static_cast<QLineEdit*>(editor);
        QString text = index.data(Qt::EditRole).toString();
        if (index.column() == TouchKeyGrid::Code)
            text = text.trimmed();
        edit->setText(text);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        QString text = static_cast<QLineEdit*>(editor)->text();
        if (index.column() == TouchKeyGrid::Code)
            text = text.toUpper();
        model->setData(index, text, Qt::EditRole);
    }
};

QTableWidgetItem* fixedItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    return item;
}

QTableWidgetItem* editableItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled);
    return item;
}

QTableWidgetItem* boxItem(bool checked)
{
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsDragEnabled);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

} // namespace

TouchKeyGrid::TouchKeyGrid(QWidget* parent) : QTableWidget(kTouchKeyCount, ColumnCount, parent)
{
    setObjectName(QStringLiteral("StringGridPerimTouch"));
    // " О" and " Н": the key may arm (ОХРАНА) and disarm (НАБЛЮДЕНИЕ).
    setHorizontalHeaderLabels({Ui::tr("№"), Ui::tr("Код ключа TOUCH"), Ui::tr("Имя пользователя"), Ui::tr(" О"),
                               Ui::tr(" Н"), Ui::tr("Проф.")});
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    // The style's least section width would widen the narrow drawn columns.
    horizontalHeader()->setMinimumSectionSize(1);
    setItemDelegate(new KeyCellDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDropIndicatorShown(true);
    setDragDropOverwriteMode(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setRows(QList<TouchKeyRow>(kTouchKeyCount, emptyTouchKeyRow()));
    fitColumns();
}

QList<TouchKeyRow> TouchKeyGrid::rows() const
{
    QList<TouchKeyRow> keys;
    for (int r = 0; r < rowCount(); ++r) {
        keys << TouchKeyRow{item(r, Code)->text(), item(r, Name)->text(), item(r, Arm)->checkState() == Qt::Checked,
                            item(r, Disarm)->checkState() == Qt::Checked, item(r, Profile)->text()};
    }
    return keys;
}

void TouchKeyGrid::setRows(const QList<TouchKeyRow>& keys)
{
    for (int r = 0; r < rowCount() && r < keys.size(); ++r)
        setRow(r, keys[r]);
    renumber();
}

void TouchKeyGrid::setRow(int row, const TouchKeyRow& key)
{
    setItem(row, Code, editableItem(key.code));
    item(row, Code)->setFont(QFont(QStringLiteral("monospace")));
    setItem(row, Name, editableItem(key.name));
    setItem(row, Arm, boxItem(key.arm));
    setItem(row, Disarm, boxItem(key.disarm));
    setItem(row, Profile, editableItem(key.profile));
    item(row, Profile)->setTextAlignment(Qt::AlignCenter);
}

void TouchKeyGrid::renumber()
{
    for (int r = 0; r < rowCount(); ++r) {
        setItem(r, Number, fixedItem(QString::number(r + 1)));
        item(r, Number)->setTextAlignment(Qt::AlignCenter);
    }
}

KeyArrivalResult TouchKeyGrid::presentKey(const QString& code)
{
    QList<TouchKeyRow> keys = rows();
    const KeyArrivalResult result = receiveKey(keys, code);
    if (result.outcome == KeyArrival::Added) {
        setRow(result.row, keys[result.row]);
    }
    if (result.row >= 0) {
        selectRow(result.row);
        scrollToItem(item(result.row, Code));
    }
    return result;
}

void TouchKeyGrid::moveKeyRow(int from, int to)
{
    QList<TouchKeyRow> keys = rows();
    vrm::moveKeyRow(keys, from, to);
    setRows(keys);
    if (to >= 0 && to < rowCount())
        selectRow(to);
}

void TouchKeyGrid::dropEvent(QDropEvent* event)
{
    // The row is moved here as a whole; the view's own drop would copy cells over others.
    if (event->source() && event->source() != this) {
        event->ignore();
        return;
    }
    const int from = currentRow();
    int to = indexAt(event->position().toPoint()).row();
    if (to < 0)
        to = rowCount() - 1;
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (from >= 0)
        moveKeyRow(from, to);
}

void TouchKeyGrid::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    fitColumns();
}

void TouchKeyGrid::fitColumns()
{
    const int number = kit::designWidth(this, kNumberWidth);
    const int box = kit::designWidth(this, kBoxWidth);
    const int profile = kit::designWidth(this, kProfileWidth);
    setColumnWidth(Number, number);
    setColumnWidth(Arm, box);
    setColumnWidth(Disarm, box);
    setColumnWidth(Profile, profile);
    // Code and name share the rest; the viewport already leaves out the
    // scroll bar that the 12 pixels of the original drawing made room for.
    const int rest = viewport()->width() - number - 2 * box - profile;
    setColumnWidth(Code, qMax(rest / 2, 60));
    setColumnWidth(Name, qMax(rest - rest / 2, 60));
}

} // namespace vrm
