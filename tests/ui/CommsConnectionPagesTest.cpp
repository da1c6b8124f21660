// Pages 2-9: the connection records, the three-state source boxes and the
// WardLink rules.

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "PageTestHost.h"
#include "ui/pages/comms/ConnectionPages.h"

using namespace vrm;
using namespace vrm::test;

namespace {
struct ConnectionPage : PageFixture<ConnectionPages> {
    explicit ConnectionPage(int page = 2) : PageFixture(page) { panel()->show(); }
    QCheckBox* box(const char* name) { return control<QCheckBox>(name); }
    // A click of the mouse, as the user gives it.
    void click(const char* name)
    {
        QCheckBox* b = box(name);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
};
} // namespace

TEST(CommsConnectionPages, ConnectionEightStaysInsideItsRecord)
{
    ConnectionPage page(9);
    const ConfigImage before = page.image();
    page.control<QLineEdit>("MaskEditPhone")->setText("8 912 345 67 89");
    page.box("CheckBoxCallEn")->setChecked(true);
    page.box("CheckBoxMaskSProfile")->setChecked(true);
    page.store();

    std::vector<uint8_t> phone(16, 0);
    const QByteArray digits = "89123456789";
    std::copy(digits.begin(), digits.end(), phone.begin());
    EXPECT_EQ(bytesAt(page.image(), 320, 16), phone);
    for (std::size_t offset : changedOffsets(before, page.image())) {
        EXPECT_GE(offset, 320u);
        EXPECT_LE(offset, 355u);
    }
    EXPECT_EQ(page.image().byte(320 + 19) & 0x02, 0x02);
    EXPECT_EQ(page.image().byte(320 + 35) & 0x10, 0x10);
}

TEST(CommsConnectionPages, GrayedInputIsStoredInWordAOnlyAndShownGrayedAgain)
{
    ConnectionPage page(3);
    page.box("CheckBoxMaskSInput3")->setCheckState(Qt::PartiallyChecked);
    page.box("CheckBoxMaskDInput2")->setCheckState(Qt::Checked);
    page.store();
    const std::size_t record = 68 + 36;
    EXPECT_EQ(page.image().word(record + 30), 0x0004);
    EXPECT_EQ(page.image().word(record + 32), 0x0000);
    EXPECT_EQ(page.image().word(record + 22), 0x0002);
    EXPECT_EQ(page.image().word(record + 24), 0x0002);

    // A fresh set of controls shows the same states.
    ConnectionPage fresh(3);
    fresh.image() = page.image();
    fresh.show();
    EXPECT_EQ(fresh.box("CheckBoxMaskSInput3")->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(fresh.box("CheckBoxMaskDInput2")->checkState(), Qt::Checked);
    EXPECT_EQ(fresh.box("CheckBoxMaskSInput2")->checkState(), Qt::Unchecked);
}

TEST(CommsConnectionPages, BitsThatNoControlOwnsAreCarriedUnchanged)
{
    ConnectionPage page(4);
    const std::size_t record = 68 + 2 * 36;
    page.image().setBits(record + 20, 2, 6, 0x2D);
    page.image().setByte(record + 21, 0x5A);
    page.image().setBits(record + 27, 4, 4, 0xB);
    page.image().setBits(record + 35, 5, 3, 0x5);
    page.show();
    const ConfigImage before = page.image();
    page.store();
    EXPECT_EQ(changedOffsets(before, page.image()), std::vector<std::size_t>{});
}

TEST(CommsConnectionPages, WardLinkVoiceModeConfinesClicksToOneSourceGroup)
{
    ConnectionPage page;
    page.choose("ComboBoxConnectionType", ConnectionPages::kVoiceWardLink);
    page.box("CheckBoxMaskDInput1")->setChecked(true);
    page.box("CheckBoxMaskDPower")->setChecked(true);

    page.click("CheckBoxMaskDArm");
    EXPECT_TRUE(page.box("CheckBoxMaskDArm")->isChecked());
    EXPECT_EQ(page.box("CheckBoxMaskDInput1")->checkState(), Qt::Unchecked);
    EXPECT_FALSE(page.box("CheckBoxMaskDPower")->isChecked());

    page.click("CheckBoxMaskDInput2");
    EXPECT_FALSE(page.box("CheckBoxMaskDArm")->isChecked());
    EXPECT_NE(page.box("CheckBoxMaskDInput2")->checkState(), Qt::Unchecked);

    // Inputs, system and test events share one group.
    page.click("CheckBoxMaskDTest");
    EXPECT_NE(page.box("CheckBoxMaskDInput2")->checkState(), Qt::Unchecked);
    EXPECT_TRUE(page.box("CheckBoxMaskDTest")->isChecked());
}

TEST(CommsConnectionPages, OtherConnectionTypesLeaveClicksAlone)
{
    ConnectionPage page;
    page.choose("ComboBoxConnectionType", 1);
    page.box("CheckBoxMaskDInput1")->setChecked(true);
    page.click("CheckBoxMaskDArm");
    EXPECT_TRUE(page.box("CheckBoxMaskDArm")->isChecked());
    EXPECT_EQ(page.box("CheckBoxMaskDInput1")->checkState(), Qt::Checked);
}

TEST(CommsConnectionPages, ShowingAWardLinkRecordDoesNotRunTheRule)
{
    ConnectionPage page;
    const std::size_t record = 68;
    page.image().setBits(record + 20, 0, 2, ConnectionPages::kVoiceWardLink);
    page.image().setBits(record + 26, 0, 1, 1);     // ОХРАНА
    page.image().setWord(record + 22, 0x0001);      // Вх.1 ...
    page.image().setWord(record + 24, 0x0001);      // ... checked
    page.show();
    EXPECT_TRUE(page.box("CheckBoxMaskDArm")->isChecked());
    EXPECT_EQ(page.box("CheckBoxMaskDInput1")->checkState(), Qt::Checked);
}

TEST(CommsConnectionPages, SwitchingToWardLinkVoiceKeepsTheFirstSourceInScanOrder)
{
    ConnectionPage page;
    page.box("CheckBoxMaskDInput2")->setChecked(true);
    page.box("CheckBoxMaskDArm")->setChecked(true);
    page.box("CheckBoxNotACK")->setChecked(false);
    page.choose("ComboBoxConnectionType", ConnectionPages::kVoiceWardLink);
    EXPECT_EQ(page.box("CheckBoxMaskDInput2")->checkState(), Qt::Checked);
    EXPECT_FALSE(page.box("CheckBoxMaskDArm")->isChecked());
    EXPECT_TRUE(page.box("CheckBoxNotACK")->isChecked());

    // "НАБЛЮДЕНИЕ" is scanned before "ОХРАНА" and before inputs 5-8.
    ConnectionPage other;
    other.box("CheckBoxMaskDArm")->setChecked(true);
    other.box("CheckBoxMaskDDisarm")->setChecked(true);
    other.box("CheckBoxMaskDInput5")->setCheckState(Qt::PartiallyChecked);
    other.choose("ComboBoxConnectionType", ConnectionPages::kVoiceWardLink);
    EXPECT_TRUE(other.box("CheckBoxMaskDDisarm")->isChecked());
    EXPECT_FALSE(other.box("CheckBoxMaskDArm")->isChecked());
    EXPECT_EQ(other.box("CheckBoxMaskDInput5")->checkState(), Qt::Unchecked);
}

TEST(CommsConnectionPages, FactoryRecordsShowTheirGroupWaitTimesAndSmsDefaults)
{
    ConnectionPage page;
    for (int p = 2; p <= 9; ++p) {
        SCOPED_TRACE(p);
        page.visit(p);
        EXPECT_EQ(page.control<QComboBox>("ComboBoxGroupNum")->currentText(), QString::number(p - 1));
        EXPECT_EQ(page.control<QComboBox>("ComboBoxDialTranspWaitTime")->currentText(), "10 Min.");
        EXPECT_EQ(page.control<QComboBox>("ComboBoxSMSTranspWaitTime")->currentText(), "10 Min.");
        EXPECT_EQ(page.control<QComboBox>("ComboBoxLang")->currentText(), "Русский");
        EXPECT_EQ(page.control<QComboBox>("ComboBoxUserId")->currentText(), "Имя пользователя");
        EXPECT_FALSE(page.box("CheckBoxCallEn")->isChecked());
        EXPECT_FALSE(page.box("CheckBoxSMSEn")->isChecked());
    }
}

TEST(CommsConnectionPages, EntryShowsTheConnectionOnlyControlsAndTheIncomingCallHintFollowsTheBox)
{
    ConnectionPage page;
    for (const char* name : {"ComboBoxTransportPriority", "ComboBoxConnectionType", "CheckBoxJointUse",
                             "CheckBoxMaskDInput8", "CheckBoxMaskSDisarm4", "CheckBoxMaskSProfile"})
        EXPECT_TRUE(page.panel()->findChild<QWidget*>(name)->isVisibleTo(page.panel())) << name;
    for (const char* name : {"CheckBoxMaskCRestrictedArm", "CheckBoxMaskDGPS", "CheckBoxMaskSGPS"})
        EXPECT_FALSE(page.panel()->findChild<QWidget*>(name)->isVisibleTo(page.panel())) << name;

    auto* incoming = page.control<QComboBox>("ComboBoxIncomungCallAction");
    EXPECT_EQ(incoming->toolTip(), incoming->currentText());
    page.choose("ComboBoxIncomungCallAction", 3);
    EXPECT_EQ(incoming->toolTip(), "Отбить и изменить режим (ОХРАНА/НАБЛЮДЕНИЕ)");
}
