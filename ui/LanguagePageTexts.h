#pragma once
// The page captions that the language file replaces from line 65 on, in line
// order: the status page, then the pages in tree order, then the COM port
// dialog and the About box. Each Russian text appears once, at the first place
// that shows it.

#include <QStringList>

namespace vrm {

QStringList languagePageTexts();

} // namespace vrm
