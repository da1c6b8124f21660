#include "model/TimeZoneNames.h"

#include "model/UiText.h"
#include "model/layout/Items.h"

#include <QMap>

namespace vrm {

QStringList timeZoneNames()
{
    return timeZoneItems(true);
}

QStringList timeZoneItems(bool translate)
{
    const auto shown = [translate](const char* text) { return translate ? Ui::tr(text) : QString::fromUtf8(text); };
    static const QMap<int, const char*> places{
        {2, QT_TRANSLATE_NOOP("Ui", "Киев, Харьков")},
        {3, QT_TRANSLATE_NOOP("Ui", "Москва, Санкт-Петербург, Тула")},
        {4, QT_TRANSLATE_NOOP("Ui", "Ижевск, Самара")},
        {5, QT_TRANSLATE_NOOP("Ui", "Екатеринбург")},
        {6, QT_TRANSLATE_NOOP("Ui", "Омск, Новосибирск, Алма-Ата")},
        {7, QT_TRANSLATE_NOOP("Ui", "Красноярск")},
        {8, QT_TRANSLATE_NOOP("Ui", "Иркутск")},
        {9, QT_TRANSLATE_NOOP("Ui", "Якутск")},
        {10, QT_TRANSLATE_NOOP("Ui", "Владивосток")},
    };
    QStringList names;
    for (int h = kTimeZoneOffsetMin; h <= kTimeZoneOffsetMax; ++h) {
        if (h < 0)
            names << QStringLiteral("(GMT%1:00)").arg(h);
        else if (h == 0)
            names << shown(QT_TRANSLATE_NOOP("Ui", "(GMT) Время по Гринвичу: Дублин, Лондон"));
        else if (const char* place = places.value(h))
            names << QStringLiteral("(GMT+%1:00) ").arg(h) + shown(place);
        else
            names << QStringLiteral("(GMT+%1:00)").arg(h);
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
