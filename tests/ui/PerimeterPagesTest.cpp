// The perimeter pages 16-19: their own fields, the input links they write into
// the input records, the mode display bit, and the shared key table.

#include <QButtonGroup>
#include <QRadioButton>
#include <QSpinBox>

#include "PageTestHost.h"
#include "model/layout/Inputs.h"
#include "model/layout/Perimeters.h"
#include "ui/pages/io/perimeters/PerimeterPages.h"

using namespace vrm;
using namespace vrm::test;

namespace {

constexpr std::size_t kKeys = 3292;
constexpr std::size_t kPerimeters = 3087;
constexpr std::size_t kInputs = 360;

std::size_t keyAt(int j) { return kKeys + 32 * std::size_t(j - 1); }
std::size_t perimeterAt(int p) { return kPerimeters + 51 * std::size_t(p - 1); }
std::size_t inputLinksAt(int n) { return kInputs + 92 * std::size_t(n - 1) + 56; }

struct PerimeterFixture : PageFixture<PerimeterPages> {
    using PageFixture::PageFixture;
    TouchKeyGrid* grid() { return group->keyPanel()->grid(); }
    void setRow(int j, const TouchKeyRow& row)
    {
        QList<TouchKeyRow> rows = grid()->rows();
        rows[j - 1] = row;
        grid()->setRows(rows);
    }
};

} // namespace

TEST(PerimeterPages, ShortKeyCodeIsStoredRightAlignedAndShownZeroPadded)
{
    PerimeterFixture f(16);
    f.setRow(1, {"ABC", "Иван", true, false, "3"});
    f.store();
    EXPECT_EQ(bytesAt(f.image(), keyAt(1), 8), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0x0A, 0xBC}));
    EXPECT_EQ(fromCp1251(QByteArray(reinterpret_cast<const char*>(f.image().data() + keyAt(1) + 8))), "Иван");
    EXPECT_EQ(f.image().byte(keyAt(1) + 25), 0x01);
    EXPECT_EQ(f.image().byte(keyAt(1) + 26), 3);
    f.show();
    EXPECT_EQ(f.grid()->rows()[0], (TouchKeyRow{"0000000000000ABC", "Иван", true, false, "3"}));
}

TEST(PerimeterPages, ProfileColumnOutsideOneToEightStoresNone)
{
    PerimeterFixture f(17);
    f.image().setByte(keyAt(2) + 26, 0xF5); // bits 4-7 are not the profile's
    f.setRow(2, {"11", "A", false, false, "9"});
    f.store();
    EXPECT_EQ(f.image().byte(keyAt(2) + 26), 0xF0);
    f.show();
    EXPECT_EQ(f.grid()->rows()[1].profile, "-");
}

TEST(PerimeterPages, ArmBoxOfKeyFiveOnPerimeterThreeSetsOnlyBitFour)
{
    PerimeterFixture f(16);
    f.image().setByte(keyAt(5), 0x12);
    f.image().setByte(keyAt(5) + 25, 0xCF);
    f.visit(18);
    TouchKeyRow row = f.grid()->rows()[4];
    EXPECT_FALSE(row.arm);
    EXPECT_FALSE(row.disarm);
    row.arm = true;
    f.setRow(5, row);
    f.store();
    EXPECT_EQ(f.image().byte(keyAt(5) + 25), 0xDF);
}

TEST(PerimeterPages, EmptyEntryShowsBlankCodeAndNoProfile)
{
    PerimeterFixture f(16);
    f.image().setByte(keyAt(7) + 25, 0x03);
    f.image().setByte(keyAt(7) + 26, 0x02);
    f.show();
    EXPECT_EQ(f.grid()->rows()[6], emptyTouchKeyRow());
}

TEST(PerimeterPages, GreyedLinkOfInputTwoOnPerimeterFourStoresOneInBitsSixAndSeven)
{
    PerimeterFixture f(19);
    f.image().setByte(inputLinksAt(2), 0x3F);
    f.show();
    auto* box = f.control<QCheckBox>("CheckBoxPerimInput2");
    EXPECT_EQ(box->checkState(), Qt::Unchecked);
    box->setCheckState(Qt::PartiallyChecked);
    f.store();
    EXPECT_EQ(f.image().byte(inputLinksAt(2)), 0x7F);
    // Hidden boxes of inputs 9-16 are stored too: their links survive a visit.
    f.image().setByte(inputLinksAt(12), 0x80);
    f.show();
    EXPECT_EQ(f.control<QCheckBox>("CheckBoxPerimInput12")->checkState(), Qt::Checked);
    EXPECT_FALSE(f.control<QCheckBox>("CheckBoxPerimInput12")->isVisibleTo(f.panel()));
    f.store();
    EXPECT_EQ(f.image().byte(inputLinksAt(12)), 0x80);
    // Code 3 shows as unchecked and is stored as 0.
    f.image().setByte(inputLinksAt(1), 0xC0);
    f.show();
    EXPECT_EQ(f.control<QCheckBox>("CheckBoxPerimInput1")->checkState(), Qt::Unchecked);
    f.store();
    EXPECT_EQ(f.image().byte(inputLinksAt(1)), 0x00);
}

