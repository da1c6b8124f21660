#pragma once
// File menu "Резервные копии…": the configurations kept automatically when
// one was read from or programmed into a controller, newest first, with the
// controller's IMEI, the date and time and the kind; "Открыть" loads the
// chosen one into the tool as "Открыть файл конфигурации..." would, and
// "Сравнить с текущей" lists the fields in which it differs from the
// configuration in the tool.

#include <QDialog>
#include <functional>

class QAction;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace vrm {

class OperationHost;

class BackupsDialog : public QDialog {
    Q_OBJECT
public:
    // Lists a backup's differences from the tool's configuration.
    using CompareWithFile = std::function<void(const QString& path)>;
    // Opens a backup as the window opens any configuration file (title,
    // recent files, refusal during an operation); true when it loaded.
    using OpenFile = std::function<bool(const QString& path)>;

    BackupsDialog(OperationHost& host, QWidget* parent = nullptr, CompareWithFile compare = {}, OpenFile open = {});

    QTreeWidget* list() const { return list_; }
    // Loads the selected backup into the image and shows it; false (with a
    // message box) when it does not load.
    bool openSelected();
    // Compares the selected backup with the tool's configuration.
    void compareSelected();

private:
    void fill();

    OperationHost& host_;
    QTreeWidget* list_ = nullptr;
    QLabel* empty_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* compare_ = nullptr;
    CompareWithFile compareWithFile_;
    OpenFile openFile_;
};

// The File menu's action, object name "BackupsList": enabled while "Открыть
// файл конфигурации..." (`fileOpen`) is, opens the dialog over `window`.
QAction* createBackupsAction(OperationHost& host, QWidget* window, QAction* fileOpen,
                             BackupsDialog::CompareWithFile compare = {}, BackupsDialog::OpenFile open = {});

} // namespace vrm
