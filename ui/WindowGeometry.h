#pragma once
// Remembers the main window's place, size and splitter position per user and
// puts them back at the next start, on a screen where the window fits.

#include <QList>
#include <QRect>

class QMainWindow;
class QSplitter;

namespace vrm {

void saveWindowGeometry(const QMainWindow& window, const QSplitter& splitter);

// False when nothing was saved: the window keeps the size and place it has.
bool restoreWindowGeometry(QMainWindow& window, QSplitter& splitter);

// Where a window saved at `saved` goes, given the screens' available areas:
// unchanged where one area holds it whole; otherwise its size, shrunk to the
// first area (the primary screen) where needed, centred there.
QRect fittedGeometry(const QRect& saved, const QList<QRect>& availableAreas);

} // namespace vrm
