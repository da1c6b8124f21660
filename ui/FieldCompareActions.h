#pragma once
// The File menu's "Сравнить с файлом…", "Экспорт в текст…" and "Импорт из
// текста…", and the field list that opens when Compare finds a difference
// with the controller.

#include <QString>

namespace vrm {

class TForm1;

// Adds the actions to the window's File menu (before "Закрыть") and connects
// the controller comparison. Call once the window's session exists.
void installFieldCompare(TForm1& form);

// Lists the fields in which the configuration file at `path` differs from
// the window's configuration, as "Сравнить с файлом…" does (after
// installFieldCompare).
void compareWithConfigurationFile(TForm1& form, const QString& path);

} // namespace vrm
