#include "model/ShownName.h"

#include <QRegularExpression>
#include <QStringList>

#include "model/UiText.h"

namespace vrm {

namespace {

const QString kPartSeparator = QStringLiteral(" · ");

QString translatedPart(const QString& part)
{
    const QString whole = translatedText(part);
    if (whole != part)
        return whole;
    static const QRegularExpression numbered(QStringLiteral("^(.*\\S) (\\d+)$"));
    const QRegularExpressionMatch match = numbered.match(part);
    if (!match.hasMatch())
        return part;
    const QString pattern = match.captured(1) + QStringLiteral(" %1");
    const QString translatedPattern = translatedText(pattern);
    if (translatedPattern != pattern)
        return translatedPattern.arg(match.captured(2));
    // "Реле 1 · ... · Шаги 3": the caption is translated and its element number kept.
    const QString caption = translatedText(match.captured(1));
    return caption == match.captured(1) ? part : caption + QLatin1Char(' ') + match.captured(2);
}

} // namespace

QString translatedText(const QString& text)
{
    if (text.isEmpty())
        return text;
    const QByteArray source = text.toUtf8();
    return Ui::tr(source.constData());
}

QString translatedFieldName(const QString& name)
{
    QStringList parts = name.split(kPartSeparator);
    for (QString& part : parts)
        part = translatedPart(part);
    return parts.join(kPartSeparator);
}

} // namespace vrm
