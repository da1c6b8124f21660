// Automatic backups of what Read and Program moved, against vrm530-sim, and
// the File menu's list of them.
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTreeWidget>

#include "e2e/EndToEndFixture.h"
#include "ui/MainWindowFixture.h"
#include "model/ConfigBackups.h"
#include "model/ConfigFile.h"
#include <QPushButton>
#include "ui/BackupsDialog.h"
#include "ui/FieldCompareActions.h"
#include "ui/FieldDifferencesWindow.h"

using namespace vrm;
using namespace vrm::test;

namespace {

const QString kImei = QStringLiteral("351234567890125"); // the simulator's

QByteArray backupBlock(const QString& path)
{
    ConfigImage image = buildFactoryImage();
    EXPECT_EQ(readConfigFile(path, image), LoadResult::Loaded) << path.toStdString();
    return QByteArray(reinterpret_cast<const char*>(image.data()), kMainSize);
}

} // namespace

class Backups : public EndToEnd {
protected:
    QString folder() const { return dir_.filePath(QString::fromLatin1(kBackupFolderName)); }
};

TEST_F(Backups, ReadAndProgramEachLeaveOneBackupWithTheExactBlock)
{
    QByteArray main = factoryMain();
    main[100] = char(0x5A);
    main[3000] = char(0xA5);
    prepareMainArea(main);
    start();

    trigger("ReadConf");
    ASSERT_EQ(actionText(), QStringLiteral("Данные считаны"));
    QList<BackupEntry> entries = listBackups(folder());
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].kind, BackupKind::Read);
    EXPECT_EQ(entries[0].imei, kImei);
    EXPECT_LE(qAbs(entries[0].when.secsTo(QDateTime::currentDateTime())), 10);
    EXPECT_EQ(backupBlock(entries[0].path), main);

    // The installer's edits and a password: the backup holds what was
    // programmed, less the password that no file carries.
    form_->image().setByte(5000, 0x33);
    setImagePassword("secret");
    trigger("Programm");
    ASSERT_EQ(actionText(), QStringLiteral("Перезагрузка устройства инициированна"));
    entries = listBackups(folder());
    ASSERT_EQ(entries.size(), 2);
    const auto programmed = std::find_if(entries.begin(), entries.end(),
                                         [](const BackupEntry& e) { return e.kind == BackupKind::Programmed; });
    ASSERT_NE(programmed, entries.end());
    QByteArray expected = storedMainArea();
    ASSERT_EQ(expected.mid(20, 6), QByteArray("secret"));
    expected.replace(20, 9, QByteArray(9, '\0'));
    EXPECT_EQ(backupBlock(programmed->path), expected);
    EXPECT_EQ(char(expected[5000]), char(0x33));
}

TEST_F(Backups, AFolderThatCannotBeWrittenLeavesTheOperationSuccessfulWithOneWarning)
{
    QByteArray main = factoryMain();
    main[200] = char(0x77);
    prepareMainArea(main);
    QFile blocker(folder()); // a file where the folder belongs
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    start();

    int warnings = 0;
    QString warning;
    ModalScript modals;
    modals.then([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        ++warnings;
        warning = box->text();
        box->accept();
    });
    trigger("ReadConf");
    EXPECT_EQ(actionText(), QStringLiteral("Данные считаны"));
    EXPECT_EQ(imageMain(), main);
    EXPECT_EQ(warnings, 1);
    EXPECT_TRUE(warning.contains(QDir::toNativeSeparators(folder()))) << warning.toStdString();

    // Told once: the next failing backup passes in silence.
    trigger("ReadConf");
    EXPECT_EQ(actionText(), QStringLiteral("Данные считаны"));
    test::waitUntil([] { return false; }, 200);
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(modals.unexpected, 0);
}

TEST_F(Backups, TheFileMenuListsThemAndOpensOne)
{
    QByteArray main = factoryMain();
    main[300] = char(0x42);
    prepareMainArea(main);
    start();
    trigger("ReadConf");
    form_->image() = buildFactoryImage();

    auto* action = form_->findChild<QAction*>(QStringLiteral("BackupsList"));
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->isEnabled());
    // Opened as the window opens any configuration file.
    BackupsDialog dialog(*form_, form_.get(), {}, [this](const QString& path) { return form_->openConfigurationFile(path); });
    QTreeWidget* list = dialog.list();
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(0), kImei);
    EXPECT_EQ(list->topLevelItem(0)->text(2), QStringLiteral("считана"));
    ASSERT_TRUE(dialog.openSelected());
    EXPECT_EQ(imageMain(), main);
    EXPECT_TRUE(form_->statusPanel(0).endsWith(QStringLiteral("_read.cnt")));
    EXPECT_TRUE(form_->windowTitle().contains(QStringLiteral("_read.cnt"))) << form_->windowTitle().toStdString();

    // "Сравнить с текущей" lists the fields in which the backup differs from the tool's configuration.
    form_->image() = buildFactoryImage();
    BackupsDialog comparing(*form_, form_.get(),
                            [this](const QString& path) { compareWithConfigurationFile(*form_, path); });
    comparing.list()->setCurrentItem(comparing.list()->topLevelItem(0));
    auto* compare = comparing.findChild<QPushButton*>(QStringLiteral("BackupsCompare"));
    ASSERT_NE(compare, nullptr);
    compare->click();
    auto* differences = form_->findChild<FieldDifferencesWindow*>();
    ASSERT_NE(differences, nullptr);
    // Byte 300 lies in connection 7's record (page 8): its fields and bits there, nothing else.
    const int rows = differences->list()->topLevelItemCount();
    ASSERT_GE(rows, 1);
    for (int row = 0; row < rows; ++row)
        EXPECT_EQ(differences->list()->topLevelItem(row)->text(0), QStringLiteral("8")) << row;
    EXPECT_EQ(differences->list()->topLevelItem(0)->text(1), QStringLiteral("Соединение 7 · Приоритет транспорта"));
    EXPECT_TRUE(differences->windowTitle().contains(QStringLiteral("_read.cnt")))
        << differences->windowTitle().toStdString();

    // Locked with the file actions while an operation runs.
    form_->setControllerActionsEnabled(false);
    EXPECT_FALSE(action->isEnabled());
}
