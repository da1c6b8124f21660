// The port selection dialog and the About box, opened from the window, and the
// factory reset countdown's look.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "sim/PseudoTerminal.h"
#include "tests/ui/MainWindowFixture.h"
#include "session/ControllerSession.h"
#include "session/ProgramVersion.h"
#include "ui/TAboutBox.h"
#include "ui/TFormCOMPortConfig.h"
#include "ui/TFormClearConfig.h"
#include "ui/TForm1.h"

using namespace vrm;
using namespace vrm::test;

namespace {

void trigger(TForm1& window, const char* name)
{
    window.findChild<QAction*>(QString::fromLatin1(name))->trigger();
}

// Types a port name into the dialog and presses OK.
ModalScript::Step choosePort(const QString& name)
{
    return [name](QWidget* widget) {
        auto* dialog = qobject_cast<TFormCOMPortConfig*>(widget);
        ASSERT_NE(dialog, nullptr) << widget->metaObject()->className();
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Выбор COM порта"));
        dialog->findChild<QComboBox*>(QStringLiteral("ComComboBox1"))->setCurrentText(name);
        dialog->findChild<QPushButton*>(QStringLiteral("ButtonOK"))->click();
    };
}

ModalScript::Step cancelPortDialog(bool* wasStillOpen)
{
    return [wasStillOpen](QWidget* widget) {
        auto* dialog = qobject_cast<TFormCOMPortConfig*>(widget);
        ASSERT_NE(dialog, nullptr) << widget->metaObject()->className();
        *wasStillOpen = dialog->isVisible();
        dialog->findChild<QPushButton*>(QStringLiteral("ButtonCancel"))->click();
    };
}

class MainWindowDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(waitFor([this] { return window.findChild<QAction*>(QStringLiteral("ComPortConfig"))->isEnabled(); }));
    }

    WorkingFolder folder;
    TForm1 window;
    ModalScript script;
};

} // namespace

TEST_F(MainWindowDialogs, PortThatCannotOpenIsReportedAndTheDialogStays)
{
    bool stillOpen = false;
    script.then(choosePort(QStringLiteral("ttyVRMnone0")));
    script.thenMessage();
    script.then(cancelPortDialog(&stillOpen));
    trigger(window, "ComPortConfig");

    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.unexpected, 0);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].title, QStringLiteral("Выбор COM порта"));
    EXPECT_EQ(script.messages[0].text,
              QStringLiteral("Не возможно открыть указанный COM порт, возможно он занят другим приложением."));
    EXPECT_EQ(script.messages[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(stillOpen);
    // The name chosen last stays, even though it did not open.
    EXPECT_EQ(window.portName(), QStringLiteral("ttyVRMnone0"));
    EXPECT_EQ(window.statusPanel(1), QStringLiteral("NC"));
    EXPECT_TRUE(window.session()->pollerRunning());
}

TEST_F(MainWindowDialogs, TypedPseudoTerminalOpensAndClosesTheDialog)
{
    sim::PseudoTerminal terminal;
    QString error;
    ASSERT_TRUE(terminal.open(error)) << error.toStdString();

    script.then(choosePort(terminal.nameBelowDev()));
    trigger(window, "ComPortConfig");

    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.unexpected, 0);
    EXPECT_EQ(window.portName(), terminal.nameBelowDev());
    EXPECT_EQ(window.statusPanel(1), terminal.nameBelowDev());
}

TEST_F(MainWindowDialogs, AboutBoxNamesTheProgramItsVersionsAndLinks)
{
    script.then([](QWidget* widget) {
        auto* box = qobject_cast<TAboutBox*>(widget);
        ASSERT_NE(box, nullptr) << widget->metaObject()->className();
        EXPECT_EQ(box->windowTitle(), QStringLiteral("О программе"));
        EXPECT_EQ(box->findChild<QLabel*>(QStringLiteral("ProductName"))->text(),
                  QStringLiteral("Конфигуратор GSM контроллера VRM530"));
        EXPECT_EQ(box->findChild<QLabel*>(QStringLiteral("Version"))->text(),
                  QStringLiteral("Ver. %1 для версий устройства").arg(projectVersion()));
        auto* versions = box->findChild<QListWidget*>(QStringLiteral("ListBoxVersions"));
        ASSERT_EQ(versions->count(), 4);
        EXPECT_EQ(versions->item(0)->text(), QStringLiteral("QT.01.02"));
        EXPECT_EQ(versions->item(3)->text(), QStringLiteral("QT-PRISM.01.04"));
        EXPECT_TRUE(box->findChild<QLabel*>(QStringLiteral("LabelWebSite"))->text().contains(
            QStringLiteral("https://www.example.com/vrm530")));
        box->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    trigger(window, "Abaut");
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(TAboutBox::supportMailUrl().toString(), QStringLiteral("mailto:support@example.com?subject=VRM530"));
}

// The countdown's wrapped text is shown whole: the dialog is as tall as the
// text needs at the dialog's width, first and last lines included.
TEST(FactoryResetCountdown, DialogFitsItsText)
{
    TFormClearConfig dialog([] { return false; });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* text = dialog.findChild<QLabel*>(QStringLiteral("LabelText"));
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->text().startsWith(QStringLiteral("Через указанное время")));
    EXPECT_GE(text->height(), text->heightForWidth(text->width()));
    EXPECT_TRUE(dialog.rect().contains(text->geometry())) << "the text reaches past the dialog";
    // Neither the seconds nor the button are pushed out either.
    for (const char* name : {"LabelSeconds", "ButtonCancel"}) {
        auto* widget = dialog.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_TRUE(dialog.rect().contains(widget->geometry())) << name;
        EXPECT_GE(widget->height(), widget->minimumSizeHint().height()) << name;
    }
}
