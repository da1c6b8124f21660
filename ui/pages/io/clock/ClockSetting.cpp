#include "ui/pages/io/clock/ClockSetting.h"

#include <QEvent>
#include <algorithm>
#include <QLineEdit>

#include "model/ClockText.h"

namespace vrm {

namespace {
QByteArray payloadBytes(const ClockPayload& payload)
{
    return QByteArray(reinterpret_cast<const char*>(payload.data()), qsizetype(payload.size()));
}
} // namespace

ClockSetting::ClockSetting(QLineEdit* controllerTime, QLineEdit* computerTime, Actions actions, QObject* parent)
    : QObject(parent), controllerTime_(controllerTime), computerTime_(computerTime), actions_(std::move(actions))
{
    controllerTime_->installEventFilter(this);
}

bool ClockSetting::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == controllerTime_) {
        if (event->type() == QEvent::FocusIn) {
            if (actions_.editingControllerTime)
                actions_.editingControllerTime(true);
        } else if (event->type() == QEvent::FocusOut) {
            stored_ = controllerTime_->displayText();
            if (actions_.editingControllerTime)
                actions_.editingControllerTime(false);
        }
    }
    return QObject::eventFilter(watched, event);
}

void ClockSetting::setTypedTime()
{
    // A field left without a digit typed is no time: it would set the clock to 00.00.00 00:00:00.
    const bool typed = std::any_of(stored_.begin(), stored_.end(), [](QChar c) { return c.isDigit(); });
    if (!typed) {
        stored_.clear();
        return;
    }
    const ClockPayload payload = clockPayloadFromText(stored_);
    stored_.clear();
    const ClockEntryFault fault = checkClockPayload(payload);
    if (fault != ClockEntryFault::None) {
        if (actions_.warn)
            actions_.warn(clockEntryFaultText(fault));
        return;
    }
    actions_.sendClock(payloadBytes(payload));
}

void ClockSetting::synchronise()
{
    actions_.sendClock(payloadBytes(clockPayloadFromText(computerTime_->displayText())));
}

void ClockSetting::showControllerClock(const QString& text)
{
    if (!controllerTime_->hasFocus())
        controllerTime_->setText(text);
}

void ClockSetting::showComputerClock(const QString& text)
{
    computerTime_->setText(text);
}

} // namespace vrm
