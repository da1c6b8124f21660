#pragma once
// The per-user settings store of the tool (window place, recent files), kept
// apart from the working files of the start-up folder.

#include <QSettings>
#include <memory>

namespace vrm {

std::unique_ptr<QSettings> userSettings();

} // namespace vrm
