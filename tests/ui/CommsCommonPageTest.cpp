// Page 1: common connection parameters, passwords and the balance check.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "PageTestHost.h"
#include "ui/pages/comms/CommonParametersPage.h"

using namespace vrm;
using namespace vrm::test;

namespace {
struct CommonPage : PageFixture<CommonParametersPage> {
    CommonPage() : PageFixture(1) {}
    QLineEdit* edit(const char* name) { return control<QLineEdit>(name); }
};

struct NumberCase {
    const char* edit;
    QString typed;
    std::size_t offset;
    int width;
    uint32_t stored;
};
} // namespace

TEST(CommsCommonPage, NumbersAreClampedToTheirFieldAndShownAsStored)
{
    const NumberCase cases[] = {
        {"EditBalansMinVal", "70000", 2838, 2, 65535},
        {"EditBalansMinVal", " 1234 ", 2838, 2, 1234},
        {"EditBalansMinVal", "abc", 2838, 2, 0},
        {"EditBalansMinVal", "-5", 2838, 2, 0}, // not wrapped round to 65531
        {"EditReqPeriodH", "300", 2840, 1, 255},
        {"EditReqPeriodH", "-1", 2840, 1, 0},
        {"EditReqPeriodH", "", 2840, 1, 0},
        {"EditModBusAddress", "0", 14, 1, 1},
        {"EditModBusAddress", "", 14, 1, 1},
        {"EditModBusAddress", "250", 14, 1, 247},
        {"EditModBusAddress", "-3", 14, 1, 1},
        {"EditModBusAddress", "17", 14, 1, 17},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(std::string(c.edit) + " '" + c.typed.toStdString() + "'");
        CommonPage page;
        page.edit(c.edit)->setText(c.typed);
        page.store();
        const uint32_t stored = c.width == 2 ? page.image().word(c.offset) : page.image().byte(c.offset);
        EXPECT_EQ(stored, c.stored);
        page.show();
        EXPECT_EQ(page.edit(c.edit)->text(), QString::number(c.stored));
    }
}

TEST(CommsCommonPage, SmsCentreTypedWithBlanksIsStoredWithoutThem)
{
    CommonPage page;
    page.image().setTextPadded(layout::commonBlock[0], layout::common::smsCentre, QByteArray(15, 'x')); // must not survive
    page.edit("MaskEditSMSCA")->setText("+7 916 123 4567");
    page.store();
    std::vector<uint8_t> expected(16, 0);
    const QByteArray digits = "+79161234567";
    std::copy(digits.begin(), digits.end(), expected.begin());
    EXPECT_EQ(bytesAt(page.image(), 52, 16), expected);
}

TEST(CommsCommonPage, LeavingWithTheAdministratorBoxUntickedEmptiesThePassword)
{
    CommonPage page;
    page.image().setTextPadded(layout::commonBlock[0], layout::common::systemPassword, "secret12");
    page.show();
    EXPECT_EQ(page.edit("MaskEditSysPassword")->text(), "secret12");
    EXPECT_FALSE(page.edit("MaskEditSysPassword")->isEnabled());

    page.store();
    EXPECT_EQ(bytesAt(page.image(), 20, 9), std::vector<uint8_t>(9, 0));
    EXPECT_TRUE(page.edit("MaskEditSysPassword")->text().isEmpty());
}

TEST(CommsCommonPage, TickedAdministratorBoxEnablesThePasswordWithItsWarningAndStoresIt)
{
    CommonPage page;
    auto* warning = page.control<QLabel>("LabelSharedParWarningMsg");
    EXPECT_TRUE(warning->text().isEmpty());
    page.control<QCheckBox>("CheckBoxSysPassword")->click();
    EXPECT_TRUE(page.edit("MaskEditSysPassword")->isEnabled());
    EXPECT_EQ(warning->text(), CommonParametersPage::passwordWarning());

    page.edit("MaskEditSysPassword")->setText("pass99");
    page.store();
    EXPECT_EQ(page.image().text(layout::commonBlock[0], layout::common::systemPassword), "pass99");

    // Unticking disables the edit but keeps the warning text.
    page.control<QCheckBox>("CheckBoxSysPassword")->click();
    EXPECT_FALSE(page.edit("MaskEditSysPassword")->isEnabled());
    EXPECT_EQ(warning->text(), CommonParametersPage::passwordWarning());
}

TEST(CommsCommonPage, BalanceTemplatesFillTheEditsAndTheKeywordKeepsItsTrailingBlank)
{
    struct Template {
        const char* radio;
        QString command, keyword;
    };
    const Template templates[] = {
        {"RadioButton1", "*100#", "Баланс:"},
        {"RadioButton2", "*102#", "Баланс "},
        {"RadioButton3", "*100#", ""},
        {"RadioButton4", "*105#", "OCTATOK "},
    };
    for (const Template& t : templates) {
        SCOPED_TRACE(t.radio);
        CommonPage page;
        page.control<QRadioButton>(t.radio)->click();
        EXPECT_EQ(page.edit("MaskEditBalansReqCMD")->text(), t.command);
        EXPECT_EQ(page.edit("MaskEditBalansIdWord")->text(), t.keyword);
        page.store();
        std::vector<uint8_t> keyword(9, 0);
        const QByteArray bytes = toCp1251(t.keyword);
        std::copy(bytes.begin(), bytes.end(), keyword.begin());
        EXPECT_EQ(bytesAt(page.image(), 2829, 9), keyword);
        EXPECT_EQ(page.image().text(layout::balanceBlock[0], layout::balance::ussdCommand), toCp1251(t.command));
    }
}

TEST(CommsCommonPage, BytesThatNoControlOwnsAreCarriedUnchanged)
{
    CommonPage page;
    for (std::size_t offset : {15u, 16u, 17u, 18u, 19u, 2818u, 2819u, 2841u})
        page.image().setByte(offset, uint8_t(0xA0 + offset % 16));
    page.image().setBits(13, 5, 3, 0b101);
    page.show();
    const ConfigImage before = page.image();
    page.store();
    EXPECT_EQ(changedOffsets(before, page.image()), std::vector<std::size_t>{});
}
