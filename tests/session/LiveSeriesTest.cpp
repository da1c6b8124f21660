// What the live plots keep of each live status record.
#include <gtest/gtest.h>

#include "model/Cp1251.h"
#include "session/LiveSeries.h"

using namespace vrm;

namespace {

LiveStatus status(std::initializer_list<std::pair<int, uint8_t>> bytes)
{
    QByteArray record(live::kStatusSize, '\0');
    for (auto [offset, value] : bytes)
        record[offset] = char(value);
    return LiveStatus::decode(record);
}

} // namespace

TEST(LiveSeries, KeepsTheValuesAPlotCanShowAndNothingElse)
{
    const struct {
        const char* name;
        LiveStatus status;
        double supply;
        std::optional<double> battery;
        std::optional<double> temperature;
        int signal;
        bool inputs;
    } cases[] = {
        {"all present", status({{22, 123}, {24, 100}, {25, 0x20 | 17}, {27, 1}, {31, 0xF6}}), 12.3, 100.0, -10.0, 17,
         true},
        {"supply below 0.5 V, battery under test", status({{22, 4}, {24, 254}, {25, 31}}), 0.0, {}, {}, 31, false},
        {"no battery, readings valid with one", status({{22, 5}, {24, 255}, {25, 0x40}}), 0.5, {}, {}, 0, true},
        {"readings flagged but no battery", status({{24, 0}, {25, 0x40}}), 0.0, 0.0, {}, 0, false},
    };
    for (const auto& c : cases) {
        const LiveSample s = liveSample(1000, c.status);
        EXPECT_DOUBLE_EQ(s.supply, c.supply) << c.name;
        EXPECT_EQ(s.battery, c.battery) << c.name;
        EXPECT_EQ(s.temperature, c.temperature) << c.name;
        EXPECT_EQ(s.signal, c.signal) << c.name;
        EXPECT_EQ(s.inputsValid, c.inputs) << c.name;
    }
}

TEST(LiveSeries, KeepsHalfAnHourAndWritesTheChosenSpanAsCsv)
{
    LiveSeries series;
    int added = 0;
    QObject::connect(&series, &LiveSeries::sampleAdded, [&] { ++added; });
    LiveStatus s = status({{22, 120}, {24, 255}, {25, 0x20 | 9}, {27, 1}, {31, 25}});
    s.inputReading[2] = 4095;
    const qint64 start = 1'700'000'000'000;
    series.add(liveSample(start, s));
    series.add(liveSample(start + 60'000, s));
    series.add(liveSample(start + LiveSeries::kKeepMs + 1, s)); // the first is now too old
    EXPECT_EQ(added, 3);
    ASSERT_EQ(series.samples().size(), 2u);
    EXPECT_EQ(series.samples().front().ms, start + 60'000);

    const QString csv = fromCp1251(series.csv(start, start + 60'000, QStringLiteral("Вход 3, В"),
                                              [](int raw) { return raw / 409.5; }, 3));
    const QStringList lines = csv.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << csv.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("Время;Напряжение питания, В;Заряд аккумулятора, %;Температура, °C;"
                                       "Уровень сигнала GSM;Вход 3, В"));
    // No battery: an empty field, not a zero.
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(";12.0;;25;9;10"))) << lines[1].toStdString();
}
