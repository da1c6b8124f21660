#pragma once
// What each line of the language file replaces, by its line number.
//
//   1        the header
//   2        the window caption, shown with " VRM530" after it
//   4-19     the menu captions, File menu first
//   21       the root tree node, shown with " VRM530-QT.01.02" after it
//   22-36    tree nodes 1-15;  38-41 nodes 16-19;  42-50 nodes 20-28;
//   51-54    nodes 35-38 (Выход 4, Выход 5, Сценарии управления, Профили);
//   55       the profile nodes 39-46, each shown with " " and its number after it;
//   56       node 47 (Системные параметры);  59 node 29;  60-64 nodes 30-34
//   65       the status page's identity group, shown with a blank on each side
//   66-381   the captions of the pages, status page first, then page by page,
//            then the COM port dialog and the About box
//   382-393  the 12 GSM module states, in code order
//   394-413  the 20 transaction messages, in message order
//   3, 20, 37, 57, 58 and the page lines past the last caption are not used.
// Texts with "%1" stand for a numbered series ("Выход %1": Выход 1 ... 5).
//
// A line replaces its own text: one Russian source with one disambiguation
// (LanguagePageTexts.h), so a tree line leaves the output names alone and a
// caption line the texts the poller writes. Texts with no line (field names,
// combo box items, hints, the other windows) stay as built.
// `vrm530-config --write-language-template FILE` writes every line's text.

#include <QHash>
#include <QString>
#include <QStringList>
#include <utility>

#include "ui/LanguagePageTexts.h"

namespace vrm {

// The text each line replaces (index = line number - 1), for tests and for
// documentation; empty for the header and the unused lines. The caption, root
// and profile lines give the text their line stands for ("Профиль").
QList<LanguageText> languageLineTexts();

// (Russian source, disambiguation) -> the text to show.
using LanguageReplacements = QHash<std::pair<QString, QString>, QString>;

// The replacements a language file's lines make. `lines` are a whole file as
// read (413 lines, header first).
LanguageReplacements languageReplacements(const QStringList& lines);

// The built-in texts as a language file (413 lines, header first) in the
// interface language of this run: applied as "lng.txt", it changes no text.
QStringList languageTemplate();

} // namespace vrm
