// The perimeter and clock pages against the vrm530-sim executable: a key
// presented to the simulated reader lands in the key grid, and both clock
// buttons set the simulated controller's clock, which page 14 then shows.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "e2e/EndToEndFixture.h"
#include "ui/pages/io/perimeters/TouchKeyGrid.h"

using namespace vrm;
using vrm::test::EndToEnd;

namespace {

class PerimeterClockEndToEnd : public EndToEnd {
protected:
    void startWithPages() { start(); }
    template <class T> T* control(const char* name)
    {
        T* widget = form_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString simulatorClock()
    {
        const QString status = simulator(QStringLiteral("status"), true);
        const qsizetype at = status.indexOf(QStringLiteral("clock "));
        return at < 0 ? QString() : status.mid(at + 6, 17);
    }
};

} // namespace

TEST_F(PerimeterClockEndToEnd, PresentedKeyAppearsInTheGridOfAPerimeterPage)
{
    startWithPages();
    form_->selectPage(17);
    auto* grid = control<TouchKeyGrid>("StringGridPerimTouch");
    ASSERT_NE(grid, nullptr);
    simulator(QStringLiteral("key 0123456789ABCDEF"));
    ASSERT_TRUE(test::waitUntil([&] { return grid->rows()[0].code == QStringLiteral("0123456789ABCDEF"); }, 5000));
    EXPECT_EQ(grid->rows()[0].name, QStringLiteral("KEY1"));
    simulator(QStringLiteral("key 0123456789ABCDEF"));
    auto* description = control<QLabel>("LabelPerimetersActionDiscription");
    EXPECT_TRUE(test::waitUntil([&] { return description->text().contains(QStringLiteral("уже внесен")); }, 5000));
    EXPECT_TRUE(grid->rows()[1].code.trimmed().isEmpty());
    // Leaving the page stores the key into the image.
    form_->selectPage(16);
    EXPECT_EQ(form_->image().byte(3292), 0x01);
    EXPECT_EQ(form_->image().byte(3299), 0xEF);
}

TEST_F(PerimeterClockEndToEnd, SetSetsTheControllerClockAndPageFourteenShowsIt)
{
    startWithPages();
    form_->selectPage(14);
    auto* computer = control<QLineEdit>("MaskEditPCCurTime");
    auto* controller = control<QLineEdit>("MaskEditContrCurTime");
    const auto showsTime = [](QLineEdit* edit) { return edit->displayText().at(0).isDigit(); };
    ASSERT_TRUE(test::waitUntil([&] { return showsTime(computer) && showsTime(controller); }, 5000))
        << computer->displayText().toStdString() << " / " << controller->displayText().toStdString();

    // Focus moves only inside the active window.
    form_->show();
    QApplication::setActiveWindow(form_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    controller->setFocus();
    QApplication::processEvents();
    controller->setText(QStringLiteral("31.12.25 23:59:50"));
    computer->setFocus(); // leaving the field keeps the typed time
    QApplication::processEvents();
    QTest::mousePress(control<QPushButton>("Button2"), Qt::LeftButton); // "Установить"
    QTest::mouseRelease(control<QPushButton>("Button2"), Qt::LeftButton);
    EXPECT_TRUE(received().contains(QStringLiteral("05 0D 06 00 19 0C 1F 17 3B 32")));
    EXPECT_TRUE(simulatorClock().startsWith(QStringLiteral("31.12.25 23:5"))) << simulatorClock().toStdString();
    EXPECT_TRUE(test::waitUntil(
        [&] { return controller->displayText().startsWith(QStringLiteral("31.12.25 23:5")); }, 5000))
        << controller->displayText().toStdString();

    // "Синхро." sends the computer's clock as shown beside it.
    const QString shown = computer->displayText();
    QTest::mouseClick(control<QPushButton>("Button3"), Qt::LeftButton);
    EXPECT_TRUE(test::waitUntil([&] { return simulatorClock().left(14) == shown.left(14); }, 5000))
        << simulatorClock().toStdString() << " vs " << shown.toStdString();
}
