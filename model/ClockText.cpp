#include "model/ClockText.h"

#include "model/UiText.h"

namespace vrm {

namespace {

uint8_t fieldAt(const QString& text, int position)
{
    QString digits = text.mid(position, 2);
    digits.remove(QLatin1Char(' '));
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok ? uint8_t(value & 0xFF) : uint8_t(0);
}

QString tensAndUnits(uint8_t value)
{
    return QString::number(value / 10) + QString::number(value % 10);
}

} // namespace

ClockPayload clockPayloadFromText(const QString& text)
{
    return {fieldAt(text, 6), fieldAt(text, 3), fieldAt(text, 0), fieldAt(text, 9), fieldAt(text, 12),
            fieldAt(text, 15)};
}

ClockEntryFault checkClockPayload(const ClockPayload& p)
{
    const auto [year, month, day, hour, minute, second] = p;
    if (day >= 32)
        return ClockEntryFault::Day;
    if (month >= 13)
        return ClockEntryFault::Month;
    if (year >= 100)
        return ClockEntryFault::Year;
    if (hour >= 24)
        return ClockEntryFault::Hour;
    if (minute >= 60)
        return ClockEntryFault::Minute;
    return ClockEntryFault::None;
}

QString clockEntryFaultText(ClockEntryFault fault)
{
    switch (fault) {
    case ClockEntryFault::Day: return Ui::tr("Не верно установлено число");
    case ClockEntryFault::Month: return Ui::tr("Не верно установлен месяц");
    case ClockEntryFault::Year: return Ui::tr("Не верно установлен год");
    case ClockEntryFault::Hour: return Ui::tr("Не верно установлены часы");
    case ClockEntryFault::Minute: return Ui::tr("Не верно установлены минуты");
    case ClockEntryFault::None: break;
    }
    return {};
}

QString controllerClockText(std::span<const uint8_t, 6> c)
{
    return tensAndUnits(c[2]) + QLatin1Char('.') + tensAndUnits(c[1]) + QLatin1Char('.') + tensAndUnits(c[0])
        + QLatin1Char(' ') + tensAndUnits(c[3]) + QLatin1Char(':') + tensAndUnits(c[4]) + QLatin1Char(':')
        + tensAndUnits(c[5]);
}

QString computerClockText(const QDateTime& time)
{
    return time.toString(QStringLiteral("dd.MM.yy hh:mm:ss"));
}

} // namespace vrm
