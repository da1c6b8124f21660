#include <gtest/gtest.h>

#include "model/KeyCode.h"
#include "model/TouchKeyTable.h"

using namespace vrm;

namespace {

KeyCode bytes(std::initializer_list<uint8_t> list)
{
    KeyCode code{};
    std::copy(list.begin(), list.end(), code.begin());
    return code;
}

QList<TouchKeyRow> emptyTable()
{
    return QList<TouchKeyRow>(kTouchKeyCount, emptyTouchKeyRow());
}

} // namespace

TEST(KeyCode, TextIsSixteenUpperCaseDigitsMostSignificantByteFirst)
{
    EXPECT_EQ(keyCodeText(bytes({0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF})), "0123456789ABCDEF");
    EXPECT_EQ(keyCodeText(bytes({0, 0, 0, 0, 0, 0, 0x0A, 0xBC})), "0000000000000ABC");
}

TEST(KeyCode, TypedTextIsStoredRightAligned)
{
    struct Case {
        const char* text;
        KeyCode code;
    };
    const Case cases[] = {
        {"ABC", bytes({0, 0, 0, 0, 0, 0, 0x0A, 0xBC})},
        {"  1f2 ", bytes({0, 0, 0, 0, 0, 0, 0x01, 0xF2})},
        {"0123456789ABCDEF", bytes({0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF})},
        {"FFFFFFFFFFFFFFFF", bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
        // empty or unreadable texts give the empty code
        {"", KeyCode{}},
        {"                ", KeyCode{}},
        {"12G4", KeyCode{}},
        {"12 34", KeyCode{}},
        {"0x12", KeyCode{}},
        {"10000000000000000", KeyCode{}}, // 17 digits do not fit
    };
    for (const Case& c : cases)
        EXPECT_EQ(keyCodeFromText(QString::fromLatin1(c.text)), c.code) << c.text;
}

TEST(KeyCode, ShortCodeComesBackZeroPadded)
{
    EXPECT_EQ(keyCodeText(keyCodeFromText("abc")), "0000000000000ABC");
    EXPECT_TRUE(isEmptyKeyCode(keyCodeFromText(emptyKeyCodeText())));
    EXPECT_FALSE(isEmptyKeyCode(keyCodeFromText("1")));
}

TEST(KeyRow, ProfileColumn)
{
    struct Case {
        const char* text;
        uint8_t profile;
    };
    const Case cases[] = {{"1", 1}, {"8", 8}, {"9", 0}, {"-", 0}, {"", 0}, {"0", 0}, {" 5", 5}};
    for (const Case& c : cases)
        EXPECT_EQ(keyProfileFromText(QString::fromLatin1(c.text)), c.profile) << c.text;
    EXPECT_EQ(keyProfileText(0), "-");
    EXPECT_EQ(keyProfileText(3), "3");
    EXPECT_EQ(keyProfileText(keyProfileFromText("9")), "-");
}

TEST(KeyRow, RightsTouchOnlyThePerimetersTwoBits)
{
    // " О" on perimeter 3 sets bit 4 and leaves the others.
    EXPECT_EQ(withKeyRights(0x00, 3, true, false), 0x10);
    EXPECT_EQ(withKeyRights(0xCF, 3, true, false), 0xDF);
    EXPECT_EQ(withKeyRights(0xFF, 3, true, false), 0xDF);
    EXPECT_EQ(withKeyRights(0xFF, 1, false, false), 0xFC);
    EXPECT_EQ(withKeyRights(0x00, 4, false, true), 0x80);
    EXPECT_TRUE(keyMayArm(0x10, 3));
    EXPECT_FALSE(keyMayDisarm(0x10, 3));
    EXPECT_TRUE(keyMayDisarm(0x80, 4));
    EXPECT_FALSE(keyMayArm(0x80, 4));
}

TEST(KeyTable, PresentedKeyTakesTheFirstUnusedRow)
{
    QList<TouchKeyRow> rows = emptyTable();
    rows[0].code = "00000000000000AA";
    rows[0].name = "ИВАН";
    const KeyArrivalResult result = receiveKey(rows, "0123456789ABCDEF");
    EXPECT_EQ(result.outcome, KeyArrival::Added);
    EXPECT_EQ(result.row, 1);
    EXPECT_EQ(rows[1], (TouchKeyRow{"0123456789ABCDEF", "KEY2", true, true, "-"}));
    EXPECT_EQ(rows[0].name, "ИВАН");
    EXPECT_EQ(rows[2], emptyTouchKeyRow());
}

TEST(KeyTable, SecondPresentationAddsNoRow)
{
    QList<TouchKeyRow> rows = emptyTable();
    ASSERT_EQ(receiveKey(rows, "0123456789ABCDEF").outcome, KeyArrival::Added);
    const QList<TouchKeyRow> before = rows;
    const KeyArrivalResult again = receiveKey(rows, "0123456789ABCDEF");
    EXPECT_EQ(again.outcome, KeyArrival::AlreadyInTable);
    EXPECT_EQ(again.row, 0);
    EXPECT_EQ(rows, before);
}

TEST(KeyTable, TypedShortCodeMatchesThePresentedKey)
{
    QList<TouchKeyRow> rows = emptyTable();
    rows[4].code = "ABC";
    const KeyArrivalResult result = receiveKey(rows, "0000000000000ABC");
    EXPECT_EQ(result.outcome, KeyArrival::AlreadyInTable);
    EXPECT_EQ(result.row, 4);
}

TEST(KeyTable, FullTableReportsMemoryFull)
{
    QList<TouchKeyRow> rows = emptyTable();
    for (int i = 0; i < kTouchKeyCount; ++i)
        rows[i].code = keyCodeText(bytes({0, 0, 0, 0, 0, 0, 1, uint8_t(i)}));
    const QList<TouchKeyRow> before = rows;
    EXPECT_EQ(receiveKey(rows, "FFFFFFFFFFFFFFFF").outcome, KeyArrival::MemoryFull);
    EXPECT_EQ(rows, before);
}

TEST(KeyTable, MoveShiftsTheRowsBetween)
{
    QList<TouchKeyRow> rows;
    for (int i = 0; i < 5; ++i)
        rows << TouchKeyRow{QString::number(i), QStringLiteral("K%1").arg(i), false, false, "-"};
    moveKeyRow(rows, 0, 3);
    QStringList names;
    for (const TouchKeyRow& row : rows)
        names << row.name;
    EXPECT_EQ(names, (QStringList{"K1", "K2", "K3", "K0", "K4"}));
    moveKeyRow(rows, 4, 0);
    names.clear();
    for (const TouchKeyRow& row : rows)
        names << row.name;
    EXPECT_EQ(names, (QStringList{"K4", "K1", "K2", "K3", "K0"}));
    moveKeyRow(rows, 2, 7); // outside the table: nothing moves
    EXPECT_EQ(rows[2].name, "K2");
}
