#pragma once
// With a language file, the toolbar buttons of Program, Read, Compare,
// Reconfigure and Restart show their menu items' captions (the file has lines
// for the menu only), and no toolbar button shows a hint (the hints would stay
// in the built-in language).

class QToolBar;

namespace vrm {

void applyLanguageFileToToolBar(QToolBar& bar);

} // namespace vrm
