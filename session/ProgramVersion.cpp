#include "session/ProgramVersion.h"

#include "session/IdentityRecord.h"

namespace vrm {

QString projectVersion()
{
    return QStringLiteral(VRM_PROJECT_VERSION);
}

QString programVersionText(const QString& program, const QString& firmwareCaption)
{
    return program + QLatin1Char(' ') + projectVersion() + QLatin1Char('\n') + firmwareCaption + QStringLiteral(": ")
           + identity::supportedFirmware().join(QStringLiteral(", "));
}

} // namespace vrm
