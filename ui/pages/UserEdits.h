#pragma once
// One place that hears every edit a user makes on a page, whatever control
// makes it, so that the window's unsaved mark needs no polling.

#include <functional>

class QObject;
class QWidget;

namespace vrm {

// Calls `edited` after each edit of a control under `root` as the controls
// are now: a text typed, an item chosen, a box or button clicked, a track
// bar or spin box moved, a grid cell changed. Text edits, combo boxes and
// buttons answer the user only; the others also answer a value set by code
// (a show step, an interlock), which the caller may ignore while it shows.
// Connected after the page's own handlers, so that `edited` sees their work.
void connectUserEdits(QWidget* root, QObject* context, const std::function<void()>& edited);

} // namespace vrm
