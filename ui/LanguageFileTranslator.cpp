#include "ui/LanguageFileTranslator.h"

#include <QCoreApplication>

#include "ui/LanguageFile.h"

namespace vrm {

LanguageFileTranslator::LanguageFileTranslator(LanguageReplacements replacements, QObject* parent)
    : QTranslator(parent), replacements_(std::move(replacements))
{
}

LanguageFileTranslator::~LanguageFileTranslator()
{
    QCoreApplication::removeTranslator(this);
}

std::unique_ptr<LanguageFileTranslator> LanguageFileTranslator::installFrom(const QString& path)
{
    const std::optional<QStringList> lines = readLanguageFile(path);
    if (!lines)
        return nullptr;
    auto translator = std::make_unique<LanguageFileTranslator>(languageReplacements(*lines));
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

QString LanguageFileTranslator::translate(const char*, const char* sourceText, const char* disambiguation,
                                          int) const
{
    // A null answer lets the next translator (or the source text) speak.
    const auto found = replacements_.constFind({QString::fromUtf8(sourceText), QString::fromUtf8(disambiguation)});
    return found == replacements_.constEnd() ? QString() : *found;
}

} // namespace vrm
