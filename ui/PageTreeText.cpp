#include "ui/PageTreeText.h"

#include "model/UiText.h"

namespace vrm {

namespace {

struct TreeLine {
    int level;
    const char* text;
};

// One node per line; the level is the count of leading tabs in the tree text.
constexpr TreeLine kTreeLines[] = {
    {0, QT_TRANSLATE_NOOP("Ui", "GSM контроллер VRM530-QT")},
    {1, QT_TRANSLATE_NOOP("Ui", "Общие параметры соединений")},
    {2, QT_TRANSLATE_NOOP("Ui", "Соединение 1")},
    {2, QT_TRANSLATE_NOOP("Ui", "Соединение 2")},
    {2, QT_TRANSLATE_NOOP("Ui", "Соединение 3")},
    {2, QT_TRANSLATE_NOOP("Ui", "Соединение 4")},
    {2, QT_TRANSLATE_NOOP("Ui", "Соединение 5")},
    {2, QT_TRANSLATE_NOOP("Ui", "Соединение 6")},
    {2, QT_TRANSLATE_NOOP("Ui", "Соединение 7")},
    {2, QT_TRANSLATE_NOOP("Ui", "Соединение 8")},
    {1, QT_TRANSLATE_NOOP("Ui", "Общие параметры GPRS")},
    {2, QT_TRANSLATE_NOOP("Ui", "Сервер 1")},
    {2, QT_TRANSLATE_NOOP("Ui", "Сервер 2")},
    {2, QT_TRANSLATE_NOOP("Ui", "Сервер 3")},
    {1, QT_TRANSLATE_NOOP("Ui", "Часы, планировщик задач")},
    {1, QT_TRANSLATE_NOOP("Ui", "Питание, температура, индикация, контроль вскрытия")},
    {1, QT_TRANSLATE_NOOP("Ui", "Периметр 1")},
    {1, QT_TRANSLATE_NOOP("Ui", "Периметр 2")},
    {1, QT_TRANSLATE_NOOP("Ui", "Периметр 3")},
    {1, QT_TRANSLATE_NOOP("Ui", "Периметр 4")},
    {1, QT_TRANSLATE_NOOP("Ui", "Входы")},
    {2, QT_TRANSLATE_NOOP("Ui", "Вход 1")},
    {2, QT_TRANSLATE_NOOP("Ui", "Вход 2")},
    {2, QT_TRANSLATE_NOOP("Ui", "Вход 3")},
    {2, QT_TRANSLATE_NOOP("Ui", "Вход 4")},
    {2, QT_TRANSLATE_NOOP("Ui", "Вход 5")},
    {2, QT_TRANSLATE_NOOP("Ui", "Вход 6")},
    {2, QT_TRANSLATE_NOOP("Ui", "Вход 7")},
    {2, QT_TRANSLATE_NOOP("Ui", "Вход 8")},
    {1, QT_TRANSLATE_NOOP("Ui", "Выходы")},
    {2, QT_TRANSLATE_NOOP("Ui", "Реле 1")},
    {2, QT_TRANSLATE_NOOP("Ui", "Реле 2")},
    {2, QT_TRANSLATE_NOOP("Ui", "Выход 1")},
    {2, QT_TRANSLATE_NOOP("Ui", "Выход 2")},
    {2, QT_TRANSLATE_NOOP("Ui", "Выход 3")},
    {2, QT_TRANSLATE_NOOP("Ui", "Выход 4")},
    {2, QT_TRANSLATE_NOOP("Ui", "Выход 5")},
    {2, QT_TRANSLATE_NOOP("Ui", "Сценарии управления")},
    {1, QT_TRANSLATE_NOOP("Ui", "Профили")},
    {2, QT_TRANSLATE_NOOP("Ui", "Профиль 1")},
    {2, QT_TRANSLATE_NOOP("Ui", "Профиль 2")},
    {2, QT_TRANSLATE_NOOP("Ui", "Профиль 3")},
    {2, QT_TRANSLATE_NOOP("Ui", "Профиль 4")},
    {2, QT_TRANSLATE_NOOP("Ui", "Профиль 5")},
    {2, QT_TRANSLATE_NOOP("Ui", "Профиль 6")},
    {2, QT_TRANSLATE_NOOP("Ui", "Профиль 7")},
    {2, QT_TRANSLATE_NOOP("Ui", "Профиль 8")},
    {1, QT_TRANSLATE_NOOP("Ui", "Системные параметры")},
};

static_assert(std::size(kTreeLines) == 48);

} // namespace

QString embeddedPageTreeText()
{
    QString text;
    for (const TreeLine& line : kTreeLines)
        text += QString(line.level, QLatin1Char('\t')) + QString::fromUtf8(line.text) + QStringLiteral("\r\n");
    return text;
}

QString builtInPageTitle(int page)
{
    if (page < 0 || page >= int(std::size(kTreeLines)))
        return {};
    return Ui::tr(kTreeLines[page].text);
}

} // namespace vrm
