#pragma once
// The translations of the interface texts (context "Ui"): Russian is built in,
// English is embedded in every program that links the model, so the window and
// the command-line tool speak the same translation without widgets.

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace vrm {

namespace language {
inline const QString russian = QStringLiteral("ru");
inline const QString english = QStringLiteral("en");
} // namespace language

QStringList interfaceLanguages();

// Installs the translation of `code` into the application (Russian needs none).
// False when the translation is missing from the program.
bool installInterfaceLanguage(QCoreApplication& app, const QString& code);
// Takes back what installInterfaceLanguage installed: the interface is Russian again.
void removeInterfaceLanguage(QCoreApplication& app);

} // namespace vrm
