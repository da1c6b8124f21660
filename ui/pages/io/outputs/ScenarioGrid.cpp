#include "ui/pages/io/outputs/ScenarioGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "ui/pages/io/outputs/ScenarioPreview.h"

namespace vrm {

namespace {

constexpr int kCycleWidth = 46;
constexpr int kCountWidth = 46;
constexpr int kLevelWidth = 40;
constexpr int kDurationWidth = 48;

// Table columns are the grid's columns less the fixed name column.
int tableColumn(int gridColumn) { return gridColumn - 1; }

// Step durations take up to five digits.
class DurationDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        auto* editor = qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        if (editor) {
            editor->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,5}")), editor));
            editor->setMaxLength(5);
        }
        return editor;
    }
};

// The header row: empty sections, and the current scenario's signal shape over them.
class PreviewHeader : public QHeaderView {
public:
    explicit PreviewHeader(ScenarioGrid* grid) : QHeaderView(Qt::Horizontal, grid), grid_(grid) {}

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QHeaderView::paintEvent(event);
        const int row = grid_->currentGridRow();
        if (row < 1)
            return;
        scenario::PreviewGrid geometry;
        geometry.firstScrolledColumn = grid_->firstVisibleColumn();
        geometry.headerHeight = height();
        for (int c = 1; c < ScenarioGrid::kColumns; ++c) {
            // The cell's last pixel is its grid line; the trace adds it back.
            geometry.columnLeft[std::size_t(c)] = sectionViewportPosition(tableColumn(c));
            geometry.columnWidth[std::size_t(c)] = sectionSize(tableColumn(c)) - 1;
        }
        const scenario::Row cells = grid_->scenario(row);
        scenario::PreviewRow shape;
        shape.firstHigh = cells.firstLevel == scenario::FirstLevel::High;
        shape.repeats = cells.repeats;
        for (int k = 0; k < scenario::kSteps; ++k)
            shape.durations[std::size_t(k)] = scenario::cellValue(cells.durations[std::size_t(k)]);
        QPainter painter(viewport());
        scenario::paintPreview(painter, scenario::tracePreview(shape, geometry));
    }

private:
    ScenarioGrid* grid_;
};

} // namespace

ScenarioGrid::ScenarioGrid(QWidget* parent) : QTableWidget(kScenarios, kColumns - 1, parent)
{
    setObjectName(QStringLiteral("StringGrid2"));
    setHorizontalHeader(new PreviewHeader(this));
    horizontalHeader()->setFixedHeight(kHeaderHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setFixedWidth(kNameWidth);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(true);

    setColumnWidth(tableColumn(kCycleColumn), kCycleWidth);
    setColumnWidth(tableColumn(kCountColumn), kCountWidth);
    setColumnWidth(tableColumn(kLevelColumn), kLevelWidth);
    auto* durations = new DurationDelegate(this);
    for (int c = kFirstDuration; c < kColumns; ++c) {
        setColumnWidth(tableColumn(c), kDurationWidth);
        setItemDelegateForColumn(tableColumn(c), durations);
    }
    QStringList emptyHeaders;
    for (int c = 1; c < kColumns; ++c)
        emptyHeaders << QString();
    setHorizontalHeaderLabels(emptyHeaders);

    filling_ = true;
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            setItem(r, c, item);
        }
    filling_ = false;

    corner_ = new QLabel(this);
    corner_->setObjectName(QStringLiteral("LabelSignalForm"));
    corner_->setAlignment(Qt::AlignCenter);
    corner_->setAttribute(Qt::WA_TransparentForMouseEvents);
    setWords(words_);

    connect(this, &QTableWidget::itemChanged, this, &ScenarioGrid::cellEdited);
    connect(this, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int column) { toggleCell(row + 1, column + 1); });
    connect(this, &QTableWidget::currentCellChanged, this, [this] {
        editingOff_ = false;
        refreshPreview();
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &ScenarioGrid::followScroll);
    setCurrentGridCell(1, kCycleColumn);
}

void ScenarioGrid::setWords(const Words& words)
{
    words_ = words;
    corner_->setText(words_.signalForm);
    QStringList names;
    for (int s = 1; s <= kScenarios; ++s)
        names << words_.scenarioNumber + " " + QString::number(s);
    setVerticalHeaderLabels(names);
}

