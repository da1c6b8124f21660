#pragma once
// The page captions that the language file replaces from line 65 on, in line
// order: the status page, then the pages in tree order, then the COM port
// dialog and the About box. A caption spelling appears once, at the first page
// that shows it, and serves every designed caption so spelled; a text table
// entry or a caption that shares its spelling with a text of another kind (a
// tree node, a menu item, a text with no line) carries a disambiguation, so
// that its line replaces it and nothing else.

#include <QList>
#include <QString>

namespace vrm {

// A Russian source text with its Qt disambiguation (empty for none).
struct LanguageText {
    LanguageText() = default;
    LanguageText(QString text, QString context = {}) : source(std::move(text)), disambiguation(std::move(context)) {}
    QString source;
    QString disambiguation;
    bool isEmpty() const { return source.isEmpty(); }
    bool operator==(const LanguageText&) const = default;
};

QList<LanguageText> languagePageTexts();

} // namespace vrm
