#include "model/TimeZoneNames.h"

#include <QMap>

namespace vrm {

QStringList timeZoneNames()
{
    static const QMap<int, QString> places{
        {2, QStringLiteral(" Киев, Харьков")},       {3, QStringLiteral(" Москва, Санкт-Петербург, Тула")},
        {4, QStringLiteral(" Ижевск, Самара")},      {5, QStringLiteral(" Екатеринбург")},
        {6, QStringLiteral(" Омск, Новосибирск, Алма-Ата")}, {7, QStringLiteral(" Красноярск")},
        {8, QStringLiteral(" Иркутск")},             {9, QStringLiteral(" Якутск")},
        {10, QStringLiteral(" Владивосток")},
    };
    QStringList names;
    for (int h = kTimeZoneOffsetMin; h <= kTimeZoneOffsetMax; ++h) {
        if (h < 0)
            names << QStringLiteral("(GMT%1:00)").arg(h);
        else if (h == 0)
            names << QStringLiteral("(GMT) Время по Гринвичу: Дублин, Лондон");
        else
            names << QStringLiteral("(GMT+%1:00)").arg(h) + places.value(h);
    }
    return names;
}

std::optional<int> timeZoneIndex(int8_t offset)
{
    if (offset < kTimeZoneOffsetMin || offset > kTimeZoneOffsetMax)
        return std::nullopt;
    return offset - kTimeZoneOffsetMin;
}

int8_t timeZoneOffset(int index)
{
    return int8_t(index + kTimeZoneOffsetMin);
}

} // namespace vrm