void ScenarioGrid::setScenario(int s, const scenario::Row& row)
{
    setCell(s, kCycleColumn, row.repeats ? words_.cycle : QString());
    setCell(s, kCountColumn, row.repeats ? row.count : QString());
    setCell(s, kLevelColumn,
            row.firstLevel == scenario::FirstLevel::High  ? words_.high
            : row.firstLevel == scenario::FirstLevel::Low ? words_.low
                                                          : QString());
    for (int k = 0; k < scenario::kSteps; ++k)
        setCell(s, kFirstDuration + k, row.durations[std::size_t(k)]);
    refreshPreview();
}

scenario::Row ScenarioGrid::scenario(int s) const
{
    scenario::Row row;
    row.repeats = cell(s, kCycleColumn) == words_.cycle;
    row.count = cell(s, kCountColumn);
    const QString level = cell(s, kLevelColumn);
    row.firstLevel = level == words_.high  ? scenario::FirstLevel::High
                     : level == words_.low ? scenario::FirstLevel::Low
                                           : scenario::FirstLevel::None;
    for (int k = 0; k < scenario::kSteps; ++k)
        row.durations[std::size_t(k)] = cell(s, kFirstDuration + k);
    return row;
}

QString ScenarioGrid::cell(int row, int column) const
{
    if (column == 0)
        return words_.scenarioNumber + " " + QString::number(row);
    const QTableWidgetItem* it = item(row - 1, tableColumn(column));
    return it ? it->text() : QString();
}

void ScenarioGrid::setCell(int row, int column, const QString& text)
{
    QTableWidgetItem* it = item(row - 1, tableColumn(column));
    if (!it || it->text() == text)
        return;
    const bool wasFilling = filling_;
    filling_ = true;
    it->setText(text);
    filling_ = wasFilling;
}

bool ScenarioGrid::cellEditable(int row, int column) const
{
    if (column == kCycleColumn || column == kLevelColumn)
        return false;
    if (column == kCountColumn)
        return cell(row, kCycleColumn) == words_.cycle;
    return column > 0;
}

int ScenarioGrid::firstVisibleColumn() const
{
    const int column = columnAt(0);
    return column < 0 ? 1 : column + 1;
}

void ScenarioGrid::toggleCell(int row, int column)
{
    if (column == kCycleColumn) {
        const bool repeats = cell(row, kCycleColumn) == words_.cycle;
        setCell(row, kCycleColumn, repeats ? QString() : words_.cycle);
        setCell(row, kCountColumn, repeats ? QString() : QStringLiteral("0"));
    } else if (column == kLevelColumn) {
        setCell(row, kLevelColumn, cell(row, kLevelColumn) == words_.high ? words_.low : words_.high);
    } else {
        return;
    }
    refreshPreview();
}

bool ScenarioGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (index.isValid() && trigger != QAbstractItemView::NoEditTriggers
        && (editingOff_ || !cellEditable(index.row() + 1, index.column() + 1)))
        return false;
    return QTableWidget::edit(index, trigger, event);
}

void ScenarioGrid::keyPressEvent(QKeyEvent* event)
{
    const int column = currentGridColumn();
    if (event->key() == Qt::Key_Space && (column == kCycleColumn || column == kLevelColumn)
        && state() != QAbstractItemView::EditingState) {
        toggleCell(currentGridRow(), column);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void ScenarioGrid::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    placeCornerLabel();
}

void ScenarioGrid::cellEdited(QTableWidgetItem* item)
{
    if (filling_)
        return;
    const int row = item->row() + 1;
    // Only a repeating row keeps a count.
    if (cell(row, kCountColumn) != QStringLiteral("1") && cell(row, kCycleColumn) != words_.cycle) {
        setCell(row, kCycleColumn, QString());
        setCell(row, kCountColumn, QString());
        editingOff_ = true;
    }
    refreshPreview();
}

void ScenarioGrid::followScroll()
{
    // A current cell scrolled out of view moves to the first column in view.
    const QModelIndex current = currentIndex();
    if (current.isValid() && !viewport()->rect().intersects(visualRect(current)))
        setCurrentCell(current.row(), columnAt(0));
    refreshPreview();
}

void ScenarioGrid::placeCornerLabel()
{
    corner_->setGeometry(frameWidth(), frameWidth(), verticalHeader()->width(), horizontalHeader()->height());
    corner_->raise();
}

void ScenarioGrid::refreshPreview() { horizontalHeader()->viewport()->update(); }

} // namespace vrm
