#pragma once
// Every interface text is written in Russian and goes through one translation
// context, "Ui": Ui::tr("Вход") in code, QT_TRANSLATE_NOOP("Ui", "Вход") where
// the text is only declared (tables, field names) and translated where shown.
// One context means a text is translated once wherever it appears, and the
// language file can replace it by its Russian source. A text spelled like one
// of another place that has its own line in the language file takes a
// disambiguation: Ui::tr("Реле 1", "output name").
#include <QCoreApplication>
#include <QStringList>

namespace vrm {

struct Ui {
    Q_DECLARE_TR_FUNCTIONS(Ui)
};

// Each of `sources` (Russian texts) as shown.
inline QStringList translatedAll(const QStringList& sources)
{
    QStringList shown;
    shown.reserve(sources.size());
    for (const QString& source : sources)
        shown << Ui::tr(source.toUtf8().constData());
    return shown;
}

} // namespace vrm
