#include "ui/BackupsDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/ConfigBackups.h"
#include "model/ConfigFile.h"
#include "model/UiText.h"
#include "session/OperationHost.h"
#include "ui/LoadFailureText.h"
#include "model/ShownName.h"

namespace vrm {
namespace {

QString dialogTitle()
{
    return Ui::tr("Резервные копии");
}

// The kinds the model names a backup by, translated where shown.
[[maybe_unused]] const char* const kBackupKinds[] = {QT_TRANSLATE_NOOP("Ui", "считана"),
                                                     QT_TRANSLATE_NOOP("Ui", "запрограммирована")};

} // namespace

BackupsDialog::BackupsDialog(OperationHost& host, QWidget* parent, CompareWithFile compare, OpenFile open)
    : QDialog(parent), host_(host), compareWithFile_(std::move(compare)), openFile_(std::move(open))
{
    setObjectName(QStringLiteral("BackupsDialog"));
    setWindowTitle(dialogTitle());
    resize(620, 380);

    auto* layout = new QVBoxLayout(this);
    auto* folder = new QLabel(Ui::tr("Папка: %1").arg(QDir::toNativeSeparators(host.backupFolder())), this);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(folder);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("BackupsTree"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({Ui::tr("Контроллер (IMEI)"), Ui::tr("Дата и время"),
                            Ui::tr("Конфигурация")});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(list_, 1);

    empty_ = new QLabel(Ui::tr("Резервных копий пока нет: они появляются при считывании и "
                               "программировании конфигурации контроллера."),
                        this);
    empty_->setWordWrap(true);
    layout->addWidget(empty_);

    auto* buttons = new QDialogButtonBox(this);
    open_ = buttons->addButton(Ui::tr("Открыть"), QDialogButtonBox::AcceptRole);
    open_->setObjectName(QStringLiteral("BackupsOpen"));
    if (compareWithFile_) {
        compare_ = buttons->addButton(Ui::tr("Сравнить с текущей"), QDialogButtonBox::ActionRole);
        compare_->setObjectName(QStringLiteral("BackupsCompare"));
        connect(compare_, &QPushButton::clicked, this, &BackupsDialog::compareSelected);
    }
    buttons->addButton(Ui::tr("Закрыть", "backups"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (openSelected())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemActivated, this, [this] {
        if (openSelected())
            accept();
    });
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] {
        open_->setEnabled(list_->currentItem());
        if (compare_)
            compare_->setEnabled(list_->currentItem());
    });
    fill();
}

void BackupsDialog::fill()
{
    const QList<BackupEntry> entries = listBackups(host_.backupFolder());
    for (const BackupEntry& entry : entries) {
        auto* item = new QTreeWidgetItem(list_, {entry.imei, entry.when.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")),
                                                 translatedText(backupKindText(entry.kind))});
        item->setData(0, Qt::UserRole, entry.path);
        item->setToolTip(0, QDir::toNativeSeparators(entry.path));
    }
    list_->setVisible(!entries.isEmpty());
    empty_->setVisible(entries.isEmpty());
    if (!entries.isEmpty())
        list_->setCurrentItem(list_->topLevelItem(0));
    open_->setEnabled(!entries.isEmpty());
    if (compare_)
        compare_->setEnabled(!entries.isEmpty());
}

void BackupsDialog::compareSelected()
{
    if (const QTreeWidgetItem* item = list_->currentItem(); item && compareWithFile_)
        compareWithFile_(item->data(0, Qt::UserRole).toString());
}

bool BackupsDialog::openSelected()
{
    const QTreeWidgetItem* item = list_->currentItem();
    if (!item)
        return false;
    const QString path = item->data(0, Qt::UserRole).toString();
    if (openFile_)
        return openFile_(path);
    const LoadResult result = readConfigFile(path, host_.image());
    if (result != LoadResult::Loaded) {
        QMessageBox::warning(this, openConfigurationTitle(), loadFailureText(result), QMessageBox::Ok);
        return false;
    }
    host_.showShownPage();
    host_.setStatusPanel(0, path);
    return true;
}

QAction* createBackupsAction(OperationHost& host, QWidget* window, QAction* fileOpen,
                             BackupsDialog::CompareWithFile compare, BackupsDialog::OpenFile open)
{
    auto* action = new QAction(Ui::tr("Резервные копии…"), window);
    action->setObjectName(QStringLiteral("BackupsList"));
    action->setStatusTip(Ui::tr("Конфигурации, считанные из контроллеров и записанные в них"));
    // Opening one replaces the image: not while a device operation runs.
    action->setEnabled(fileOpen->isEnabled());
    QObject::connect(fileOpen, &QAction::enabledChanged, action, &QAction::setEnabled);
    QObject::connect(action, &QAction::triggered, window, [&host, window, compare, open] {
        BackupsDialog dialog(host, window, compare, open);
        dialog.exec();
    });
    return action;
}

} // namespace vrm
