#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "ui/pages/io/clock/ClockSetting.h"

using namespace vrm;

namespace {

QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray b;
    for (int v : list)
        b.append(char(v));
    return b;
}

struct ClockFixture {
    QWidget window;
    QLineEdit* controller = new QLineEdit;
    QLineEdit* computer = new QLineEdit;
    QLineEdit* elsewhere = new QLineEdit;
    QList<QByteArray> sent;
    QStringList warnings;
    QList<bool> editing;
    ClockSetting clock{controller, computer,
                       {[this](const QByteArray& p) { sent << p; }, [this](bool on) { editing << on; },
                        [this](const QString& text) { warnings << text; }}};

    ClockFixture()
    {
        controller->setInputMask("00.00.00 00:00:00; ");
        computer->setInputMask("00.00.00 00:00:00; ");
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(controller);
        layout->addWidget(computer);
        layout->addWidget(elsewhere);
        window.show();
        QApplication::setActiveWindow(&window);
        elsewhere->setFocus();
        QApplication::processEvents();
        editing.clear();
    }

    // The user types `text` into the controller clock and leaves the field.
    void type(const QString& text)
    {
        controller->setFocus();
        QApplication::processEvents();
        controller->selectAll();
        controller->setText(text);
        elsewhere->setFocus();
        QApplication::processEvents();
    }
};

} // namespace

TEST(ClockSetting, TypedTimeIsSentAsYearMonthDayHourMinuteSecond)
{
    ClockFixture f;
    f.type("31.12.99 23:59:59");
    EXPECT_EQ(f.editing, (QList<bool>{true, false}));
    f.clock.setTypedTime();
    EXPECT_EQ(f.sent, (QList<QByteArray>{bytes({99, 12, 31, 23, 59, 59})}));
    EXPECT_TRUE(f.clock.storedText().isEmpty());
    f.clock.setTypedTime(); // the stored text is spent: nothing more is sent
    EXPECT_EQ(f.sent.size(), 1);
}

TEST(ClockSetting, EachBadFieldIsRefusedWithItsMessageAndNothingIsSent)
{
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"32.12.24 10:00:00", "Не верно установлено число"},
        {"01.13.24 10:00:00", "Не верно установлен месяц"},
        {"01.12.24 24:00:00", "Не верно установлены часы"},
        {"01.12.24 10:60:00", "Не верно установлены минуты"},
    };
    for (const Case& c : cases) {
        ClockFixture f;
        f.type(QString::fromUtf8(c.text));
        f.clock.setTypedTime();
        EXPECT_TRUE(f.sent.isEmpty()) << c.text;
        EXPECT_EQ(f.warnings, QStringList{QString::fromUtf8(c.message)}) << c.text;
        EXPECT_TRUE(f.clock.storedText().isEmpty()) << c.text;
    }
}

TEST(ClockSetting, NothingTypedSendsNothing)
{
    ClockFixture f;
    f.clock.setTypedTime();
    f.type("");
    f.clock.setTypedTime();
    EXPECT_TRUE(f.sent.isEmpty());
    EXPECT_TRUE(f.warnings.isEmpty());
}

TEST(ClockSetting, SynchroniseSendsTheComputerClock)
{
    ClockFixture f;
    f.clock.showComputerClock("07.03.24 09:05:30");
    f.clock.synchronise();
    EXPECT_EQ(f.sent, (QList<QByteArray>{bytes({24, 3, 7, 9, 5, 30})}));
}

TEST(ClockSetting, ControllerClockIsNotOverwrittenWhileTheUserIsInIt)
{
    ClockFixture f;
    f.clock.showControllerClock("07.03.24 09:05:30");
    EXPECT_EQ(f.controller->displayText(), "07.03.24 09:05:30");
    f.controller->setFocus();
    QApplication::processEvents();
    f.clock.showControllerClock("07.03.24 09:05:31");
    f.clock.showComputerClock("07.03.24 09:05:31");
    EXPECT_EQ(f.controller->displayText(), "07.03.24 09:05:30");
    EXPECT_EQ(f.computer->displayText(), "07.03.24 09:05:31");
    f.elsewhere->setFocus();
    QApplication::processEvents();
    f.clock.showControllerClock("07.03.24 09:05:32");
    EXPECT_EQ(f.controller->displayText(), "07.03.24 09:05:32");
}
