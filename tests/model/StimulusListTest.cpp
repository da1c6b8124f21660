#include <gtest/gtest.h>

#include "model/ConfigImage.h"
#include "model/FactoryImage.h"
#include "model/OutputStimuli.h"

using namespace vrm;

namespace {

// Plain offsets of the records that drive outputs.
constexpr std::size_t schedulerTask(int i) { return 2680 + 16 * std::size_t(i); }
constexpr std::size_t perimeter(int p) { return 3087 + 51 * std::size_t(p - 1); }
constexpr std::size_t input(int n) { return 360 + 92 * std::size_t(n - 1); }
constexpr std::size_t relay2 = 1;

StimulusTexts texts()
{
    StimulusTexts t;
    t.schedulerPage = "Часы, планировщик задач";
    t.perimeterPages = QStringList{"Периметр 1", "Периметр 2", "Периметр 3", "Периметр 4"};
    for (int n = 1; n <= 8; ++n)
        t.inputPages << "Вход " + QString::number(n);
    t.actions = QStringList{"нет реакции", "включить", "выключить"};
    for (int s = 1; s <= 14; ++s)
        t.actions << "сценарий " + QString::number(s);
    return t;
}

// An enabled task that controls `output` with `action` at 7:05 on the given weekdays.
void setTask(ConfigImage& image, int i, int output, int action, uint8_t weekdays = 0x01, bool enabled = true)
{
    const std::size_t task = schedulerTask(i);
    image.setByte(task + 0, enabled ? 0x01 : 0x00);
    image.setByte(task + 4, weekdays);
    image.setByte(task + 5, 7);
    image.setByte(task + 6, 5);
    image.setByte(task + 12, 3 << 2);
    image.setByte(task + 13, uint8_t(output));
    image.setByte(task + 14, uint8_t(action));
}

} // namespace

TEST(StimulusList, EverySourceOnceInListOrderWithItsText)
{
    ConfigImage image;
    setTask(image, 2, relay2, 5);
    image.setByte(2850, 0x11);             // tamper: relay 2, switch off
    image.setByte(2847, uint8_t(-15));     // high level
    image.setByte(2848, (1 << 3) | 1);     // relay 2, switch on
    image.setByte(2845, uint8_t(-20));     // low level
    image.setByte(2846, (16 << 3) | 1);    // relay 2, scenario 14
    image.setByte(perimeter(2) + 33 + relay2, 3); // countdown start
    image.setByte(perimeter(2) + 19 + relay2, 1); // arming
    image.setByte(perimeter(4) + 26 + relay2, 2); // disarming
    image.setByte(input(3) + 76 + relay2, 5);     // activation
    image.setByte(input(8) + 83 + relay2, 4);     // deactivation

    const QStringList expected{
        "[Часы, планировщик задач]\t\tсценарий 3\tВ 7:5 в указанные дни недели, строка № 3",
        "[Питание, температура...]\t\tвыключить\tПри вскрытии корпуса",
        "[Питание, температура...]\t\tвключить\tПри превышении температуры выше -15C",
        "[Питание, температура...]\t\tсценарий 14\tПри падении температуры ниже -20C",
        "Периметр 2\t\t\tсценарий 1\tПри начале обратного отсчета",
        "Периметр 2\t\t\tвключить\tПри переходе в режим ОХРАНА",
        "Периметр 4\t\t\tвыключить\tПри переходе в режим НАБЛЮДЕНИЕ",
        "[Вход 3]\t\t\t\tсценарий 3\tПри активизации входа 3",
        "[Вход 8]\t\t\t\tсценарий 2\tПри деактивизации входа 8",
    };
    EXPECT_EQ(outputStimuli(image, relay2, texts()), expected);
    for (int other : {0, 2, 3, 4, 5, 6})
        EXPECT_TRUE(outputStimuli(image, other, texts()).isEmpty()) << "output " << other;
}

TEST(StimulusList, InputActionShowsOnlyOnItsOwnOutput)
{
    ConfigImage image = buildFactoryImage();
    image.setByte(input(1) + 76 + relay2, 5); // input 1, activation, relay 2: scenario 3
    for (int output = 0; output < 7; ++output) {
        const QStringList lines = outputStimuli(image, output, texts());
        if (output == int(relay2))
            EXPECT_EQ(lines, QStringList{"[Вход 1]\t\t\t\tсценарий 3\tПри активизации входа 1"});
        else
            EXPECT_TRUE(lines.isEmpty()) << "output " << output << ": " << lines.join('|').toStdString();
    }
}

TEST(StimulusList, SchedulerTasksThatCannotRunAddNothing)
{
    struct Case {
        const char* name;
        void (*change)(ConfigImage&);
    };
    const Case cases[] = {
        {"disabled", [](ConfigImage& image) { image.setByte(schedulerTask(0) + 0, 0xFE); }},
        {"no weekday", [](ConfigImage& image) { image.setByte(schedulerTask(0) + 4, 0x80); }},
        {"no action", [](ConfigImage& image) { image.setByte(schedulerTask(0) + 14, 0); }},
        {"arming task", [](ConfigImage& image) { image.setByte(schedulerTask(0) + 12, 1 << 2); }},
        {"another output", [](ConfigImage& image) { image.setByte(schedulerTask(0) + 13, 5); }},
    };
    for (const Case& c : cases) {
        ConfigImage image;
        setTask(image, 0, 4, 1, 0x7F);
        ASSERT_EQ(outputStimuli(image, 4, texts()).size(), 1) << c.name;
        c.change(image);
        EXPECT_TRUE(outputStimuli(image, 4, texts()).isEmpty()) << c.name;
    }
}

TEST(StimulusList, ActionValueWithoutItemShowsItsNumber)
{
    ConfigImage image;
    image.setByte(2850, (31 << 3) | 6); // tamper on output 5 with an action beyond the list
    EXPECT_EQ(outputStimuli(image, 6, texts()),
              QStringList{"[Питание, температура...]\t\t31\tПри вскрытии корпуса"});
}
