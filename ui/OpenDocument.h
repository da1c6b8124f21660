#pragma once
// The configuration file the window shows and whether the configuration
// differs from it: the window title names the file and marks unsaved changes,
// and closing asks to save them into a file the user named.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

class QTimer;

namespace vrm {

class ConfigImage;

class OpenDocument : public QObject {
    Q_OBJECT
public:
    // The configuration as the controls show it now (the image with the shown
    // page's controls stored into a copy), checked while the window runs.
    using CurrentImage = std::function<ConfigImage()>;

    OpenDocument(QString workingFile, CurrentImage current, QObject* parent = nullptr);

    // The configuration in `image` now matches the file at `path` (loaded or saved).
    void setFile(const QString& path, const ConfigImage& image);

    QString path() const { return path_; }
    // True for the working file that closing saves by itself.
    bool isWorkingFile() const;
    // The file's part of the image differs from the file as last loaded or saved.
    bool modified() const;
    // Looks at the controls again now.
    void refresh();

    // "name.cnt* — caption": the file's name, a star for unsaved changes.
    static QString title(const QString& path, bool modified, const QString& caption);

signals:
    // After setFile() and whenever the modified state turns.
    void stateChanged(const QString& path, bool modified);

private:
    QString workingFile_;
    CurrentImage current_;
    QString path_;
    QByteArray saved_;
    bool modified_ = false;
    QTimer* timer_ = nullptr;
};

} // namespace vrm
