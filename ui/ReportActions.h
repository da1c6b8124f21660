#pragma once
// The File menu's "Печать…" (with a preview, on the system's printer and
// paper) and "Экспорт отчёта…" (PDF or HTML by the file's extension): the
// report of the window's configuration, headed by the controller while the
// configuration is the one last read from it or programmed into it.

#include <QString>

namespace vrm {

class TForm1;

// Adds the actions before "Закрыть". Call once the window's session exists.
void installReportActions(TForm1& form);

// What "Экспорт отчёта…" writes into `path` once the file is chosen; false
// when it could not be written (a warning said why).
bool exportReport(TForm1& form, const QString& path);

// The HTML both actions lay out.
QString windowReportHtml(TForm1& form);

} // namespace vrm
