#pragma once
// The language file at work: a translator that answers each Russian text that
// a line of "lng.txt" replaces, told apart by its disambiguation, with that
// line. Installed last, it is asked before the built-in translation, so the
// file applies on top of either interface language; texts it has no line for
// pass on unchanged.

#include <QTranslator>
#include <memory>

#include "ui/LanguageLines.h"

namespace vrm {

class LanguageFileTranslator : public QTranslator {
    Q_OBJECT
public:
    explicit LanguageFileTranslator(LanguageReplacements replacements, QObject* parent = nullptr);

    // Reads `path` and installs its translator into the application; nothing
    // when it is not a language file.
    static std::unique_ptr<LanguageFileTranslator> installFrom(const QString& path);
    ~LanguageFileTranslator() override;

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return replacements_.isEmpty(); }

private:
    LanguageReplacements replacements_;
};

} // namespace vrm
