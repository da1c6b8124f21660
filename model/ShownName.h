#pragma once
// Names the model builds in Russian (they are also what the text export form
// and the command-line tool write) translated for display only.

#include <QString>

namespace vrm {

// `text` through the "Ui" translation context; unchanged when it has no translation.
QString translatedText(const QString& text);

// A readable field name "Вход 3 · Название входа": each " · "-separated part is
// translated on its own. A part ending in a number ("Вход 3", "Прочие байты по
// смещению 66") is looked up as its pattern ("Вход %1") when the whole part has
// no translation.
QString translatedFieldName(const QString& name);

} // namespace vrm
