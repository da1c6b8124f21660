#pragma once
// A page group's pages at the size of the window's page area: nothing is
// squeezed below its minimum or cut off at the right edge. With
// VRM_PAGE_GRABS set to a folder, each page is also written there as a PNG
// for a look.

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "tests/ui/PageTestHost.h"
#include "ui/pages/PageGroup.h"

namespace vrm::test {

inline constexpr QSize kPageArea(716, 520);

inline bool insideItemView(QWidget* w)
{
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (p->inherits("QAbstractItemView") || p->inherits("QHeaderView"))
            return true;
    return false;
}

inline void expectTidy(QWidget* panel, const std::string& page)
{
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        if (!w->isVisible() || !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)
                                 || qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w)))
            continue;
        // The edit inside a combo or spin box is measured with its box; cells are the grid's.
        if (qobject_cast<QLineEdit*>(w) && (qobject_cast<QComboBox*>(w->parentWidget())
                                            || qobject_cast<QAbstractSpinBox*>(w->parentWidget())))
            continue;
        if (insideItemView(w))
            continue;
        const std::string name =
            page + " " + w->metaObject()->className() + " '" + w->objectName().toStdString() + "'";
        auto* label = qobject_cast<QLabel*>(w);
        if (!(label && label->wordWrap())) {
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name << " is squeezed";
        }
        // Inside a scroll area the visible width is the viewport's.
        QWidget* frame = panel;
        for (QWidget* p = w->parentWidget(); p && p != panel; p = p->parentWidget())
            if (auto* scroll = qobject_cast<QScrollArea*>(p)) {
                frame = scroll->viewport();
                break;
            }
        const QRect inFrame(w->mapTo(frame, QPoint(0, 0)), w->size());
        EXPECT_LE(inFrame.right(), frame->width()) << name << " is cut off at the right";
    }
}

// Put before the grabs' file names while it lives ("en-page21.png").
class GrabPrefix {
public:
    explicit GrabPrefix(const QString& prefix) { current() = prefix; }
    ~GrabPrefix() { current().clear(); }
    static QString& current()
    {
        static QString prefix;
        return prefix;
    }
};

inline void grabPage(QWidget* panel, const QString& name)
{
    const QString folder = qEnvironmentVariable("VRM_PAGE_GRABS");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(panel->grab().save(QDir(folder).filePath(GrabPrefix::current() + name + ".png")));
    }
}

// What a look test may do with a page after its show step (readings, other
// states worth a look); it looks at the page again itself where it changes it.
using PageVisit = std::function<void(PageGroup& group, int page, QWidget* panel)>;

// Enters and shows every page of `groups` as the window does, at the page
// area's size, and checks it; returns the pages served, in order.
inline QList<int> lookAtEveryPage(PageTestHost& host, std::vector<std::unique_ptr<PageGroup>>& groups,
                                  const PageVisit& visit = {})
{
    QList<int> served;
    for (auto& group : groups) {
        host.group = group.get();
        for (int page : group->pages()) {
            served << page;
            host.page = page;
            QWidget* panel = group->panel(page);
            if (QLabel* title = group->titleLabel(page))
                title->setText(QStringLiteral("Страница %1").arg(page));
            group->enter(page);
            group->show(page, host.configImage);
            panel->resize(kPageArea);
            panel->show();
            QApplication::processEvents();
            if (visit) {
                visit(*group, page, panel);
                QApplication::processEvents();
            }
            expectTidy(panel, std::to_string(page));
            grabPage(panel, QStringLiteral("page%1").arg(page));
            panel->hide();
        }
    }
    std::sort(served.begin(), served.end());
    return served;
}

} // namespace vrm::test
