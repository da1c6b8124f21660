#include "session/InputBlock.h"

#include <QCoreApplication>
#include <QEvent>

namespace vrm {

InputBlock::InputBlock()
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputBlock::~InputBlock()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InputBlock::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::InputMethod:
        return true; // dropped, not replayed after the operation
    default:
        return false;
    }
}

} // namespace vrm
