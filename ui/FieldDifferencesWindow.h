#pragma once
// The list of fields in which two configurations differ: page, field, the
// value here and the value there. A double click selects the field's page in
// the main window. One window serves every comparison and shows the latest.

#include <QDialog>
#include <QList>
#include <functional>

#include "model/FieldCompare.h"

class QLabel;
class QTreeWidget;

namespace vrm {

class FieldDifferencesWindow : public QDialog {
    Q_OBJECT
public:
    // `goToPage` is called with the page of a double-clicked field.
    FieldDifferencesWindow(std::function<void(int)> goToPage, QWidget* parent = nullptr);

    // `otherSide` names where the second values come from ("В контроллере").
    void showDifferences(const QString& title, const QString& otherSide, const QList<FieldDifference>& differences);

    QTreeWidget* list() const { return list_; }

private:
    std::function<void(int)> goToPage_;
    QLabel* summary_ = nullptr;
    QTreeWidget* list_ = nullptr;
};

} // namespace vrm
