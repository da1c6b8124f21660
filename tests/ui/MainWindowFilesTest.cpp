// Save, Open and New through their dialogs and message boxes.
#include <QAction>

#include "model/ConfigFile.h"
#include "model/FactoryImage.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/TForm1.h"

using namespace vrm;
using namespace vrm::test;

namespace {

const QString kSaveTitle = QStringLiteral("Сохранение конфигурации");
const QString kOpenTitle = QStringLiteral("Открытие файла конфигурации");
const QString kFilter = QStringLiteral("Файлы конфигурации (*.cnt)");

void trigger(TForm1& window, const char* name)
{
    window.findChild<QAction*>(QString::fromLatin1(name))->trigger();
}

// A byte of the main block that the signature and the password do not touch.
constexpr int kMarkerOffset = 100;

class MainWindowFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The file actions are locked until the first poller starts.
        ASSERT_TRUE(waitFor([this] { return window.findChild<QAction*>(QStringLiteral("FileSave1"))->isEnabled(); }));
    }

    WorkingFolder folder;
    TForm1 window;
    ModalScript script;
};

} // namespace

TEST_F(MainWindowFiles, SaveWritesTheImageUnderTheChosenNameWithTheCntSuffix)
{
    window.image().setByte(kMarkerOffset, 0xA5);
    window.image().setByte(21, 'x'); // administrator password, never saved
    SeenFileDialog seen;
    script.then(typeFileName(folder.file("mine"), &seen));
    trigger(window, "FileSave1");

    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.unexpected, 0);
    EXPECT_EQ(seen.title, kSaveTitle);
    EXPECT_EQ(seen.mode, QFileDialog::AcceptSave);
    EXPECT_EQ(seen.filters, QStringList{kFilter});
    EXPECT_EQ(seen.defaultSuffix, QStringLiteral("cnt"));
    EXPECT_EQ(seen.proposedName, QStringLiteral("default.cnt")); // status panel 0

    const QString saved = folder.file("mine.cnt");
    EXPECT_EQ(window.statusPanel(0), saved);
    ConfigImage reread = buildFactoryImage();
    ASSERT_EQ(readConfigFile(saved, reread), LoadResult::Loaded);
    EXPECT_EQ(reread.byte(kMarkerOffset), 0xA5);
    EXPECT_EQ(reread.byte(21), 0);
}

TEST_F(MainWindowFiles, SavingOverAnExistingFileAsksFirst)
{
    const QString path = folder.file("old.cnt");
    ASSERT_TRUE(writeFile(path, "keep me"));
    window.image().setByte(kMarkerOffset, 0x11);

    // No: the old file and the status panel stay.
    script.then(typeFileName(path));
    script.thenMessage(QMessageBox::No);
    trigger(window, "FileSave1");
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].title, kSaveTitle);
    EXPECT_EQ(script.messages[0].text, QStringLiteral("Файл уже существует, заменить?"));
    EXPECT_EQ(script.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(script.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(readFile(path), QByteArray("keep me"));
    EXPECT_EQ(window.statusPanel(0), QStringLiteral("default.cnt"));

    // Yes: replaced.
    script.then(typeFileName(path));
    script.thenMessage(QMessageBox::Yes);
    trigger(window, "FileSave1");
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(QFileInfo(path).size(), kConfigFileSize);
    EXPECT_EQ(window.statusPanel(0), path);
}

TEST_F(MainWindowFiles, SaveThatCannotWriteSaysSoAndKeepsTheStatusPanel)
{
    // A regular file where the folder should be: no user can write there.
    ASSERT_TRUE(writeFile(folder.file("plain"), "x"));
    script.then(typeFileName(folder.file("plain/inside.cnt")));
    script.thenMessage();
    trigger(window, "FileSave1");

    EXPECT_TRUE(script.finished());
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].title, kSaveTitle);
    EXPECT_EQ(script.messages[0].text, QStringLiteral("Невозможно сохранить файл"));
    EXPECT_EQ(script.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(window.statusPanel(0), QStringLiteral("default.cnt"));
}

TEST_F(MainWindowFiles, CancelledSaveWritesNothing)
{
    script.then(typeFileName(QString()));
    trigger(window, "FileSave1");
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.unexpected, 0);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{});
}

TEST_F(MainWindowFiles, OpenLoadsAValidFileAndReportsEveryOtherOne)
{
    ConfigImage valid = buildFactoryImage();
    valid.setByte(kMarkerOffset, 0x77);
    ASSERT_EQ(writeConfigFile(folder.file("valid.cnt"), valid), 0);
    QByteArray wrongVersion = readFile(folder.file("valid.cnt"));
    wrongVersion.replace(29, 5, "01.00");
    ASSERT_TRUE(writeFile(folder.file("old.cnt"), wrongVersion));
    QByteArray wrongCheck = readFile(folder.file("valid.cnt"));
    wrongCheck[kConfigFileSize - 1] = char(wrongCheck[kConfigFileSize - 1] ^ 1);
    ASSERT_TRUE(writeFile(folder.file("check.cnt"), wrongCheck));
    ASSERT_TRUE(writeFile(folder.file("other.cnt"), "[SomeOtherProgram]"));

    struct Case {
        const char* file;
        const char* message; // null: loads without a message
    };
    const Case cases[] = {
        {"other.cnt", "Неизвестный формат файла"},
        {"check.cnt", "Неизвестный формат файла"},
        {"old.cnt", "Несоответствие версий! Файл не может быть использован для конфигурирования этого устройства."},
        {"missing.cnt", "Невозможно открыть файл"},
        {"valid.cnt", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const ConfigImage before = window.image();
        const QString path = folder.file(QString::fromLatin1(c.file));
        SeenFileDialog seen;
        script.messages.clear();
        script.then(typeFileName(path, &seen));
        if (c.message)
            script.thenMessage();
        trigger(window, "FileOpen1");

        EXPECT_TRUE(script.finished());
        EXPECT_EQ(script.unexpected, 0);
        EXPECT_EQ(seen.title, kOpenTitle);
        EXPECT_EQ(seen.mode, QFileDialog::AcceptOpen);
        EXPECT_EQ(seen.filters, QStringList{kFilter});
        EXPECT_EQ(QDir(seen.directory), QDir(window.programDirectory()));
        if (c.message) {
            ASSERT_EQ(script.messages.size(), 1u);
            EXPECT_EQ(script.messages[0].title, kOpenTitle);
            EXPECT_EQ(script.messages[0].text, QString::fromUtf8(c.message));
            EXPECT_EQ(script.messages[0].icon, QMessageBox::Warning);
            EXPECT_TRUE(window.image() == before) << "a refused file changes nothing";
            EXPECT_EQ(window.statusPanel(0), QStringLiteral("default.cnt"));
        } else {
            EXPECT_EQ(window.image().byte(kMarkerOffset), 0x77);
            EXPECT_EQ(window.statusPanel(0), path);
        }
    }
}

TEST_F(MainWindowFiles, NewRestoresTheFactoryMainBlockWithoutAsking)
{
    window.image().setByte(kMarkerOffset, 0x42);
    window.image().setByte(5304, 0x42); // system parameters lie outside the main block
    window.setStatusPanel(0, folder.file("some.cnt"));
    trigger(window, "FileNew1");

    EXPECT_EQ(script.unexpected, 0);
    EXPECT_EQ(window.image().byte(kMarkerOffset), buildFactoryImage().byte(kMarkerOffset));
    EXPECT_EQ(window.image().byte(5304), 0x42);
    EXPECT_EQ(window.statusPanel(0), QStringLiteral("default.cnt"));
}
