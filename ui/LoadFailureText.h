#pragma once
// What the window says when a configuration file does not load; the same
// words from File > Open, a file given on the command line or dropped, a
// recent file, a backup and a compare with a file.

#include <QString>

#include "model/ConfigFile.h"

namespace vrm {

// Empty for LoadResult::Loaded.
QString loadFailureText(LoadResult result);
// The title of those messages and of the open dialog.
QString openConfigurationTitle();

} // namespace vrm
