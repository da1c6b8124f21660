// Compare against vrm530-sim: a difference opens the field list, which leads
// to the field's page.
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTreeWidget>

#include "e2e/EndToEndFixture.h"
#include "model/Cp1251.h"
#include "ui/FieldDifferencesWindow.h"

using namespace vrm;
using vrm::test::EndToEnd;

TEST_F(EndToEnd, CompareListsTheDifferingFieldsAndLeadsToTheirPage)
{
    start();
    trigger("CompareConf");
    EXPECT_EQ(actionText(), QStringLiteral("Данные в памяти контроллера аналогичны текущим"));
    EXPECT_EQ(form_->findChild<FieldDifferencesWindow*>(), nullptr);

    form_->image().setTextPadded(layout::inputs[2], layout::input::name, toCp1251(QStringLiteral("Склад")));
    form_->image().set(layout::outputs[1], layout::output::inverted, 1);
    trigger("CompareConf");
    EXPECT_EQ(actionText(), QStringLiteral("Данные в памяти контроллера отличаются от текущих"));

    auto* window = form_->findChild<FieldDifferencesWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    QTreeWidget* list = window->list();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("23"));
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("Вход 3 · Название входа"));
    EXPECT_EQ(list->topLevelItem(0)->text(2), QStringLiteral("\"Склад\""));
    EXPECT_EQ(list->topLevelItem(0)->text(3), QStringLiteral("\"ВХОД3\""));
    EXPECT_EQ(list->topLevelItem(1)->text(1), QStringLiteral("Реле 2 · Инверсия выхода"));
    EXPECT_EQ(list->headerItem()->text(3), QStringLiteral("В контроллере"));

    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const QRect row = list->visualItemRect(list->topLevelItem(1));
    ASSERT_FALSE(row.isEmpty());
    // A double click as the user makes it: a click, then the second press.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(form_->shownPage(), 31);
    window->grab().save(dir_.filePath(QStringLiteral("differences.png")));
    if (qEnvironmentVariableIsSet("VRM_SCREENSHOT_DIR"))
        window->grab().save(qEnvironmentVariable("VRM_SCREENSHOT_DIR") + QStringLiteral("/differences.png"));
}

TEST_F(EndToEnd, TheFileMenuOffersCompareWithAFileAndTheTextForm)
{
    start();
    QMenu* file = form_->menuBar()->actions().constFirst()->menu();
    QStringList captions;
    for (QAction* action : file->actions())
        if (!action->isSeparator())
            captions << action->text();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Установить стандартную конфигурацию"),
                                     QStringLiteral("Открыть файл конфигурации..."),
                                     QStringLiteral("Сохранить текущую конфигурацию в файл..."),
                                     QStringLiteral("Сравнить с файлом…"), QStringLiteral("Экспорт в текст…"),
                                     QStringLiteral("Импорт из текста…"), QStringLiteral("Закрыть")}));
}