TEST(PerimeterPages, ArmInByteOneLeavesTheButtonsAndIsRewrittenOnStore)
{
    PerimeterFixture f(16);
    f.image().setByte(perimeterAt(1) + 18, 3);
    f.image().setByte(perimeterAt(2) + 18, 1);
    f.show();
    EXPECT_TRUE(f.control<QRadioButton>("RadioButtonPerimPulsARM")->isChecked());
    f.visit(17);
    EXPECT_TRUE(f.control<QRadioButton>("RadioButtonPerimPulsARM")->isChecked());
    f.store();
    EXPECT_EQ(f.image().byte(perimeterAt(2) + 18), 3);
    f.control<QRadioButton>("RadioButtonPerimTouchAD")->setChecked(true);
    f.store();
    EXPECT_EQ(f.image().byte(perimeterAt(2) + 18), 2);
}

TEST(PerimeterPages, ModeOnOutputBoxOnPerimetersTwoToFour)
{
    PerimeterFixture f(16);
    auto* box = f.control<QCheckBox>("CheckBoxRedirectToOut");
    EXPECT_FALSE(box->isVisibleTo(f.panel()));
    EXPECT_TRUE(f.control<QLabel>("LabelARMOut")->isVisibleTo(f.panel()));
    f.visit(18);
    EXPECT_TRUE(box->isVisibleTo(f.panel()));
    EXPECT_FALSE(f.control<QLabel>("LabelARMOut")->isVisibleTo(f.panel()));
    EXPECT_EQ(box->text(), "Отображать режим (ОХРАНА/НАБЛЮДЕНИЕ) на выходе  2");
    f.image().setByte(2817, 0x8F);
    f.show();
    EXPECT_FALSE(box->isChecked());
    box->setChecked(true);
    f.store();
    EXPECT_EQ(f.image().byte(2817), 0xAF); // perimeter 3: bit 5
    f.visit(16);
    f.store();
    EXPECT_EQ(f.image().byte(2817), 0xAF); // perimeter 1 has no bit
}

TEST(PerimeterPages, StoreWritesTheNameDelayActionsAndClearsByteFifty)
{
    PerimeterFixture f(17);
    f.image().setByte(perimeterAt(2) + 50, 0x55);
    f.image().setByte(perimeterAt(2) + 40, 0x66); // bytes 40-46 belong to no control
    f.control<QComboBox>("ComboBoxPerimetrName")->setEditText("ГАРАЖ");
    f.control<QSpinBox>("UpDownPerimDelayARM")->setValue(240);
    f.control<QComboBox>("ComboBoxPArmToRele2")->setCurrentIndex(1);
    f.control<QComboBox>("ComboBoxPDisarmToRele7")->setCurrentIndex(16);
    f.control<QComboBox>("ComboBoxPCDtoRele1")->setCurrentIndex(3);
    f.store();
    EXPECT_EQ(f.image().byte(perimeterAt(2) + 17), 240);
    EXPECT_EQ(f.image().byte(perimeterAt(2) + 20), 1);
    EXPECT_EQ(f.image().byte(perimeterAt(2) + 32), 16);
    EXPECT_EQ(f.image().byte(perimeterAt(2) + 33), 3);
    EXPECT_EQ(f.image().byte(perimeterAt(2) + 50), 0);
    EXPECT_EQ(f.image().byte(perimeterAt(2) + 40), 0x66);
    EXPECT_EQ(fromCp1251(QByteArray(reinterpret_cast<const char*>(f.image().data() + perimeterAt(2)))), "ГАРАЖ");
}

TEST(PerimeterPages, PresentedKeyLandsInTheTableAndIsStored)
{
    PerimeterFixture f(16);
    f.group->keyPolled(1 /* key read */, "0123456789ABCDEF");
    EXPECT_EQ(f.grid()->rows()[0], (TouchKeyRow{"0123456789ABCDEF", "KEY1", true, true, "-"}));
    f.group->keyPolled(1, "0123456789ABCDEF");
    EXPECT_EQ(f.control<QLabel>("LabelPerimetersActionDiscription")->text(),
              "Ключ с кодом: 0123456789ABCDEF, уже внесен в таблицу");
    f.store();
    EXPECT_EQ(bytesAt(f.image(), keyAt(1), 8), (std::vector<uint8_t>{0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}));
    EXPECT_EQ(f.image().byte(keyAt(1) + 25), 0x03);
    f.visit(17); // entering a page clears the report
    EXPECT_TRUE(f.control<QLabel>("LabelPerimetersActionDiscription")->text().isEmpty());
}
