#include "ui/UserSettings.h"

namespace vrm {

std::unique_ptr<QSettings> userSettings()
{
    // ~/.config/vrm530/vrm530-config.conf on Linux.
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("vrm530"),
                                       QStringLiteral("vrm530-config"));
}

} // namespace vrm
