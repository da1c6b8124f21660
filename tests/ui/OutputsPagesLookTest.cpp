// Pages 15 and 29-37 at the size of the window's page area: no control is
// squeezed below its minimum or cut off at the right edge. With VRM_PAGE_GRABS
// set to a folder, each page is written there as a PNG for a look, and the
// scenario page twice more with a one-shot and a repeating scenario current.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScrollArea>

#include "tests/ui/PageTestHost.h"
#include "ui/pages/io/outputs/OutputsPageGroups.h"
#include "ui/pages/io/outputs/ScenarioGrid.h"

using namespace vrm;
using namespace vrm::test;

namespace {
constexpr QSize kPageArea(716, 520);

void expectTidy(QWidget* panel, int page)
{
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        if (!w->isVisible() || !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)
                                 || qobject_cast<QComboBox*>(w)))
            continue;
        if (w->parentWidget() && w->parentWidget()->inherits("QHeaderView"))
            continue;
        const std::string name = std::to_string(page) + " '" + w->objectName().toStdString() + "'";
        auto* label = qobject_cast<QLabel*>(w);
        if (!(label && label->wordWrap())) {
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name << " is squeezed";
        }
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

void grab(QWidget* panel, const QString& name)
{
    const QString folder = qEnvironmentVariable("VRM_PAGE_GRABS");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(panel->grab().save(QDir(folder).filePath(name + ".png")));
    }
}
} // namespace

TEST(OutputsPagesLook, EveryPageFitsThePageAreaOfTheWindow)
{
    PageTestHost host;
    host.configImage.setByte(360 + 76 + 1, 5);           // input 1 drives relay 2: one stimulus line
    host.configImage.setByte(3087 + 19 + 1, 1);          // perimeter 1 arming switches relay 2 on
    auto groups = createOutputsPageGroups(host);
    QList<int> served;
    for (auto& group : groups) {
        for (int page : group->pages()) {
            served << page;
            host.group = group.get();
            host.page = page;
            QWidget* panel = group->panel(page);
            group->enter(page);
            group->show(page, host.configImage);
            panel->resize(kPageArea);
            panel->show();
            QApplication::processEvents();
            expectTidy(panel, page);
            grab(panel, QStringLiteral("page%1").arg(page));
            if (auto* grid = panel->findChild<ScenarioGrid*>()) {
                grid->setCurrentGridCell(3, 4); // scenario 3 repeats
                QApplication::processEvents();
                grab(panel, QStringLiteral("page%1-repeating").arg(page));
                grid->setCurrentGridCell(4, 5); // scenario 4 runs once
                QApplication::processEvents();
                grab(panel, QStringLiteral("page%1-one-shot").arg(page));
            }
            panel->hide();
        }
    }
    std::sort(served.begin(), served.end());
    EXPECT_EQ(served, (QList<int>{15, 29, 30, 31, 32, 33, 34, 35, 36, 37}));
}
