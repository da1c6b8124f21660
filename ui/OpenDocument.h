#pragma once
// The configuration file the window shows and whether the configuration
// differs from it: the window title names the file and marks unsaved changes,
// and closing asks to save them into a file the user named.
//
// The mark follows what changes the configuration: an edit of a page's
// control, a file loaded or saved, an operation that replaces the image. It
// looks at the controls only then, so an idle window does nothing for it.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

namespace vrm {

class ConfigImage;

class OpenDocument : public QObject {
    Q_OBJECT
public:
    // The configuration as the controls show it now: the image with the shown
    // page's controls stored into a copy.
    using CurrentImage = std::function<ConfigImage()>;

    OpenDocument(QString workingFile, CurrentImage current, QObject* parent = nullptr);

    // The controls show the file at `path` now (just loaded or saved).
    void setFile(const QString& path);
    // A show step put `image` into the shown page's controls (a page entered,
    // the image replaced). Showing is no edit: where the image still holds
    // just the file, what the page makes of it (a value it cannot show, stored
    // back as it can) counts as the file.
    void imageShown(const ConfigImage& image);
    // The user edited a control: looks now, and once more after the handlers
    // of the edit have run (a text change a page answers to, say).
    void edited();

    QString path() const { return path_; }
    // True for the working file that closing saves by itself.
    bool isWorkingFile() const;
    // The file's part of the configuration as the controls show it differs
    // from the file as last loaded or saved.
    bool modified() const;
    // Looks at the controls again now.
    void refresh();

    // "name.cnt* — caption": the file's name, a star for unsaved changes.
    static QString title(const QString& path, bool modified, const QString& caption);

signals:
    // After setFile() and whenever the modified state turns.
    void stateChanged(const QString& path, bool modified);

private:
    void update(const QByteArray& current);

    QString workingFile_;
    CurrentImage current_;
    QString path_;
    // The file as the controls show it.
    QByteArray saved_;
    bool modified_ = false;
    bool refreshPosted_ = false;
};

} // namespace vrm
