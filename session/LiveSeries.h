#pragma once
// What the live plots draw: the readings of every live status record the
// poller reads anyway (it asks for one on the status, clock, power and input
// pages), time-stamped on arrival and kept for the last half hour. No extra
// request reaches the controller for them.

#include <QByteArray>
#include <QObject>
#include <array>
#include <deque>
#include <functional>
#include <optional>

#include "session/LiveStatus.h"

namespace vrm {

struct LiveSample {
    qint64 ms = 0;                    // milliseconds since the epoch
    double supply = 0;                // volts; below 0.5 V reads as 0
    std::optional<double> battery;    // per cent; none without a battery or during its test
    std::optional<double> temperature; // °C; none without a sensor
    int signal = 0;                   // GSM signal quality 0-31
    std::array<uint16_t, 8> raw{};    // inputs 1-8, 0-4095
    bool inputsValid = false;         // the input readings are worth showing
};

LiveSample liveSample(qint64 ms, const LiveStatus& status);

class LiveSeries : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kKeepMs = 30 * 60 * 1000;

    using QObject::QObject;

    void add(const LiveSample& sample);
    const std::deque<LiveSample>& samples() const { return samples_; }

    // The samples from `fromMs` to `untilMs` as CSV (code page 1251, ';' between
    // fields, a decimal point): time, supply, battery, temperature, signal and
    // the input reading that `inputValue` turns into its unit, headed
    // `inputCaption`. A missing value is an empty field.
    QByteArray csv(qint64 fromMs, qint64 untilMs, const QString& inputCaption,
                   const std::function<double(int raw)>& inputValue, int input) const;

signals:
    void sampleAdded();

private:
    std::deque<LiveSample> samples_;
};

} // namespace vrm
