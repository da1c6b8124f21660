#pragma once
// Page groups walked in English: no Russian text in any page, as built, after
// its show step and after the changes a test makes (see PageLook.h for the walk).
#include <QApplication>
#include <QScrollArea>
#include <string>

#include "tests/ui/InterfaceTexts.h"
#include "tests/ui/PageLook.h"

namespace vrm::test {

inline void expectEnglish(const QWidget* root, const std::string& where)
{
    for (const auto& [place, text] : shownTexts(*root))
        if (hasCyrillic(text))
            ADD_FAILURE() << where << ": " << place.toStdString() << " holds \"" << text.toStdString() << '"';
}

inline QList<int> expectEnglishPages(PageTestHost& host, std::vector<std::unique_ptr<PageGroup>>& groups,
                                     const PageVisit& visit = {})
{
    for (auto& group : groups)
        for (int page : group->pages())
            expectEnglish(group->panel(page), "page " + std::to_string(page) + " as built");
    return lookAtEveryPage(host, groups, [&](PageGroup& group, int page, QWidget* panel) {
        // The window writes the tree node's title here; the walk's own stand-in is Russian.
        if (QLabel* title = group.titleLabel(page); title && title->text().startsWith(QStringLiteral("Страница")))
            title->setText(QStringLiteral("Page %1").arg(page));
        expectEnglish(panel, "page " + std::to_string(page));
        if (visit) {
            visit(group, page, panel);
            QApplication::processEvents();
            expectTidy(panel, std::to_string(page) + " after its changes");
            expectEnglish(panel, "page " + std::to_string(page) + " after its changes");
        }
        // A scrolled page is also written whole, for a look below the fold.
        if (auto* scroll = panel->findChild<QScrollArea*>(); scroll && scroll->widget())
            grabPage(scroll->widget(), QStringLiteral("page%1-whole").arg(page));
    });
}

} // namespace vrm::test
