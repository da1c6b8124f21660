#include "ui/LanguagePageTexts.h"

namespace vrm {

QStringList languagePageTexts()
{
    return {};
}

} // namespace vrm
