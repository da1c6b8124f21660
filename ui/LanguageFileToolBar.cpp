#include "ui/LanguageFileToolBar.h"

#include <QAction>
#include <QEvent>
#include <QToolBar>
#include <QToolButton>

namespace vrm {

namespace {

class HintSuppressor : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::ToolTip; }
};

} // namespace

void applyLanguageFileToToolBar(QToolBar& bar)
{
    auto* suppressor = new HintSuppressor(&bar);
    for (QToolButton* button : bar.findChildren<QToolButton*>()) {
        button->installEventFilter(suppressor);
        QAction* action = button->defaultAction();
        if (!action)
            continue;
        for (const char* name : {"Programm", "ReadConf", "CompareConf", "Reconfigurate", "Reset"}) {
            if (action->objectName() == QLatin1String(name))
                action->setIconText(action->text());
        }
    }
}

} // namespace vrm
