#pragma once
// Settings menu "Язык интерфейса": Русский or English, remembered for the next
// start. Each language is named in its own language.

class QMenu;
class QWidget;

namespace vrm {

QMenu* createLanguageMenu(QWidget* window);

} // namespace vrm
