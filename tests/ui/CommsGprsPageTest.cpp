// Page 10: GPRS access, DNS servers, sources, connection strategy.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "PageTestHost.h"
#include "ui/pages/comms/GprsPage.h"

using namespace vrm;
using namespace vrm::test;

namespace {
struct GprsFixture : PageFixture<GprsPage> {
    GprsFixture() : PageFixture(10) {}
    QLineEdit* edit(const char* name) { return control<QLineEdit>(name); }
    QComboBox* combo(const char* name) { return control<QComboBox>(name); }
    // The edit's number without the " Мин." literal.
    QString number(const char* name) { return edit(name)->text().section(u' ', 0, 0); }
};
} // namespace

TEST(CommsGprsPage, StrategyAndPeriodAreStoredAndShownInFiveMinuteSteps)
{
    struct Case {
        int strategy;
        QString period;
        int onlineIndex;
        uint8_t storedStrategy;
        uint8_t storedOnline;
        QString shownPeriod;
    };
    const Case cases[] = {
        {GprsPage::kPeriodic, "7", 4, 1, 4, "5"},
        {GprsPage::kPeriodic, "1300", 4, 252, 4, "1260"},
        {GprsPage::kPeriodic, "0", 4, 1, 4, "5"},
        {GprsPage::kPeriodic, "60", 0, 12, 0, "60"},
        {GprsPage::kOnEvent, "60", 7, 0, 7, "5"},
        {GprsPage::kAlwaysConnected, "60", 9, 255, 30, "5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("strategy %1, period %2").arg(c.strategy).arg(c.period).toStdString());
        GprsFixture page;
        page.combo("ComboBoxGPRSConnectionStrategy")->setCurrentIndex(c.strategy);
        page.edit("MaskEditConnectingPeriod_x5m")->setText(c.period);
        page.combo("ComboBoxOnlineTime_min")->setCurrentIndex(c.onlineIndex);
        page.store();
        EXPECT_EQ(page.image().byte(2934), c.storedStrategy);
        EXPECT_EQ(page.image().bits(2937, 0, 5), c.storedOnline);
        EXPECT_EQ(page.image().bits(2937, 5, 3), 0u); // factory bits behind kept
        page.show();
        EXPECT_EQ(page.combo("ComboBoxGPRSConnectionStrategy")->currentIndex(), c.strategy);
        EXPECT_EQ(page.number("MaskEditConnectingPeriod_x5m"), c.shownPeriod);
    }
}

TEST(CommsGprsPage, LeavingAPeriodEditPullsItIntoRange)
{
    struct Case {
        const char* edit;
        QString typed, left;
    };
    const Case cases[] = {
        {"MaskEditConnectingPeriod_x5m", "0", "5"},
        {"MaskEditConnectingPeriod_x5m", "1300", "1260"},
        {"MaskEditConnectingPeriod_x5m", "7", "7"}, // loses its remainder only when stored
        {"MaskEditBlockTimeAtConnFault_min", "", "5"},
        {"MaskEditBlockTimeAtConnFault_min", "9999", "1260"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.edit) + " '" + c.typed.toStdString() + "'");
        GprsFixture page;
        page.combo("ComboBoxGPRSConnectionStrategy")->setCurrentIndex(GprsPage::kPeriodic);
        QLineEdit* edit = page.edit(c.edit);
        edit->setEnabled(true);
        edit->setText(c.typed);
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(page.number(c.edit), c.left);
    }
}

TEST(CommsGprsPage, StrategyChangeSetsThePeriodAndOnlineTimeControls)
{
    GprsFixture page;
    auto* period = page.edit("MaskEditConnectingPeriod_x5m");
    auto* online = page.combo("ComboBoxOnlineTime_min");

    page.choose("ComboBoxGPRSConnectionStrategy", GprsPage::kPeriodic);
    EXPECT_TRUE(period->isEnabled());
    EXPECT_TRUE(online->isEnabled());
    period->setText("2000");
    online->setCurrentIndex(12);

    page.choose("ComboBoxGPRSConnectionStrategy", GprsPage::kOnEvent);
    EXPECT_FALSE(period->isEnabled());
    EXPECT_EQ(page.number("MaskEditConnectingPeriod_x5m"), "5");
    EXPECT_TRUE(online->isEnabled());
    EXPECT_EQ(online->currentIndex(), 12);

    page.choose("ComboBoxGPRSConnectionStrategy", GprsPage::kAlwaysConnected);
    EXPECT_FALSE(online->isEnabled());
    EXPECT_EQ(online->currentIndex(), 0);
}

