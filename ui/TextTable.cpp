#include "ui/TextTable.h"

#include "link/Transaction.h"
#include "model/FieldDomain.h"
#include "model/UiText.h"
#include "session/LiveStatus.h"

namespace vrm {

namespace {

// A built-in text; the disambiguation tells an entry from a caption of the
// same spelling, which has a line of the language file of its own.
struct Source {
    constexpr Source(const char* text, const char* disambiguation = nullptr)
        : text(text), disambiguation(disambiguation)
    {
    }
    const char* text;
    const char* disambiguation;
};

// The built-in wording, marked for translation and translated when a table is
// made: the window makes its table after the interface language is installed.
QStringList translated(std::initializer_list<Source> sources)
{
    QStringList entries;
    for (const Source& source : sources)
        entries << Ui::tr(source.text, source.disambiguation);
    return entries;
}

// `pattern` holds %1 for the number: "Выход %1" gives "Выход 1" ... "Выход 5".
QStringList numbered(const char* pattern, int first, int last)
{
    QStringList entries;
    for (int n = first; n <= last; ++n)
        entries << Ui::tr(pattern).arg(n);
    return entries;
}

} // namespace

TextTable::TextTable()
{
    lists_.insert(texts::modeNames, translated({QT_TRANSLATE_NOOP3("Ui", "ОХРАНА", "mode name"),
                                                QT_TRANSLATE_NOOP3("Ui", "НАБЛЮДЕНИЕ", "mode name"),
                                                QT_TRANSLATE_NOOP3("Ui", "ЗАЩИТА", "mode name"),
                                                QT_TRANSLATE_NOOP("Ui", "Смена режима")}));
    // The output names and the actions are the declared lists that fields are chosen from.
    lists_.insert(texts::outputNames, itemTexts(lists::outputs, true));
    lists_.insert(texts::reactions,
                  translated({QT_TRANSLATE_NOOP("Ui", "Нет реакции"), QT_TRANSLATE_NOOP("Ui", "Включить"),
                              QT_TRANSLATE_NOOP("Ui", "Выключить")})
                      + numbered(QT_TRANSLATE_NOOP("Ui", "сценарий %1"), 1, 14));
    lists_.insert(texts::actions, itemTexts(lists::actions, true));
    lists_.insert(texts::controlActions,
                  translated({QT_TRANSLATE_NOOP("Ui", "Нет действия"), QT_TRANSLATE_NOOP("Ui", "Перейти в реж. Охрана"),
                              QT_TRANSLATE_NOOP("Ui", "Перейти в реж. Наблюдение"),
                              QT_TRANSLATE_NOOP("Ui", "Управление Реле 1"), QT_TRANSLATE_NOOP("Ui", "Управление Реле 2")})
                      + numbered(QT_TRANSLATE_NOOP("Ui", "Управление Выходом %1"), 1, 5));
    lists_.insert(texts::indicationModes,
                  translated({QT_TRANSLATE_NOOP("Ui", "Показывать состояние входов 1-8 на индикаторах In1-In8"),
                              QT_TRANSLATE_NOOP("Ui", "Показывать уровень GSM сигнала на индикаторах In1-In8"),
                              QT_TRANSLATE_NOOP("Ui", "Показывать состояние входов 9-16 на индикаторах In1-In8"),
                              QT_TRANSLATE_NOOP("Ui", "Показывать состояние входов на индикаторах In1-In4"),
                              QT_TRANSLATE_NOOP("Ui", "Показывать уровень GSM сигнала на индикаторах In1-In4"),
                              QT_TRANSLATE_NOOP("Ui", "Показывать состояние выходов на индикаторах In1-In4"),
                              QT_TRANSLATE_NOOP("Ui", "Показывать информацию попеременно"),
                              QT_TRANSLATE_NOOP("Ui", "Установлена плата расширенной индикации")}));
    lists_.insert(texts::enableCaptions,
                  translated({QT_TRANSLATE_NOOP3("Ui", "Разрешено", "enable caption"),
                              QT_TRANSLATE_NOOP3("Ui", "Разрешен", "enable caption")}));
    lists_.insert(
        texts::stimulusCaptions,
        translated({QT_TRANSLATE_NOOP("Ui", " События воздействующие на это реле [Вкладка | Воздействие | Событие] "),
                    QT_TRANSLATE_NOOP("Ui", " События воздействующие на этот выход [Вкладка | Воздействие | Событие] ")}));
    lists_.insert(texts::gsmStates, defaultGsmStates());
    lists_.insert(texts::transactionMessages, defaultTransactionMessages());

    texts_.insert(texts::signalForm, Ui::tr("Форма сигнала"));
    texts_.insert(texts::scenarioNumber, Ui::tr("Сценарий №"));
    texts_.insert(texts::cycle, Ui::tr("ЦИКЛ"));
    texts_.insert(texts::high, Ui::tr("ВЫС"));
    texts_.insert(texts::low, Ui::tr("НИЗ"));
    texts_.insert(texts::portDialogCaption, Ui::tr("Выбор COM порта"));
    texts_.insert(texts::portDialogError,
                  Ui::tr("Не возможно открыть указанный COM порт, возможно он занят другим приложением."));
    texts_.insert(texts::forDeviceVersions, Ui::tr("для версий устройства"));
    texts_.insert(texts::aboutCaption, Ui::tr("О программе"));
    texts_.insert(texts::memoryFull, Ui::tr("Вся память использована"));
    texts_.insert(texts::keyWithCode, Ui::tr("Ключ с кодом: "));
    texts_.insert(texts::keyAlreadyInTable, Ui::tr(", уже внесен в таблицу"));
    texts_.insert(texts::showModeOnOutput, Ui::tr("Отображать режим (ОХРАНА/НАБЛЮДЕНИЕ) на выходе "));
}

bool TextTable::setList(const QString& name, const QStringList& entries)
{
    // Users look entries up by index (GSM state code, message number), so a
    // replacement must keep the length.
    auto found = lists_.find(name);
    if (found == lists_.end() || found->size() != entries.size())
        return false;
    *found = entries;
    return true;
}

bool TextTable::setText(const QString& name, const QString& value)
{
    auto found = texts_.find(name);
    if (found == texts_.end())
        return false;
    *found = value;
    return true;
}

} // namespace vrm
