#pragma once
// Settings menu "Журнал обмена с контроллером": switches the serial trace on
// and off. It starts checked when the trace already runs (the window's
// --trace FILE); switched on from the menu, it writes to that file again, or
// else to `defaultPath()`. The status tip names the file.

#include <QString>
#include <functional>

class QAction;
class QWidget;

namespace vrm {

QAction* createSerialTraceAction(QWidget* window, std::function<QString()> defaultPath);

} // namespace vrm