TEST(CommsGprsPage, DnsAddressesAreStoredMostSignificantByteLast)
{
    struct Case {
        QString typed;
        std::vector<uint8_t> bytes;
        QString shown;
    };
    const Case cases[] = {
        {"192.168.1.1", {1, 1, 168, 192}, "192.168.1.1"},
        {"300.0.0.1", {1, 0, 0, 255}, "255.0.0.1"},
        {"10.20", {0, 0, 20, 10}, "10.20.0.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        GprsFixture page;
        page.edit("MaskEditDNS1")->setText(c.typed);
        page.store();
        EXPECT_EQ(bytesAt(page.image(), 2920, 4), c.bytes);
        page.show();
        EXPECT_EQ(page.edit("MaskEditDNS1")->text(), c.shown);
    }
}

TEST(CommsGprsPage, WaitTimeGoesIntoAllThreeServerRecordsAndNothingElseThere)
{
    GprsFixture page;
    for (std::size_t s = 0; s < 3; ++s) {
        const std::size_t record = 2940 + 44 * s;
        for (std::size_t k = 0; k < 44; ++k)
            page.image().setByte(record + k, uint8_t(0x11 * (k % 15) + s));
    }
    page.show();
    const ConfigImage before = page.image();
    page.combo("ComboBoxGPRSTranspWaitTime")->setCurrentIndex(13);
    page.store();
    std::vector<std::size_t> expected;
    for (std::size_t s = 0; s < 3; ++s) {
        const std::size_t at = 2940 + 44 * s + 40;
        EXPECT_EQ(page.image().byte(at), (before.byte(at) & 0x0F) | 13 << 4);
        expected.push_back(at);
    }
    std::vector<std::size_t> inServers;
    for (std::size_t offset : changedOffsets(before, page.image()))
        if (offset >= 2940 && offset < 3072)
            inServers.push_back(offset);
    EXPECT_EQ(inServers, expected);
}

TEST(CommsGprsPage, FactoryValuesShowAndTheDefaultsButtonRestoresTheStrategyGroupOnly)
{
    GprsFixture page;
    EXPECT_EQ(page.combo("ComboBoxGPRSConnectionStrategy")->currentIndex(), GprsPage::kAlwaysConnected);
    EXPECT_EQ(page.combo("ComboBoxConnectingTryNum")->currentText(), "3");
    EXPECT_EQ(page.combo("ComboBoxPingPeriod_min")->currentText(), "3 Мин.");
    EXPECT_EQ(page.combo("ComboBoxPingPeriod_min")->count(), 30);
    EXPECT_EQ(page.combo("ComboBoxOnlineTime_min")->count(), 31);
    EXPECT_EQ(page.number("MaskEditBlockTimeAtConnFault_min"), "15");
    EXPECT_EQ(page.combo("ComboBoxGPRSTranspWaitTime")->currentText(), "10 Мин.");

    page.choose("ComboBoxGPRSConnectionStrategy", GprsPage::kOnEvent);
    page.combo("ComboBoxConnectingTryNum")->setCurrentIndex(6);
    page.combo("ComboBoxPingPeriod_min")->setCurrentIndex(20);
    page.edit("MaskEditBlockTimeAtConnFault_min")->setText("300");
    page.edit("EditAPN")->setText("apn.changed");
    page.control<QCheckBox>("CheckBoxMaskGTest")->setChecked(true);

    page.control<QPushButton>("Button41")->click();
    EXPECT_EQ(bytesAt(page.image(), 2934, 4), (std::vector<uint8_t>{0xFF, 0x1B, 0x03, 0x03}));
    // The rest of the page was stored first and is shown as edited.
    EXPECT_EQ(page.image().text(layout::gprsBlock[0], layout::gprs::apn), "apn.changed");
    EXPECT_EQ(page.edit("EditAPN")->text(), "apn.changed");
    EXPECT_TRUE(page.control<QCheckBox>("CheckBoxMaskGTest")->isChecked());
    EXPECT_EQ(page.combo("ComboBoxConnectingTryNum")->currentText(), "3");
    EXPECT_EQ(page.number("MaskEditBlockTimeAtConnFault_min"), "15");
}

TEST(CommsGprsPage, TextsEndWithOneNulAndKeepTheBytesBehindIt)
{
    GprsFixture page;
    page.image().setTextPadded(layout::gprsBlock[0], layout::gprs::apn, "old.apn.name");
    page.edit("EditAPN")->setText("ab");
    page.edit("EditGPRSUserName")->setText(QString(20, u'u')); // cut to 16
    page.store();
    // The old name's bytes behind the new NUL stay.
    const QByteArray expected("ab\0.apn.name\0", 13);
    EXPECT_EQ(bytesAt(page.image(), 2852, 13), std::vector<uint8_t>(expected.begin(), expected.end()));
    EXPECT_EQ(page.image().text(layout::gprsBlock[0], layout::gprs::userName), QByteArray(16, 'u'));
    EXPECT_EQ(page.image().byte(2885 + 16), 0);
}
