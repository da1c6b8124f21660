#pragma once
// The interface language: Russian, built in, or the English translation
// embedded in the program. The choice is kept per user and applies at the next
// start; `--language ru|en` overrides it for one run.

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace vrm {

namespace language {
inline const QString russian = QStringLiteral("ru");
inline const QString english = QStringLiteral("en");
} // namespace language

QStringList interfaceLanguages();

// The language of this run: `commandLine` when it names a language, else the
// user's remembered choice, else Russian.
QString chosenInterfaceLanguage(const QString& commandLine = {});

// Kept for the next start.
QString rememberedInterfaceLanguage();
void rememberInterfaceLanguage(const QString& code);

// Installs the translation of `code` into the application (Russian needs none).
// False when the translation is missing from the program.
bool installInterfaceLanguage(QCoreApplication& app, const QString& code);
// Takes back what installInterfaceLanguage installed: the interface is Russian again.
void removeInterfaceLanguage(QCoreApplication& app);

} // namespace vrm
