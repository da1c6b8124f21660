#pragma once
// The port selection dialog: a list of the ports present, each with what the
// system tells about it (a device name such as "pts/3" may also be typed, since
// pseudo-terminals are not listed), OK and Cancel. OK selects the port and
// tests it; the dialog stays open until a port opens or the user cancels.

#include <QDialog>
#include <functional>

#include "link/PortList.h"

class QComboBox;

namespace vrm {

class TFormCOMPortConfig : public QDialog {
    Q_OBJECT
public:
    // Opens the named port and closes it again; true when it opened.
    using PortTest = std::function<bool(const QString& portName)>;
    // Why a port that did not open was refused, when more is known than the
    // general error text says; empty otherwise.
    using RefusalReason = std::function<QString(const QString& portName)>;

    TFormCOMPortConfig(const QString& currentPort, const QList<PortDescription>& availablePorts, PortTest testPort,
                       const QString& caption, const QString& errorText, QWidget* parent = nullptr,
                       RefusalReason refusalReason = {});

    // The port name the entry stands for: a listed port's own name, or the typed text.
    QString chosenPortName() const;

    QString errorText() const { return errorText_; }

signals:
    // The user chose this port: it is the window's port from now on, whether it opens or not.
    void portSelected(const QString& portName);
    // The outcome of each test open, for the port status panel.
    void portTested(const QString& portName, bool opened);

private:
    void confirm();

    QComboBox* ports_ = nullptr;
    PortTest testPort_;
    RefusalReason refusalReason_;
    QString errorText_;
};

} // namespace vrm
