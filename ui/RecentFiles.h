#pragma once
// The File menu's list of recently opened and saved configuration files, newest
// first, kept per user so that it survives a restart.

#include <QObject>
#include <QStringList>

class QMenu;

namespace vrm {

class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxFiles = 8;

    // Fills `menu` (a submenu of File) with the saved list.
    explicit RecentFiles(QMenu* menu, QObject* parent = nullptr);

    QStringList files() const { return files_; }
    // Puts `path` first (once) and saves the list.
    void add(const QString& path);
    void remove(const QString& path);
    void clear();

signals:
    // The user chose a file from the menu.
    void openRequested(const QString& path);

private:
    void save() const;
    void rebuildMenu();

    QMenu* menu_;
    QStringList files_;
};

} // namespace vrm
