#include "ui/InterfaceLanguage.h"

#include "ui/UserSettings.h"

namespace vrm {

namespace {

const QString kSettingsKey = QStringLiteral("interface/language");

} // namespace

QString rememberedInterfaceLanguage()
{
    const QString code = userSettings()->value(kSettingsKey).toString();
    return interfaceLanguages().contains(code) ? code : language::russian;
}

void rememberInterfaceLanguage(const QString& code)
{
    if (interfaceLanguages().contains(code))
        userSettings()->setValue(kSettingsKey, code);
}

QString chosenInterfaceLanguage(const QString& commandLine)
{
    return interfaceLanguages().contains(commandLine) ? commandLine : rememberedInterfaceLanguage();
}

} // namespace vrm
