#include "ui/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "model/UiText.h"
#include "ui/UserSettings.h"

namespace vrm {

namespace {

const QString kKey = QStringLiteral("recentFiles");

QString normalised(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

RecentFiles::RecentFiles(QMenu* menu, QObject* parent) : QObject(parent), menu_(menu)
{
    for (const QString& path : userSettings()->value(kKey).toStringList()) {
        if (!path.isEmpty() && !files_.contains(path) && files_.size() < kMaxFiles)
            files_ << path;
    }
    rebuildMenu();
}

void RecentFiles::add(const QString& path)
{
    const QString file = normalised(path);
    files_.removeAll(file);
    files_.prepend(file);
    while (files_.size() > kMaxFiles)
        files_.removeLast();
    save();
    rebuildMenu();
}

void RecentFiles::remove(const QString& path)
{
    if (files_.removeAll(normalised(path)) > 0) {
        save();
        rebuildMenu();
    }
}

void RecentFiles::clear()
{
    files_.clear();
    save();
    rebuildMenu();
}

void RecentFiles::save() const
{
    userSettings()->setValue(kKey, files_);
}

void RecentFiles::rebuildMenu()
{
    menu_->clear();
    int number = 1;
    for (const QString& path : files_) {
        // "&1 name.cnt" with the folder as the hint; && keeps a literal & in a name.
        QString caption = QFileInfo(path).fileName();
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = menu_->addAction(number <= 9 ? QStringLiteral("&%1 %2").arg(number).arg(caption) : caption);
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
        action->setData(path);
        // Queued: opening rebuilds this menu, which deletes the action still emitting.
        connect(action, &QAction::triggered, this, [this, path] { emit openRequested(path); },
                Qt::QueuedConnection);
        ++number;
    }
    if (!files_.isEmpty()) {
        menu_->addSeparator();
        QAction* clearAction = menu_->addAction(Ui::tr("Очистить список"));
        clearAction->setObjectName(QStringLiteral("RecentFilesClear"));
        connect(clearAction, &QAction::triggered, this, &RecentFiles::clear, Qt::QueuedConnection);
    }
    menu_->setEnabled(!files_.isEmpty());
}

} // namespace vrm
