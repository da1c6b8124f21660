#pragma once
// File menu "Резервные копии…": the configurations kept automatically when
// one was read from or programmed into a controller, newest first, with the
// controller's IMEI, the date and time and the kind; "Открыть" loads the
// chosen one into the tool as "Открыть файл конфигурации..." would.

#include <QDialog>

class QAction;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace vrm {

class OperationHost;

class BackupsDialog : public QDialog {
    Q_OBJECT
public:
    BackupsDialog(OperationHost& host, QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }
    // Loads the selected backup into the image and shows it; false (with a
    // message box) when it does not load.
    bool openSelected();

private:
    void fill();

    OperationHost& host_;
    QTreeWidget* list_ = nullptr;
    QLabel* empty_ = nullptr;
    QPushButton* open_ = nullptr;
};

// The File menu's action, object name "BackupsList": enabled while "Открыть
// файл конфигурации..." (`fileOpen`) is, opens the dialog over `window`.
QAction* createBackupsAction(OperationHost& host, QWidget* window, QAction* fileOpen);

} // namespace vrm
