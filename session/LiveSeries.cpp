#include "session/LiveSeries.h"

#include <QDateTime>

#include "model/Cp1251.h"
#include "model/UiText.h"

namespace vrm {
namespace {

constexpr int kMainsFloor = 5; // tenths of a volt below which the supply counts as none

QString number(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

QString optional(const std::optional<double>& value, int decimals)
{
    return value ? number(*value, decimals) : QString();
}

} // namespace

LiveSample liveSample(qint64 ms, const LiveStatus& status)
{
    LiveSample sample;
    sample.ms = ms;
    sample.supply = status.mains < kMainsFloor ? 0.0 : status.mains * 0.1;
    if (status.battery <= 100)
        sample.battery = status.battery;
    if (status.temperaturePresent())
        sample.temperature = status.temperature;
    sample.signal = status.signalQuality();
    std::copy(std::begin(status.inputReading), std::end(status.inputReading), sample.raw.begin());
    sample.inputsValid = status.inputReadingValid();
    return sample;
}

void LiveSeries::add(const LiveSample& sample)
{
    samples_.push_back(sample);
    while (!samples_.empty() && samples_.front().ms < sample.ms - kKeepMs)
        samples_.pop_front();
    emit sampleAdded();
}

QByteArray LiveSeries::csv(qint64 fromMs, qint64 untilMs, const QString& inputCaption,
                           const std::function<double(int raw)>& inputValue, int input) const
{
    QString text = Ui::tr("Время;Напряжение питания, В;Заряд аккумулятора, %;Температура, °C;"
                          "Уровень сигнала GSM;")
        + inputCaption + QStringLiteral("\r\n");
    const int index = std::clamp(input, 1, 8) - 1;
    for (const LiveSample& s : samples_) {
        if (s.ms < fromMs || s.ms > untilMs)
            continue;
        text += QDateTime::fromMSecsSinceEpoch(s.ms).toString(QStringLiteral("dd.MM.yyyy hh:mm:ss.zzz"));
        text += QLatin1Char(';') + number(s.supply, 1);
        text += QLatin1Char(';') + optional(s.battery, 0);
        text += QLatin1Char(';') + optional(s.temperature, 0);
        text += QLatin1Char(';') + QString::number(s.signal);
        text += QLatin1Char(';') + (s.inputsValid ? QString::number(inputValue(s.raw[std::size_t(index)]), 'g', 6) : QString());
        text += QStringLiteral("\r\n");
    }
    return toCp1251(text);
}

} // namespace vrm
