#include "ui/pages/io/inputs/InputItems.h"

namespace vrm::inputs {

QStringList actionItems()
{
    QStringList items{QStringLiteral("нет реакции"), QStringLiteral("включить"), QStringLiteral("выключить")};
    for (int n = 1; n <= 14; ++n)
        items << QStringLiteral("сценарий %1").arg(n);
    return items;
}

QStringList outputLabels()
{
    return {QStringLiteral("Реле 1"),  QStringLiteral("Реле 2"),  QStringLiteral("Выход 1"), QStringLiteral("Выход 2"),
            QStringLiteral("Выход 3"), QStringLiteral("Выход 4"), QStringLiteral("Выход 5")};
}

QStringList stateNameSuggestions()
{
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
