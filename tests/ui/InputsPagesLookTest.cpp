// The input and profile pages at the size of the window's page area: nothing is
// squeezed below its minimum or cut off at the right edge. With VRM_PAGE_GRABS
// set to a folder, each page is also written there as a PNG for a look.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>

#include "PageTestHost.h"
#include "ui/pages/io/inputs/InputPages.h"
#include "ui/pages/io/inputs/InputsPages.h"

using namespace vrm;
using namespace vrm::test;

namespace {
constexpr QSize kPageArea(716, 520);

void expectTidy(QWidget* panel, const std::string& page)
{
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        if (!w->isVisible() || !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)
                                 || qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w)))
            continue;
        // The edit inside a combo or spin box is measured with its box.
        if (qobject_cast<QLineEdit*>(w) && (qobject_cast<QComboBox*>(w->parentWidget())
                                            || qobject_cast<QAbstractSpinBox*>(w->parentWidget())))
            continue;
        const std::string name = page + " " + w->metaObject()->className() + " '" + w->objectName().toStdString() + "'";
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
} // namespace

TEST(InputsPagesLook, EveryPageFitsThePageAreaOfTheWindow)
{
    PageTestHost host;
    auto groups = createInputsPages(host);
    const QString grabs = qEnvironmentVariable("VRM_PAGE_GRABS");
    QList<int> served;
    for (auto& group : groups) {
        for (int page : group->pages()) {
            served << page;
            host.page = page;
            QWidget* panel = group->panel(page);
            if (QLabel* title = group->titleLabel(page))
                title->setText(QStringLiteral("Страница %1").arg(page));
            group->enter(page);
            group->show(page, host.configImage);
            if (auto* inputs = dynamic_cast<InputPages*>(group.get()))
                inputs->showReading(page - 20, 1000, true);
            panel->resize(kPageArea);
            panel->show();
            QApplication::processEvents();
            expectTidy(panel, std::to_string(page));
            if (!grabs.isEmpty()) {
                EXPECT_TRUE(panel->grab().save(QDir(grabs).filePath(QStringLiteral("page%1.png").arg(page))));
            }
            panel->hide();
        }
    }
    EXPECT_EQ(served, (QList<int>{20, 21, 22, 23, 24, 25, 26, 27, 28, 38, 39, 40, 41, 42, 43, 44, 45, 46}));
}
