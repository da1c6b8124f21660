#pragma once
// Timer events that reach `window` or an object below it, and the others of
// the process (Qt's own), by receiver, while it lives; and the queued calls
// delivered meanwhile. Shared by the window tests and the UI benchmark.

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QString>
#include <map>

namespace vrm::test {

class TimerEvents : public QObject {
public:
    explicit TimerEvents(const QObject& window) : window_(window) { qApp->installEventFilter(this); }
    ~TimerEvents() override { qApp->removeEventFilter(this); }

    std::map<QString, int> window;
    std::map<QString, int> others;
    int queuedCalls = 0; // queued calls delivered on this thread (the poller's results among them)

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (event->type() == QEvent::Timer) {
            const QString name = QString::fromLatin1(receiver->metaObject()->className())
                                 + (receiver->objectName().isEmpty() ? QString() : QLatin1Char(' ') + receiver->objectName());
            ++(below(receiver) ? window : others)[name];
        } else if (event->type() == QEvent::MetaCall) {
            ++queuedCalls;
        }
        return false;
    }

private:
    bool below(const QObject* object) const
    {
        for (; object; object = object->parent()) {
            if (object == &window_)
                return true;
        }
        return false;
    }
    const QObject& window_;
};

} // namespace vrm::test
