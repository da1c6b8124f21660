// Page 47: system parameters, the notice cover and the transfer buttons.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "PageTestHost.h"
#include "ui/pages/comms/SystemParametersPage.h"

using namespace vrm;
using namespace vrm::test;

namespace {
struct SystemPage : PageFixture<SystemParametersPage> {
    SystemPage() : PageFixture(47) { panel()->show(); }
    QPushButton* button(const char* name) { return control<QPushButton>(name); }
    void allowEditing() { button("Button1")->click(); }
};
} // namespace

TEST(CommsSystemParametersPage, CalibrationIsClampedToSeventeenBitsAndKeepsTheBitsAbove)
{
    struct Case {
        QString typed;
        uint32_t stored;
    };
    const Case cases[] = {{"200000", 131071}, {"131071", 131071}, {"70000", 70000},
                          {" 86400 ", 86400}, {"-5", 0},          {"abc", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        SystemPage page;
        // Direction (bit 17) set and some of bits 18-31 that no control owns.
        page.image().setDword(5304, 0xA5060000u | 1u << 17 | 12345);
        page.show();
        page.control<QLineEdit>("EditCALVAL")->setText(c.typed);
        page.store();
        EXPECT_EQ(page.image().dword(5304), 0xA5060000u | 1u << 17 | c.stored);
        page.show();
        EXPECT_EQ(page.control<QLineEdit>("EditCALVAL")->text(), QString::number(c.stored));
        EXPECT_EQ(page.control<QComboBox>("ComboBoxCALDIR")->currentIndex(), 1);
    }
}

TEST(CommsSystemParametersPage, CoverKeepsEverythingBelowItOutOfReachUntilEditingIsAllowed)
{
    SystemPage page;
    QWidget* cover = page.control<QWidget>("Panel13");
    EXPECT_TRUE(cover->isVisible());
    for (const char* name : {"EditCALVAL", "ComboBoxCALDIR", "ComboBoxBatteryType", "CheckBoxFWUpdateEnable",
                             "CheckBoxCRCCheckDisable", "BitBtnReadSysPar", "BitBtnProgSysPar"}) {
        QWidget* w = page.control<QWidget>(name);
        EXPECT_FALSE(w->isEnabled()) << name;
        // The cover lies over it: a click there lands on the cover.
        const QPoint centre = w->mapTo(page.panel(), w->rect().center());
        QWidget* hit = page.panel()->childAt(centre);
        EXPECT_TRUE(hit == cover || cover->isAncestorOf(hit)) << name;
    }
    page.button("BitBtnReadSysPar")->click();
    EXPECT_EQ(page.host.readCalls, 0);

    page.allowEditing();
    EXPECT_FALSE(cover->isVisible());
    EXPECT_FALSE(page.button("Button1")->isEnabled());
    EXPECT_TRUE(page.control<QWidget>("EditCALVAL")->isEnabled());
    page.button("BitBtnReadSysPar")->click();
    EXPECT_EQ(page.host.readCalls, 1);
}

TEST(CommsSystemParametersPage, ProgrammingIsImpossibleBeforeASuccessfulRead)
{
    SystemPage page;
    page.allowEditing();
    QPushButton* program = page.button("BitBtnProgSysPar");
    EXPECT_FALSE(program->isEnabled());

    page.host.transferSucceeds = false;
    page.button("BitBtnReadSysPar")->click();
    EXPECT_FALSE(program->isEnabled());
    program->click();
    EXPECT_EQ(page.host.programCalls, 0);

    page.host.transferSucceeds = true;
    page.button("BitBtnReadSysPar")->click();
    EXPECT_TRUE(program->isEnabled());
    program->click();
    EXPECT_EQ(page.host.programCalls, 1);

    // A later failed read does not take the button away again.
    page.host.transferSucceeds = false;
    page.button("BitBtnReadSysPar")->click();
    EXPECT_TRUE(program->isEnabled());
}
