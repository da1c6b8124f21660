#pragma once
// The clock fields and buttons of the clock page: the controller's clock
// (kept as the poller reads it, except while the user types into it), the
// computer's clock, "Установить" (the typed time, checked first) and
// "Синхро." (the computer's time).

#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;

namespace vrm {

class ClockSetting : public QObject {
    Q_OBJECT
public:
    struct Actions {
        std::function<void(const QByteArray& payload)> sendClock; // the 6-byte clock payload
        std::function<void(bool editing)> editingControllerTime;   // the poller leaves the field alone
        std::function<void(const QString& text)> warn;            // a refused entry
    };

    ClockSetting(QLineEdit* controllerTime, QLineEdit* computerTime, Actions actions, QObject* parent = nullptr);

    // "Установить": the text stored when the controller time field was left.
    void setTypedTime();
    // "Синхро.": the computer's time as the field shows it.
    void synchronise();

    // From the poller: the controller's clock (not while the user types) and the computer's.
    void showControllerClock(const QString& text);
    void showComputerClock(const QString& text);

    QString storedText() const { return stored_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* controllerTime_;
    QLineEdit* computerTime_;
    Actions actions_;
    QString stored_;
};

} // namespace vrm
