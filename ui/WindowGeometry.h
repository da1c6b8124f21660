#pragma once
// Remembers the main window's place, size and splitter position per user and
// puts them back at the next start, on a screen where the window fits.

#include <QList>
#include <QRect>
#include <QSize>

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

// The window at its first start (nothing saved): its geometry, centred in
// the screen's available area, and the width of its page tree.
struct FirstWindowLayout {
    QRect geometry;
    int treeWidth = 0;
};

// What the first size is made of: the tree's width that shows each of its
// texts whole, and what the window's own parts take beside the pages (the
// splitter handle across; menu, tool bar and status bar down).
struct WindowParts {
    int treeTextWidth = 0;
    QSize chrome;
};

// The pages get the room they are laid out for and the tree the width of its
// texts, within the available area less a window frame. Where the area is
// narrower, the tree gives up width first, down to its least width, and elides
// its longest texts; where it is shorter, the window is as tall as it can be.
FirstWindowLayout firstWindowLayout(const QRect& available, const WindowParts& parts);

// The page area the first window gives the pages: every page is laid out
// within this width with room for a scroll bar beside it, and the status page
// whole within this height.
inline constexpr QSize kFirstPageArea(760, 600);
// The least width of the page tree (its width in the original form).
inline constexpr int kLeastTreeWidth = 209;

} // namespace vrm
