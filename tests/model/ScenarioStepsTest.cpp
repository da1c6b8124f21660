#include <gtest/gtest.h>

#include <QStringList>
#include <initializer_list>

#include "model/ScenarioSteps.h"

using namespace vrm::scenario;

namespace {

Row row(FirstLevel first, std::initializer_list<int> durations, bool repeats = false, QString count = {})
{
    Row r;
    r.firstLevel = first;
    r.repeats = repeats;
    r.count = count;
    int k = 0;
    for (int d : durations)
        r.durations[k++] = QString::number(d);
    return r;
}

Words words(std::initializer_list<uint16_t> values, uint16_t fill = 0)
{
    Words w;
    w.fill(fill);
    int k = 0;
    for (uint16_t v : values)
        w[k++] = v;
    return w;
}

struct StoreCase {
    const char* name;
    Row row;
    Words previous;
    Words expected;
};

} // namespace

TEST(ScenarioSteps, StoreFollowsTheWordRules)
{
    Row sixteen = row(FirstLevel::Low, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    const StoreCase cases[] = {
        {"single run: count 1, two steps, terminator with the following level",
         row(FirstLevel::High, {3, 4}), words({}, 0x1234), words({1, 0x8003, 0x0004, 0x8000}, 0x1234)},
        {"repeating with count 0: terminator with the last step's level",
         row(FirstLevel::High, {3, 4}, true, "0"), words({}), words({0, 0x8003, 0x0004, 0x0000})},
        {"repeating, first level low, odd number of steps",
         row(FirstLevel::Low, {5, 6, 7}, true, "12"), words({}), words({12, 0x0005, 0x8006, 0x0007, 0x0000})},
        {"a duration above 15 bits keeps its low 15 bits",
         row(FirstLevel::Low, {40000}), words({}), words({1, 7232, 0x8000})},
        {"sixteen durations: no terminator anywhere",
         sixteen, words({}, 0xFFFF),
         words({1, 1, 0x8002, 3, 0x8004, 5, 0x8006, 7, 0x8008, 9, 0x800A, 11, 0x800C, 13, 0x800E, 15, 0x8010})},
        {"repeating count typed as 1 is a single run", row(FirstLevel::High, {2}, true, "1"), words({}),
         words({1, 0x8002, 0x8000})},
        {"a negative count keeps its 16-bit pattern", row(FirstLevel::High, {2}, true, "-5"), words({}),
         words({0xFFFB, 0x8002, 0x8000})},
        {"an empty row is a terminator at step 1 with the start level", row(FirstLevel::None, {}), words({}, 0x4444),
         words({1, 0x0000}, 0x4444)},
        {"no durations, first level high: the terminator carries high", row(FirstLevel::High, {}), words({}),
         words({1, 0x8000})},
    };
    for (const StoreCase& c : cases) {
        Words stored = store(c.row, c.previous);
        EXPECT_EQ(stored, c.expected) << c.name;
    }
}

TEST(ScenarioSteps, StoreStopsAtTheFirstEmptyDurationAndCarriesTheRest)
{
    Row r = row(FirstLevel::High, {7});
    r.durations[2] = "9"; // behind the gap: never read
    Words previous = words({}, 0x0BAD);
    Words stored = store(r, previous);
    EXPECT_EQ(stored[1], 0x8007);
    EXPECT_EQ(stored[2], 0x0000);
    for (int k = 3; k < kWords; ++k)
        EXPECT_EQ(stored[k], 0x0BAD) << "word " << k;
    r.durations[1] = "abc";
    EXPECT_EQ(store(r, previous), stored);
}

struct ShowCase {
    const char* name;
    Words words;
    bool repeats;
    QString count;
    FirstLevel first;
    QStringList durations;
};

TEST(ScenarioSteps, ShowFollowsTheWordRules)
{
    const ShowCase cases[] = {
        {"single run", words({1, 0x8003, 0x0004, 0x8000, 0x8009}), false, {}, FirstLevel::High, {"3", "4"}},
        {"repeating with its count", words({0, 0x0005, 0x8006, 0}), true, "0", FirstLevel::Low, {"5", "6"}},
        {"count above 32767 shows signed", words({0xFFFB, 0x8002}), true, "-5", FirstLevel::High, {"2"}},
        {"first duration 0: level and durations empty", words({1, 0x8000, 0x0005}), false, {}, FirstLevel::None, {}},
        {"sixteen steps without terminator", words({1}, 0x8001), false, {}, FirstLevel::High,
         QStringList(16, QStringLiteral("1"))},
    };
    for (const ShowCase& c : cases) {
        Row shown = show(c.words);
        EXPECT_EQ(shown.repeats, c.repeats) << c.name;
        EXPECT_EQ(shown.count, c.count) << c.name;
        EXPECT_EQ(shown.firstLevel, c.first) << c.name;
        for (int k = 0; k < kSteps; ++k)
            EXPECT_EQ(shown.durations[k], k < c.durations.size() ? c.durations[k] : QString()) << c.name << " step " << k;
    }
}

TEST(ScenarioSteps, RepeatingRowWithCountOneComesBackAsSingleRun)
{
    Words stored = store(row(FirstLevel::Low, {4, 4}, true, "1"), words({}));
    Row again = show(stored);
    EXPECT_FALSE(again.repeats);
    EXPECT_TRUE(again.count.isEmpty());
}

TEST(ScenarioSteps, FactoryScenariosSurviveShowAndStore)
{
    // Scenario 2 repeating (high 2, low 2, high 2, low 2) and scenario 8 with a word behind its terminator.
    const Words factory[] = {words({0, 0x8002, 0x0002, 0x8002, 0x0002, 0x0000}),
                             words({1, 0x8001, 0x0000, 0x8000})};
    for (const Words& w : factory)
        EXPECT_EQ(store(show(w), w), w);
}
