#include "ui/pages/io/inputs/InputItems.h"

namespace vrm::inputs {

QStringList stateNameSuggestions()
{
    // Texts for the image (sent in messages), offered in both languages: not translated.
    return {QStringLiteral("ДВИЖЕНИЕ"), QStringLiteral("ДЫМ"),   QStringLiteral("АКТИВЕН"), QStringLiteral("ОТКРЫТА"),
            QStringLiteral("ЗАКРЫТА"),  QStringLiteral("НОРМА"), QStringLiteral("ON"),      QStringLiteral("OFF"),
            QStringLiteral("OPEN"),     QStringLiteral("CLOSE"), QStringLiteral("MOVE"),    QStringLiteral("SMOKE"),
            QStringLiteral("CLEAR")};
}

QStringList steppedItems(int first, int last, int step, const QString& unit)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(step * n) + unit;
    return items;
}

} // namespace vrm::inputs
