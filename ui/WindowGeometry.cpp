#include "ui/WindowGeometry.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSplitter>
#include <algorithm>

#include "ui/UserSettings.h"

namespace vrm {

namespace {

const QString kGeometry = QStringLiteral("window/geometry");
const QString kMaximized = QStringLiteral("window/maximized");
const QString kSplitter = QStringLiteral("window/splitter");
// A title bar and borders, which the window's own size leaves out.
constexpr QSize kFrameAllowance(16, 48);

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

FirstWindowLayout firstWindowLayout(const QRect& available, const WindowParts& parts)
{
    const QSize room = (available.size() - kFrameAllowance).expandedTo(QSize(0, 0));
    const int wantedTree = std::max(kLeastTreeWidth, parts.treeTextWidth);
    const QSize wanted(wantedTree + parts.chrome.width() + kFirstPageArea.width(),
                       parts.chrome.height() + kFirstPageArea.height());
    const QSize size = wanted.boundedTo(room);
    // On a screen too narrow even for the least tree, a third of the width.
    const int leastTree = std::min(kLeastTreeWidth, size.width() / 3);
    const int treeWidth = std::clamp(size.width() - parts.chrome.width() - kFirstPageArea.width(), leastTree, wantedTree);
    QRect geometry(QPoint(0, 0), size);
    geometry.moveCenter(available.center());
    return {geometry, treeWidth};
}

} // namespace vrm
