#pragma once
// The port selection dialog: a list of the ports present (a device name such as
// "pts/3" may also be typed, since pseudo-terminals are not listed), OK and
// Cancel. OK selects the port and tests it; the dialog stays open until a
// port opens or the user cancels.

#include <QDialog>
#include <functional>

class QComboBox;

namespace vrm {

class TFormCOMPortConfig : public QDialog {
    Q_OBJECT
public:
    // Opens the named port and closes it again; true when it opened.
    using PortTest = std::function<bool(const QString& portName)>;

    TFormCOMPortConfig(const QString& currentPort, const QStringList& availablePorts, PortTest testPort,
                       const QString& caption, const QString& errorText, QWidget* parent = nullptr);

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
    QString errorText_;
};

} // namespace vrm
