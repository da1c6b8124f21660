#pragma once
// The configuration file named on the command line ("vrm530-config FILE.cnt"),
// opened once the window has started as if chosen in the open dialog.

#include <QString>
#include <QStringList>

namespace vrm {

// The first argument after the program name that is not an option, as a
// local path ("file:" addresses from launchers included); empty when none.
QString startupFile(const QStringList& arguments);

} // namespace vrm
