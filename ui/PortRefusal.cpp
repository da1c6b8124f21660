#include "ui/PortRefusal.h"

#include "model/UiText.h"

namespace vrm {

QString portRefusalMessage(const QString& portName, const PortAccess& access)
{
    if (!access.permissionDenied)
        return {};
    // Serial devices belong to the "dialout" group on Debian and its kin; the
    // device's own group is named when the system tells it.
    const QString group = access.deviceGroup.isEmpty() || access.deviceGroup == QLatin1String("root")
                              ? QStringLiteral("dialout")
                              : access.deviceGroup;
    return Ui::tr("Нет доступа к порту %1 (%2): у пользователя нет прав на чтение и запись этого "
                  "устройства.\n\n"
                  "Доступ даёт членство в группе \"%3\". Выполните в терминале\n"
                  "    sudo usermod -aG %3 $USER\n"
                  "и затем выйдите из системы и войдите снова.")
        .arg(portName, access.devicePath, group);
}

QString portRefusalMessage(const QString& portName)
{
    return portRefusalMessage(portName, checkPortAccess(portName));
}

} // namespace vrm
