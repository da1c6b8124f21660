// Compare against vrm530-sim: a difference opens the field list, which leads
// to the field's page.
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QMenuBar>
#include <QTest>
#include <QTreeWidget>

#include "e2e/EndToEndFixture.h"
#include "model/ConfigFile.h"
#include "model/Cp1251.h"
#include "model/TextForm.h"
#include "ui/FieldDifferencesWindow.h"

using namespace vrm;
using vrm::test::EndToEnd;

namespace {

// Answers the next file dialog with `path`, as a user who picks that file.
void answerFileDialog(const QString& path)
{
    QTimer::singleShot(0, [path] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible()) {
                dialog->selectFile(path);
                static_cast<QDialog*>(dialog)->accept();
                return;
            }
        }
    });
}

// Dismisses the next message box to appear, keeping its text.
void answerMessageBox(QString& text)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &text] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                text = box->text();
                box->accept();
                poll->deleteLater();
                return;
            }
        }
    });
    poll->start(10);
}

} // namespace

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
                                     QStringLiteral("Последние файлы"), QStringLiteral("Резервные копии…"),
                                     QStringLiteral("Сравнить с файлом…"), QStringLiteral("Экспорт в текст…"),
                                     QStringLiteral("Импорт из текста…"), QStringLiteral("Печать…"),
                                     QStringLiteral("Экспорт отчёта…"), QStringLiteral("Закрыть")}));
}

TEST_F(EndToEnd, CompareWithAFileAndTheTextFormFromTheFileMenu)
{
    start();
    ConfigImage fileImage = form_->image();
    fileImage.setTextPadded(layout::inputs[1], layout::input::name, toCp1251(QStringLiteral("Ворота")));
    fileImage.set(layout::inputs[1], layout::input::sensorType, 4u); // a list: read as its item
    const QString cnt = dir_.filePath(QStringLiteral("site.cnt"));
    ASSERT_EQ(writeConfigFile(cnt, fileImage), 0);
    setImagePassword("secret"); // typed here, never in a file: no difference

    answerFileDialog(cnt);
    trigger("FileCompare1");
    auto* window = form_->findChild<FieldDifferencesWindow*>();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->list()->topLevelItemCount(), 2);
    EXPECT_EQ(window->list()->topLevelItem(0)->text(1), QStringLiteral("Вход 2 · Название входа"));
    EXPECT_EQ(window->list()->topLevelItem(0)->text(3), QStringLiteral("\"Ворота\""));
    EXPECT_EQ(window->list()->topLevelItem(1)->text(1), QStringLiteral("Вход 2 · Тип входа"));
    EXPECT_EQ(window->list()->topLevelItem(1)->text(2), QStringLiteral("Дискретный"));
    EXPECT_EQ(window->list()->topLevelItem(1)->text(3), QStringLiteral("Термодатчик TS-42"));
    EXPECT_EQ(window->list()->headerItem()->text(3), QStringLiteral("В файле"));

    // Export, change the image, import: the main block is back, the password left out of the text.
    const QString text = dir_.filePath(QStringLiteral("site.txt"));
    const QByteArray before = imageMain();
    answerFileDialog(text);
    trigger("FileExportText1");
    QFile exported(text);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_FALSE(exported.readAll().contains("secret"));
    form_->image().setTextPadded(layout::inputs[0], layout::input::name, "X");
    answerFileDialog(text);
    trigger("FileImportText1");
    QByteArray expected = before;
    expected.replace(20, 9, QByteArray(9, '\0'));
    EXPECT_EQ(imageMain(), expected);

    // A refused text changes nothing and says which line.
    QFile bad(dir_.filePath(QStringLiteral("bad.txt")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("# x\n[21] Вход 1 · Тип входа = 99\n");
    bad.close();
    QString message;
    answerFileDialog(bad.fileName());
    answerMessageBox(message);
    trigger("FileImportText1");
    EXPECT_TRUE(message.contains(QStringLiteral("строка 2"))) << message.toStdString();
    EXPECT_EQ(imageMain(), expected);
}
