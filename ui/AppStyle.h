#pragma once
// The application style: Fusion, with the elements that cost most to paint
// drawn as plain filled rectangles.
//
// Qt's raster engine hands a fill of more than about a hundred scan lines to
// worker threads and waits for them; Fusion draws group frames by scaling a
// picture, and scroll bars, progress bars and the main tool bar with long
// one-pixel lines and tall gradients, each of which takes that path. On a
// machine where waking a thread is dear, those hand-overs made up more than
// half of a page switch. Other base styles are left as they are.

class QApplication;
class QStyle;

namespace vrm {

// Sets the application style when the platform's own is Fusion.
void useAppStyle(QApplication& app);
// The style itself, over Fusion; the caller owns it.
QStyle* newAppStyle();

} // namespace vrm
