#pragma once
// The window's interface language: the user's choice is kept per user and
// applies at the next start; `--language ru|en` overrides it for one run. The
// translations themselves are the model's (model/UiTranslation.h).

#include <QString>

#include "model/UiTranslation.h"

namespace vrm {

// The language of this run: `commandLine` when it names a language, else the
// user's remembered choice, else Russian.
QString chosenInterfaceLanguage(const QString& commandLine = {});

// Kept for the next start.
QString rememberedInterfaceLanguage();
void rememberInterfaceLanguage(const QString& code);

} // namespace vrm
