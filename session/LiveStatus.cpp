#include "session/LiveStatus.h"

#include "model/UiText.h"

#include <QLocale>
#include <algorithm>
#include <bit>
#include <cstring>

namespace vrm {

LiveStatus LiveStatus::decode(const QByteArray& input)
{
    QByteArray r = input.left(live::kStatusSize);
    r.append(QByteArray(live::kStatusSize - r.size(), '\0'));
    auto u8 = [&r](int i) { return static_cast<uint8_t>(r[i]); };

    LiveStatus s;
    for (int i = 0; i < 6; ++i)
        s.clock[i] = u8(i);
    for (int n = 0; n < 8; ++n)
        s.inputReading[n] = static_cast<uint16_t>(u8(6 + 2 * n) | (u8(7 + 2 * n) << 8));
    s.mains = u8(22);
    s.battery = u8(24);
    s.signalAndFlags = u8(25);
    s.perimeterModes = u8(26);
    s.presence = u8(27);
    s.inputs = u8(28);
    s.outputs = u8(29);
    s.gsmState = u8(30);
    s.temperature = static_cast<int8_t>(u8(31));
    const uint32_t bits = u8(32) | (u8(33) << 8) | (u8(34) << 16) | (uint32_t(u8(35)) << 24);
    s.balance = std::bit_cast<float>(bits);
    return s;
}

QStringList gsmStateSources()
{
    static const char* const sources[] = {
        QT_TRANSLATE_NOOP("Ui", "Инициализация модема"),
        QT_TRANSLATE_NOOP("Ui", "Сервисный режим, обновление микропрограммы GSM модуля"),
        QT_TRANSLATE_NOOP("Ui", "Основное питание отсутствует, регистрация в сети GSM невозможна"),
        QT_TRANSLATE_NOOP("Ui", "SIM карта не установлена"),
        QT_TRANSLATE_NOOP("Ui", "SIM карта неисправна или отсутствует"),
        QT_TRANSLATE_NOOP("Ui", "Не верный PIN-код"),
        QT_TRANSLATE_NOOP("Ui", "SIM карта заблокирована, требуется PUK-код"),
        QT_TRANSLATE_NOOP("Ui", "PIN-код принят"),
        QT_TRANSLATE_NOOP("Ui", "Зарегистрирован в домашней сети"),
        QT_TRANSLATE_NOOP("Ui", "Регистрация в процессе..."),
        QT_TRANSLATE_NOOP("Ui", "Зарегистрирован в роуменге"),
        QT_TRANSLATE_NOOP("Ui", "Неизвестное состояние GSM модуля"),
    };
    QStringList texts;
    for (const char* source : sources)
        texts << QString::fromUtf8(source);
    return texts;
}

QStringList defaultGsmStates()
{
    return translatedAll(gsmStateSources());
}

QString gsmStateText(int code, const QStringList& states)
{
    const QStringList& list = states.size() >= live::kGsmStateCount ? states : defaultGsmStates();
    return list.at(qBound(0, code, live::kGsmStateCount - 1));
}

int perimeterMode(uint8_t modes, int perimeter)
{
    return (modes >> (2 * (perimeter - 1))) & 3;
}

BatteryView batteryView(uint8_t battery)
{
    if (battery <= 100)
        return {QString::number(battery) + QLatin1Char('%'), battery, Ui::tr("\nАккумулятор подключен")};
    if (battery == 254)
        return {QStringLiteral("0%"), 0, Ui::tr("Тестирование АКБ,\nподождите (не более 1 мин.)")};
    return {QStringLiteral("0%"), 0, Ui::tr("\nАккумулятор не подключен")};
}

MainsView mainsView(uint8_t tenthsOfVolt)
{
    const int u = tenthsOfVolt < 5 ? 0 : tenthsOfVolt;
    return {Ui::tr("%1 В").arg(QLocale().toString(u * 0.1, 'f', 1)), std::min(u, live::kMainsBarMax)};
}

TemperatureView temperatureView(int8_t celsius, bool present)
{
    if (!present)
        return {Ui::tr("Текущее значение температуры не доступно"), false, 0, QString()};
    return {Ui::tr("Текущее значение", "temperature"), true,
            std::clamp(int(celsius), live::kTemperatureBarMin, live::kTemperatureBarMax),
            QLocale().toString(double(celsius), 'g', 3) + QStringLiteral("° C")};
}

QString balanceText(bool present, float value)
{
    if (!present)
        return {};
    return Ui::tr("Баланс лицевого счета: %1").arg(QLocale().toString(double(value), 'f', 2));
}

QString controllerClockText(const LiveStatus& s)
{
    auto two = [](uint8_t b) { return QString::number(b / 10) + QString::number(b % 10); };
    return two(s.clock[2]) + QLatin1Char('.') + two(s.clock[1]) + QLatin1Char('.') + two(s.clock[0])
        + QLatin1Char(' ') + two(s.clock[3]) + QLatin1Char(':') + two(s.clock[4]) + QLatin1Char(':')
        + two(s.clock[5]);
}

bool keyPresented(const QByteArray& record)
{
    return record.size() > 8 && (static_cast<uint8_t>(record[8]) & 3) == 3;
}

QString keyCodeText(const QByteArray& record)
{
    return QString::fromLatin1(record.left(8).toHex()).toUpper();
}

} // namespace vrm
