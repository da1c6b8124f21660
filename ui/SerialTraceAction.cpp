#include "ui/SerialTraceAction.h"

#include <QAction>
#include <QDir>
#include <QMessageBox>

#include "link/SerialTrace.h"
#include "model/UiText.h"

namespace vrm {
namespace {

QString caption()
{
    return Ui::tr("Журнал обмена с контроллером");
}

void describe(QAction* action, const QString& path)
{
    action->setStatusTip(Ui::tr("Записывать обмен с контроллером в файл %1").arg(QDir::toNativeSeparators(path)));
    action->setToolTip(action->statusTip());
}

} // namespace

QAction* createSerialTraceAction(QWidget* window, std::function<QString()> defaultPath)
{
    auto* action = new QAction(caption(), window);
    action->setObjectName(QStringLiteral("SerialTrace"));
    action->setCheckable(true);
    auto lastPath = std::make_shared<QString>(SerialTrace::global().path());
    action->setChecked(serialTraceActive());
    if (!lastPath->isEmpty())
        describe(action, *lastPath);

    QObject::connect(action, &QAction::toggled, window, [action, window, lastPath, defaultPath](bool on) {
        if (!on) {
            stopSerialTrace();
            return;
        }
        if (serialTraceActive())
            return;
        const QString path = lastPath->isEmpty() ? defaultPath() : *lastPath;
        QString error;
        if (!startSerialTrace(path, &error)) {
            action->setChecked(false);
            QMessageBox::warning(window, caption(),
                                 Ui::tr("Невозможно открыть файл журнала \"%1\": %2")
                                     .arg(QDir::toNativeSeparators(path), error),
                                 QMessageBox::Ok);
            return;
        }
        *lastPath = path;
        describe(action, path);
    });
    return action;
}

} // namespace vrm
