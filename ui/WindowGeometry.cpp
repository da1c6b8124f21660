#include "ui/WindowGeometry.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSplitter>

#include "ui/UserSettings.h"

namespace vrm {

namespace {

const QString kGeometry = QStringLiteral("window/geometry");
const QString kMaximized = QStringLiteral("window/maximized");
const QString kSplitter = QStringLiteral("window/splitter");

QList<QRect> availableAreas()
{
    QList<QRect> areas;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        areas << primary->availableGeometry();
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            areas << screen->availableGeometry();
    }
    return areas;
}

} // namespace

void saveWindowGeometry(const QMainWindow& window, const QSplitter& splitter)
{
    auto settings = userSettings();
    // The normal geometry, so that a maximised window comes back to its own size when restored.
    settings->setValue(kGeometry, window.isMaximized() ? window.normalGeometry() : window.geometry());
    settings->setValue(kMaximized, window.isMaximized());
    settings->setValue(kSplitter, splitter.saveState());
}

bool restoreWindowGeometry(QMainWindow& window, QSplitter& splitter)
{
    auto settings = userSettings();
    const QRect saved = settings->value(kGeometry).toRect();
    if (!saved.isValid())
        return false;
    const QRect fitted = fittedGeometry(saved, availableAreas());
    window.setGeometry(fitted);
    splitter.restoreState(settings->value(kSplitter).toByteArray());
    if (settings->value(kMaximized).toBool())
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    return true;
}

QRect fittedGeometry(const QRect& saved, const QList<QRect>& availableAreas)
{
    for (const QRect& area : availableAreas) {
        if (area.contains(saved))
            return saved;
    }
    if (availableAreas.isEmpty())
        return saved;
    const QRect area = availableAreas.constFirst();
    QRect fitted(QPoint(0, 0), saved.size().boundedTo(area.size()));
    fitted.moveCenter(area.center());
    return fitted;
}

} // namespace vrm
