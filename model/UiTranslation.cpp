#include "model/UiTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace vrm {

namespace {

const QString kTranslatorName = QStringLiteral("vrm530 interface translation");

} // namespace

QStringList interfaceLanguages()
{
    return {language::russian, language::english};
}

bool installInterfaceLanguage(QCoreApplication& app, const QString& code)
{
    if (code == language::russian)
        return true;
    // The translation may come in several embedded parts, one per source area.
    const QDir folder(QStringLiteral(":/i18n"));
    const QStringList parts = folder.entryList({QStringLiteral("vrm530_%1*.qm").arg(code)}, QDir::Files, QDir::Name);
    bool installed = false;
    for (const QString& part : parts) {
        auto* translator = new QTranslator(&app);
        translator->setObjectName(kTranslatorName);
        if (translator->load(folder.filePath(part)) && QCoreApplication::installTranslator(translator))
            installed = true;
        else
            delete translator;
    }
    return installed;
}

void removeInterfaceLanguage(QCoreApplication& app)
{
    for (QTranslator* translator : app.findChildren<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace vrm
