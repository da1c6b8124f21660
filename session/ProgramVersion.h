#pragma once
// The project's one version (CMake's project(... VERSION ...), the Debian
// package's too) and what `--version` prints, the same for the three programs:
// the program's name with that version, then the firmware identifications the
// tool can configure.

#include <QString>

namespace vrm {

QString projectVersion();

// `firmwareCaption` heads the list in the program's own language.
QString programVersionText(const QString& program, const QString& firmwareCaption);

} // namespace vrm
