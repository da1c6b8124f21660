#pragma once
// What the main window offers to the device operations and the live status
// poller: the image, the shown page, the controller actions and the status bar.

#include <QString>
#include <QStringList>

#include "link/SerialLink.h"

class QLabel;
class QProgressBar;

namespace vrm {

class ConfigImage;

class OperationHost {
public:
    virtual ~OperationHost() = default;

    virtual ConfigImage& image() = 0;
    virtual int shownPage() const = 0;
    // Selects a tree node as the user would: the page left is stored, the page entered shown.
    virtual void selectPage(int index) = 0;
    virtual void storeShownPage() = 0;
    virtual void showShownPage() = 0;

    // Enable state of Programm, ReadConf, CompareConf, FactoryConfig, Reset,
    // Reconfigurate, FileOpen1, FileSave1, FileNew1 and ComPortConfig.
    virtual void setControllerActionsEnabled(bool enabled) = 0;

    // Status bar panels 0-3.
    virtual void setStatusPanel(int panel, const QString& text) = 0;
    virtual QString statusPanel(int panel) const = 0;

    virtual QString portName() const = 0;
    // Makes a closed link to the current port; each transaction opens its own.
    virtual LinkFactory linkFactory() const = 0;
    // The 20 transaction texts and the 12 GSM state texts, as the language file left them.
    virtual QStringList transactionMessages() const = 0;
    virtual QStringList gsmStates() const = 0;

    // The label `ActionName` and progress bar of the operation frame.
    virtual QLabel* actionLabel() = 0;
    virtual QProgressBar* actionProgress() = 0;
};

} // namespace vrm
