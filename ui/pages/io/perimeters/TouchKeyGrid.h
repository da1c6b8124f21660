#pragma once
// The touch-memory key grid shared by the perimeter pages
// (`StringGridPerimTouch`): row number, key code, user name, the " О" and " Н"
// boxes of the shown perimeter and the profile. Rows move by dragging; the
// row numbers then follow the new order.

#include <QList>
#include <QTableWidget>

#include "model/TouchKeyTable.h"

namespace vrm {

class TouchKeyGrid : public QTableWidget {
    Q_OBJECT
public:
    enum Column { Number = 0, Code, Name, Arm, Disarm, Profile, ColumnCount };

    explicit TouchKeyGrid(QWidget* parent = nullptr);

    QList<TouchKeyRow> rows() const;
    void setRows(const QList<TouchKeyRow>& rows);

    // A key presented to the controller's reader (16 hexadecimal digits).
    KeyArrivalResult presentKey(const QString& code);

    // Moves row `from` to place `to` (0-based) and renumbers the rows.
    void moveKeyRow(int from, int to);

protected:
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setRow(int row, const TouchKeyRow& key);
    void renumber();
    void fitColumns();
};

} // namespace vrm
