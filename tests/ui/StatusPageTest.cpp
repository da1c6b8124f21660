// Page 0 as the poller drives it, and the helper the pages' bars go through.
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QUrl>
#include <gtest/gtest.h>

#include "session/IdentityRecord.h"
#include "session/LiveStatus.h"
#include "ui/ProgressBars.h"
#include "ui/SessionTestHost.h"

using namespace vrm;

namespace {

// Overwrites bytes from `offset` with `text` (no terminator).
void put(QByteArray& record, int offset, const char* text)
{
    for (int i = 0; text[i]; ++i)
        record[offset + i] = text[i];
}

} // namespace

// The helper the pages' bars go through.
TEST(ProgressBars, ValuesOutsideTheRangeStopAtItsEnds)
{
    QProgressBar bar;
    bar.setRange(live::kTemperatureBarMin, live::kTemperatureBarMax);
    for (auto [value, shown] : {std::pair{-10, -10}, {-100, -40}, {127, 90}, {90, 90}}) {
        setBarValue(&bar, value);
        EXPECT_EQ(bar.value(), shown) << value;
    }
    bar.setRange(0, live::kMainsBarMax);
    bar.setValue(100);
    setBarValue(&bar, 255);
    EXPECT_EQ(bar.value(), 165) << "a plain setValue would have kept 100";
    setBarValue(nullptr, 1);
}

// Page 0 widgets driven as the poller drives them.
class StatusPageTest : public ::testing::Test {
protected:
    test::SessionTestHost host{LinkFactory{}};
    QLabel* perimeter(int n) { return host.find<QLabel>(QStringLiteral("PanelP%1ArmDisarmStatus").arg(n)); }
    QColor background(const char* name) { return host.find<QWidget>(QString::fromLatin1(name))->palette().color(QPalette::Window); }
};

TEST_F(StatusPageTest, PerimeterModeByte)
{
    const QColor face = host.page().panel(0)->palette().color(QPalette::Button);
    host.page().showPerimeterModes(0x1B);
    EXPECT_EQ(perimeter(1)->text(), QString());
    EXPECT_EQ(perimeter(1)->palette().color(QPalette::Window), face);
    EXPECT_EQ(perimeter(2)->text(), QStringLiteral("ОХРАНА"));
    EXPECT_EQ(perimeter(2)->palette().color(QPalette::Window), QColor(Qt::red));
    EXPECT_EQ(perimeter(3)->text(), QStringLiteral("Смена режима"));
    EXPECT_EQ(perimeter(4)->text(), QStringLiteral("НАБЛЮДЕНИЕ"));
    EXPECT_EQ(perimeter(4)->palette().color(QPalette::Window), face);

    // "Смена режима" blinks: the colour flips on every update.
    const QColor first = perimeter(3)->palette().color(QPalette::Window);
    host.page().showPerimeterModes(0x1B);
    const QColor second = perimeter(3)->palette().color(QPalette::Window);
    EXPECT_NE(first, second);
    EXPECT_TRUE(first == QColor(Qt::red) || second == QColor(Qt::red));
}

TEST_F(StatusPageTest, IndicatorsFollowTheirBits)
{
    host.page().showInputs(0x0081);
    host.page().showOutputs(0x42);
    const QColor on(0x00, 0xFF, 0x00), off(0x00, 0x80, 0x00);
    EXPECT_EQ(background("PanelLed1"), on);
    EXPECT_EQ(background("PanelLed2"), off);
    EXPECT_EQ(background("PanelLed8"), on);
    EXPECT_EQ(background("PanelOut1"), off);
    EXPECT_EQ(background("PanelOut2"), on);
    EXPECT_EQ(background("PanelOut7"), on);
}

TEST_F(StatusPageTest, SupportMailCarriesTheShownIdentity)
{
    QByteArray record(identity::kRecordSize, '\0');
    put(record, 0, "VRM530");
    put(record, 9, "QT");
    record[18] = 0x02, record[19] = 0x14, record[20] = 0x02, record[21] = 0x01, record[22] = 0x01, record[23] = 0x01;
    put(record, 24, "14.05.2013");
    put(record, 36, "RU");
    put(record, 56, "351234567890125");
    record[72] = 5;
    host.page().showIdentity(record);
    EXPECT_EQ(host.find<QLabel>(QStringLiteral("iHardVerLabel"))->text(), QStringLiteral("14.02"));

    const QUrl url = host.page().supportMailUrl();
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(url.path(), QStringLiteral("support@example.com"));
    const QString subject = QUrl::fromPercentEncoding(url.query(QUrl::FullyEncoded).mid(8).toLatin1());
    EXPECT_EQ(subject, QStringLiteral("VRM530-QT-h14.02-s01.02-14.05.2013-RU-d01.01-IDi:0000000005 0000000000\r\n "
                                      "0000000000 0000000000-IMEI:351234567890125"));
}

TEST_F(StatusPageTest, EnteringThePageEmptiesActionNameAndRefillsTheTestLists)
{
    host.page().actionLabel()->setText(QStringLiteral("old"));
    auto* outputs = host.find<QComboBox>(QStringLiteral("ComboBoxTestOut"));
    auto* scenarios = host.find<QComboBox>(QStringLiteral("ComboBoxTestScen"));
    outputs->setCurrentIndex(4);
    host.page().enter(0);
    EXPECT_TRUE(host.actionText().isEmpty());
    EXPECT_EQ(outputs->count(), 7);
    EXPECT_EQ(outputs->currentIndex(), 0);
    EXPECT_EQ(scenarios->count(), 14);
    EXPECT_EQ(scenarios->itemText(13), QStringLiteral("сценарий 14"));
}
