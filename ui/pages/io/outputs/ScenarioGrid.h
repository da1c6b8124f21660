#pragma once
// The scenario grid of page 37: one row per scenario (the fixed column on the
// left names it), the cycle mark, the repeat count, the first step's level and
// sixteen step durations. The header row above the durations shows the
// current row's signal shape.
//
// Columns are numbered as the page's grid: 0 is the fixed name column, 1 the
// cycle mark, 2 the count, 3 the first level, 4-19 the durations; rows 1-14
// are scenarios 1-14 (row 0 is the header).

#include <QTableWidget>

class QLabel;

#include "model/ScenarioSteps.h"
#include "model/UiText.h"

namespace vrm {

class ScenarioGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kScenarios = 14;
    static constexpr int kColumns = 20;
    static constexpr int kCycleColumn = 1, kCountColumn = 2, kLevelColumn = 3, kFirstDuration = 4;
    static constexpr int kNameWidth = 110;
    static constexpr int kHeaderHeight = 28;

    struct Words {
        QString signalForm = Ui::tr("Форма сигнала");
        QString scenarioNumber = Ui::tr("Сценарий №");
        QString cycle = Ui::tr("ЦИКЛ");
        QString high = Ui::tr("ВЫС");
        QString low = Ui::tr("НИЗ");
    };

    explicit ScenarioGrid(QWidget* parent = nullptr);

    // The grid's own words (the language file may replace them).
    void setWords(const Words& words);
    const Words& words() const { return words_; }

    // Scenario `s` (1-14) shown from, and read back into, the step coding.
    void setScenario(int s, const scenario::Row& row);
    scenario::Row scenario(int s) const;

    // Cell text by grid coordinates (row 1-14, column 0-19).
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    // The editing rule of a cell: columns 1 and 3 never, 2 only while the row repeats.
    bool cellEditable(int row, int column) const;
    // Current cell in grid coordinates.
    int currentGridRow() const { return currentRow() + 1; }
    int currentGridColumn() const { return currentColumn() + 1; }
    void setCurrentGridCell(int row, int column) { setCurrentCell(row - 1, column - 1); }
    // Leftmost scrolled column in view (grid numbering).
    int firstVisibleColumn() const;

    // Double-click's toggles, also reached with Space: the cycle mark (with its
    // count) and the first level.
    void toggleCell(int row, int column);

    // The header row that shows the preview.
    QHeaderView* previewHeader() const { return horizontalHeader(); }

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void cellEdited(QTableWidgetItem* item);
    void followScroll();
    void placeCornerLabel();
    void refreshPreview();

    Words words_;
    QLabel* corner_ = nullptr;
    bool filling_ = false;
    // An edit in a row that does not repeat turns editing off until another
    // cell is chosen: the cell just typed into takes no second edit at once.
    bool editingOff_ = false;
};

} // namespace vrm
