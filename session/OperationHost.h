#pragma once
// What the main window offers to the device operations and the live status
// poller: the image, the shown page, the controller actions, the status bar,
// the operation frame's status view and the few dialogs an operation opens.

#include <QString>
#include <QStringList>
#include <functional>

#include "link/SerialLink.h"

namespace vrm {

class ConfigImage;
class StatusView;

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

    // The operation frame's label `ActionName` and progress bar `ProgressBar1`.
    virtual StatusView& actionStatus() = 0;
    // "При программировании очистить память режимов" on page 0.
    virtual bool clearModesOnProgram() const = 0;

    // A modal warning with an OK button.
    virtual void showWarning(const QString& caption, const QString& text) = 0;
    virtual void copyToClipboard(const QString& text) = 0;
    // The factory reset countdown, shown modally; `deviceLost` is asked once a
    // second. True when the countdown ran out, false when cancelled or lost.
    virtual bool runFactoryResetCountdown(std::function<bool()> deviceLost) = 0;

    // Where the configurations read and programmed are kept; empty keeps none.
    virtual QString backupFolder() const { return {}; }
};

} // namespace vrm
