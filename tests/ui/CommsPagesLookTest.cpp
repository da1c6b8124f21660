// The communication pages at the size of the window's page area: nothing is
// squeezed below its minimum or cut off at the right edge. With VRM_PAGE_GRABS
// set to a folder, each page is also written there as a PNG for a look.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

#include "PageTestHost.h"
#include "ui/pages/comms/CommsPages.h"

using namespace vrm;
using namespace vrm::test;

namespace {
constexpr QSize kPageArea(716, 520);

void expectTidy(QWidget* panel, const std::string& page)
{
    const QList<QWidget*> controls = panel->findChildren<QWidget*>();
    for (QWidget* w : controls) {
        if (!w->isVisible() || !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)
                                 || qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w)))
            continue;
        if (qobject_cast<QLineEdit*>(w) && qobject_cast<QComboBox*>(w->parentWidget()))
            continue;
        const std::string name = page + " " + w->metaObject()->className() + " '" + w->objectName().toStdString()
                                 + "'";
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
} // namespace

TEST(CommsPagesLook, EveryPageFitsThePageAreaOfTheWindow)
{
    PageTestHost host;
    auto groups = createCommsPages(host);
    const QString grabs = qEnvironmentVariable("VRM_PAGE_GRABS");
    QList<int> served;
    for (auto& group : groups) {
        for (int page : group->pages()) {
            served << page;
            QWidget* panel = group->panel(page);
            if (QLabel* title = group->titleLabel(page))
                title->setText(QStringLiteral("Страница %1").arg(page));
            group->enter(page);
            group->show(page, host.configImage);
            panel->resize(kPageArea);
            panel->show();
            QApplication::processEvents();
            expectTidy(panel, std::to_string(page));
            if (!grabs.isEmpty()) {
                EXPECT_TRUE(panel->grab().save(QDir(grabs).filePath(QStringLiteral("page%1.png").arg(page))));
            }
            if (page == 47) {
                panel->findChild<QPushButton*>("Button1")->click();
                QApplication::processEvents();
                expectTidy(panel, "47 uncovered");
                if (!grabs.isEmpty()) {
                    EXPECT_TRUE(panel->grab().save(QDir(grabs).filePath("page47-uncovered.png")));
                }
            }
            panel->hide();
        }
    }
    std::sort(served.begin(), served.end());
    EXPECT_EQ(served, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 47}));
}
