#pragma once
// What a settings page may ask of the live controller, and what it hears back.
//
// The signals carry what the live status poller reads while the page's tree
// node is shown (each only for its own pages); they arrive on the
// user-interface thread. The calls run as device operations: the poller is
// stopped, the controller identified, the transfer made and the poller
// started again; they return once done (the window keeps repainting).
// Pages reach it through PageHost::controller().

#include <QByteArray>
#include <QObject>
#include <QString>

namespace vrm {

class StatusView;

class ControllerAccess : public QObject {
    Q_OBJECT
public:
    // Outcome of a key poll on the perimeter pages 16-19.
    enum KeyOutcome { PasswordRefused, KeyRead, NoKey, KeyQueryFailed };
    Q_ENUM(KeyOutcome)

    using QObject::QObject;

    // A 3-byte control command (object class, number, argument); the outcome
    // goes to status bar panel 3. Other sizes are ignored.
    virtual void sendControlCommand(const QByteArray& payload) = 0;
    // Sets the controller clock: year within the century, month, day, hour,
    // minute, second. Other sizes are ignored.
    virtual void sendClock(const QByteArray& payload) = 0;

    // Page 47: the system parameter block (memory area 5) between the image
    // and the controller, reporting into `status`. True on success.
    virtual bool readSystemParameters(StatusView& status) = 0;
    virtual bool programSystemParameters(StatusView& status) = 0;

    // On while the user edits the controller clock of page 14: the poller
    // then leaves the controller clock alone.
    virtual void setEditingControllerTime(bool editing) = 0;

signals:
    // Page 14: the PC clock every cycle, the controller clock when read, both
    // as "dd.mm.yy hh:mm:ss".
    void pcClockPolled(const QString& text);
    void controllerClockPolled(const QString& text);
    // Page 15: battery byte and mains in 0.1 V (both 0 when the read failed).
    void powerPolled(int battery, int mains);
    // Pages 0 and 15: the temperature in °C; `present` false when the controller has no sensor.
    void temperaturePolled(int celsius, bool present);
    // Pages 16-19: a KeyOutcome, with the 16 hexadecimal digits of the key for KeyRead.
    void keyPolled(int outcome, const QString& code);
    // Pages 21-28: the raw reading (0-4095) of input `input` (1-8); `valid`
    // is false when the reading is not worth showing.
    void inputReadingPolled(int input, int value, bool valid);
};

} // namespace vrm
