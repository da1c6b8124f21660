// What the installer typed, and what the tool showed, is what the pages store:
// names are not completed from the suggestions, emptied up-down edits mean 0,
// and the input scale is shown whole however long its text.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <cstring>

#include "PageTestHost.h"
#include "model/Cp1251.h"
#include "model/InputRange.h"
#include "model/layout/Inputs.h"
#include "model/layout/Outputs.h"
#include "model/layout/Perimeters.h"
#include "model/layout/Profiles.h"
#include "ui/pages/io/inputs/InputPages.h"
#include "ui/pages/io/inputs/ProfilePages.h"
#include "ui/pages/io/outputs/OutputPages.h"
#include "ui/pages/io/perimeters/PerimeterPages.h"

using namespace vrm;
using namespace vrm::test;
namespace layout = vrm::layout;

namespace {

// Key presses with any character, Cyrillic too (QTest's own take ASCII only).
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        const int key = c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// Types `typed` into the editable name box `boxName` of `page`, leaves the box
// and stores: returns the text stored in `field` of record `at`.
template <class Group, class R>
QString storedAfterTyping(int page, const char* boxName, const QString& typed, RecordAt<R> at,
                          const Field<R, FieldKind::Text>& field)
{
    PageFixture<Group> fixture(page);
    QComboBox* box = fixture.template control<QComboBox>(boxName);
    if (!box)
        return {};
    // Suggestions complete only in a box that has the focus, as the user's has.
    fixture.panel()->show();
    QApplication::setActiveWindow(fixture.panel());
    box->lineEdit()->setFocus();
    QApplication::processEvents();
    if (!box->lineEdit()->hasFocus())
        ADD_FAILURE() << boxName << " takes no focus";
    box->lineEdit()->clear();
    typeText(box->lineEdit(), typed);
    QTest::keyClick(box->lineEdit(), Qt::Key_Tab);
    fixture.store();
    return fromCp1251(fixture.image().text(at, field));
}

// A suggestion that starts with what is typed ("ДВЕРЬ", "DOOR", "ЗАМОК",
// "КОМФОРТ", "ПЕРИМЕТР1") must not replace it.
TEST(TypedValues, NameBoxesStoreWhatWasTypedNotASuggestion)
{
    namespace in = layout::input;
    const auto input1 = layout::inputs[0];
    EXPECT_EQ(storedAfterTyping<InputPages>(21, "ComboBoxSensName", QStringLiteral("ДВ"), input1, in::name), "ДВ");
    EXPECT_EQ(storedAfterTyping<InputPages>(21, "ComboBoxSensName", QStringLiteral("door"), input1, in::name), "door");
    EXPECT_EQ(storedAfterTyping<InputPages>(21, "ComboBoxSensActSt", QStringLiteral("дв"), input1, in::activeName),
              "дв");
    EXPECT_EQ(storedAfterTyping<InputPages>(21, "ComboBoxSensPassSt", QStringLiteral("op"), input1, in::passiveName),
              "op");
    EXPECT_EQ(storedAfterTyping<OutputPages>(30, "ComboBoxReleName", QStringLiteral("ЗА"), layout::outputs[0],
                                             layout::output::name),
              "ЗА");
    EXPECT_EQ(storedAfterTyping<ProfilePages>(39, "ComboBoxProfileName", QStringLiteral("ко"), layout::profiles[0],
                                              layout::profile::name),
              "ко");
    EXPECT_EQ(storedAfterTyping<PerimeterPages>(16, "ComboBoxPerimetrName", QStringLiteral("ПЕРИ"),
                                                layout::perimeters[0], layout::perimeter::name),
              "ПЕРИ");
}

// Types `typed` into the up-down's edit after selecting all of it; the
// position the up-down then holds.
int positionAfterTyping(QSpinBox* upDown, const QString& typed)
{
    QLineEdit* edit = upDown->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, typed);
    return upDown->value();
}

TEST(TypedValues, UpDownEditsReadEmptyAsZeroAndClampToTheirRange)
{
    const struct {
        const char* typed;
        int recovery; // 0-63 minutes
        int armDelay; // 0-240 seconds
    } cases[] = {
        {"", 0, 0}, {"7", 7, 7}, {"99", 63, 99}, {"250", 63, 240}, {"99999999999999", 63, 240},
    };
    PageFixture<InputPages> input(21);
    PageFixture<PerimeterPages> perimeter(16);
    auto* recovery = input.control<QSpinBox>("UpDownRecoveryTime");
    auto* armDelay = perimeter.control<QSpinBox>("UpDownPerimDelayARM");
    ASSERT_TRUE(recovery && armDelay);
    EXPECT_TRUE(input.control<QLineEdit>("EditRecoveryTime"));
    EXPECT_TRUE(perimeter.control<QLineEdit>("EditPerimDelayARM"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        recovery->setValue(12);
        armDelay->setValue(12);
        EXPECT_EQ(positionAfterTyping(recovery, QString::fromLatin1(c.typed)), c.recovery);
        EXPECT_EQ(positionAfterTyping(armDelay, QString::fromLatin1(c.typed)), c.armDelay);
        // Leaving the edit keeps the position and shows it.
        QTest::keyClick(recovery->findChild<QLineEdit*>(), Qt::Key_Tab);
        recovery->clearFocus();
        emit recovery->editingFinished();
        EXPECT_EQ(recovery->value(), c.recovery);
        input.store();
        EXPECT_EQ(input.image().get(layout::inputs[0], layout::input::recoveryTime), uint32_t(c.recovery));
        perimeter.store();
        EXPECT_EQ(perimeter.image().byte(layout::perimeters[0].base + 17), uint8_t(c.armDelay));
    }
}

// A scale whose text is longer than the ten characters one may type is shown
// and stored back whole: merely visiting the page must not change it.
TEST(TypedValues, InputScaleIsShownWholeAndStoredUnchanged)
{
    const float scales[] = {12345680.0f, -12345680.0f, 0.0001234568f, -0.0001234568f, 3.402823e38f, 1.5e-10f, -98765.43f};
    PageFixture<InputPages> page(22);
    const auto at = layout::inputs[1];
    for (const float value : scales) {
        SCOPED_TRACE(value);
        page.image().setReal(at, layout::input::minimum, value);
        page.image().setReal(at, layout::input::maximum, -value);
        const ConfigImage before = page.image();
        page.show();
        EXPECT_EQ(page.control<QLineEdit>("MaskEditMinVal")->text(), userValueText(value));
        EXPECT_EQ(page.control<QLineEdit>("MaskEditMaxVal")->text(), userValueText(-value));
        page.store();
        EXPECT_EQ(bytesAt(page.image(), at.base + 68, 8), bytesAt(before, at.base + 68, 8));
    }
    // What is typed still stops at ten characters.
    QLineEdit* min = page.control<QLineEdit>("MaskEditMinVal");
    min->clear();
    QTest::keyClicks(min, QStringLiteral("123456789012345"));
    EXPECT_EQ(min->text(), QStringLiteral("1234567890"));
}

} // namespace
