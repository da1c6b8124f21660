#pragma once
// Lets a configuration file dropped on the window open as if chosen in the
// open dialog: a watcher on the window accepts drags that carry one local
// .cnt file.

#include <QObject>

class QMimeData;
class QWidget;

namespace vrm {

class FileDrop : public QObject {
    Q_OBJECT
public:
    // Accepts drops on `window` from now on; the watcher is the window's child.
    explicit FileDrop(QWidget* window);

    // The local .cnt file the drag carries; empty for anything else (several
    // files, remote addresses, other types).
    static QString configurationFile(const QMimeData* data);

signals:
    void fileDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vrm
