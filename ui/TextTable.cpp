#include "ui/TextTable.h"

#include "link/Transaction.h"
#include "session/LiveStatus.h"

namespace vrm {

namespace {

QStringList numbered(const QString& prefix, int first, int last)
{
    QStringList entries;
    for (int n = first; n <= last; ++n)
        entries << prefix + QString::number(n);
    return entries;
}

} // namespace

TextTable::TextTable()
{
    lists_.insert(texts::modeNames, {QStringLiteral("ОХРАНА"), QStringLiteral("НАБЛЮДЕНИЕ"),
                                     QStringLiteral("ЗАЩИТА"), QStringLiteral("Смена режима")});
    lists_.insert(texts::outputNames, QStringList{QStringLiteral("Реле 1"), QStringLiteral("Реле 2")}
                                          + numbered(QStringLiteral("Выход "), 1, 5));
    lists_.insert(texts::reactions,
                  QStringList{QStringLiteral("Нет реакции"), QStringLiteral("Включить"), QStringLiteral("Выключить")}
                      + numbered(QStringLiteral("сценарий "), 1, 14));
    lists_.insert(texts::actions,
                  QStringList{QStringLiteral("нет реакции"), QStringLiteral("включить"), QStringLiteral("выключить")}
                      + numbered(QStringLiteral("сценарий "), 1, 14));
    lists_.insert(texts::controlActions,
                  QStringList{QStringLiteral("Нет действия"), QStringLiteral("Перейти в реж. Охрана"),
                              QStringLiteral("Перейти в реж. Наблюдение"), QStringLiteral("Управление Реле 1"),
                              QStringLiteral("Управление Реле 2")}
                      + numbered(QStringLiteral("Управление Выходом "), 1, 5));
    lists_.insert(texts::indicationModes,
                  {QStringLiteral("Показывать состояние входов 1-8 на индикаторах In1-In8"),
                   QStringLiteral("Показывать уровень GSM сигнала на индикаторах In1-In8"),
                   QStringLiteral("Показывать состояние входов 9-16 на индикаторах In1-In8"),
                   QStringLiteral("Показывать состояние входов на индикаторах In1-In4"),
                   QStringLiteral("Показывать уровень GSM сигнала на индикаторах In1-In4"),
                   QStringLiteral("Показывать состояние выходов на индикаторах In1-In4"),
                   QStringLiteral("Показывать информацию попеременно"),
                   QStringLiteral("Установлена плата расширенной индикации")});
    lists_.insert(texts::enableCaptions, {QStringLiteral("Разрешено"), QStringLiteral("Разрешен")});
    lists_.insert(texts::stimulusCaptions,
                  {QStringLiteral(" События воздействующие на это реле [Вкладка | Воздействие | Событие] "),
                   QStringLiteral(" События воздействующие на этот выход [Вкладка | Воздействие | Событие] ")});
    lists_.insert(texts::gsmStates, defaultGsmStates());
    lists_.insert(texts::transactionMessages, defaultTransactionMessages());

    texts_.insert(texts::signalForm, QStringLiteral("Форма сигнала"));
    texts_.insert(texts::scenarioNumber, QStringLiteral("Сценарий №"));
    texts_.insert(texts::cycle, QStringLiteral("ЦИКЛ"));
    texts_.insert(texts::high, QStringLiteral("ВЫС"));
    texts_.insert(texts::low, QStringLiteral("НИЗ"));
    texts_.insert(texts::portDialogCaption, QStringLiteral("Выбор COM порта"));
    texts_.insert(texts::portDialogError,
                  QStringLiteral("Не возможно открыть указанный COM порт, возможно он занят другим приложением."));
    texts_.insert(texts::forDeviceVersions, QStringLiteral("для версий устройства"));
    texts_.insert(texts::aboutCaption, QStringLiteral("О программе"));
    texts_.insert(texts::memoryFull, QStringLiteral("Вся память использована"));
    texts_.insert(texts::keyWithCode, QStringLiteral("Ключ с кодом: "));
    texts_.insert(texts::keyAlreadyInTable, QStringLiteral(", уже внесен в таблицу"));
    texts_.insert(texts::showModeOnOutput, QStringLiteral("Отображать режим (ОХРАНА/НАБЛЮДЕНИЕ) на выходе "));
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
