#include <gtest/gtest.h>

#include <QSet>
#include <functional>

#include "model/FactoryImage.h"
#include "model/FieldCompare.h"
#include "model/FieldMap.h"

using namespace vrm;

namespace {

// Changes the element's lowest own bit and nothing else.
void flipLowestBit(ConfigImage& image, const FieldEntry& entry)
{
    const std::size_t at = entry.offset();
    const uint8_t mask = entry.bitMask();
    image.setByte(at, uint8_t(image.byte(at) ^ (mask & -mask)));
}

} // namespace

TEST(FieldMap, NamesAreUniqueAndEveryByteOfTheMainBlockIsOwnedOrListedOnce)
{
    const FieldMap& map = mainBlockMap();
    QSet<QString> names;
    std::vector<uint8_t> covered(blocks::main.size, 0);
    for (const FieldEntry& entry : map.fields) {
        EXPECT_FALSE(names.contains(entry.name)) << entry.name.toStdString();
        names.insert(entry.name);
        for (std::size_t i = entry.offset(); i < entry.offset() + entry.size(); ++i) {
            EXPECT_EQ(covered[i] & entry.bitMask(), 0) << entry.name.toStdString();
            covered[i] |= entry.bitMask();
        }
    }
    for (const OtherBytes& other : map.others)
        for (std::size_t i = 0; i < other.size(); ++i) {
            EXPECT_EQ(covered[other.offset + i] & other.masks[i], 0) << other.name().toStdString();
            covered[other.offset + i] |= other.masks[i];
        }
    for (std::size_t i = 0; i < covered.size(); ++i)
        ASSERT_EQ(covered[i], 0xFF) << "byte " << i << " is neither owned nor listed";
}

// A change of any one element anywhere, on every page, is reported as that
// element alone, with its page.
TEST(FieldCompare, AOneFieldChangeNamesThatFieldAndNothingElse)
{
    const ConfigImage factory = buildFactoryImage();
    QSet<int> pagesSeen;
    for (const FieldEntry& entry : mainBlockMap().fields) {
        ConfigImage changed = factory;
        flipLowestBit(changed, entry);
        const QList<FieldDifference> differences = compareMainBlocks(changed, factory);
        ASSERT_EQ(differences.size(), 1) << entry.name.toStdString();
        EXPECT_EQ(differences[0].name, entry.name);
        EXPECT_EQ(differences[0].page, entry.page) << entry.name.toStdString();
        EXPECT_NE(differences[0].ownValue, differences[0].otherValue) << entry.name.toStdString();
        pagesSeen.insert(entry.page);
    }
    // Every settings page of the main block is among them.
    for (int page : {1, 2, 9, 10, 11, 13, 14, 15, 16, 19, 20, 21, 28, 30, 36, 37, 39, 46})
        EXPECT_TRUE(pagesSeen.contains(page)) << page;
    EXPECT_TRUE(compareMainBlocks(factory, factory).isEmpty());
}

TEST(FieldCompare, UnownedBitsAreReportedOnceAsOtherBytes)
{
    const FieldMap& map = mainBlockMap();
    ASSERT_FALSE(map.others.empty());
    const ConfigImage factory = buildFactoryImage();
    for (const OtherBytes& other : map.others) {
        ConfigImage changed = factory;
        const std::size_t last = other.size() - 1;
        changed.setByte(other.offset + last, uint8_t(changed.byte(other.offset + last) ^ other.masks[last]));
        if (other.size() > 1)
            changed.setByte(other.offset, uint8_t(changed.byte(other.offset) ^ other.masks[0]));
        const QList<FieldDifference> differences = compareMainBlocks(changed, factory);
        ASSERT_EQ(differences.size(), 1) << other.name().toStdString();
        EXPECT_EQ(differences[0].name, QStringLiteral("Прочие байты по смещению %1").arg(other.offset));
    }
}

TEST(FieldCompare, ValuesReadAsTheInstallerSeesThem)
{
    using namespace layout;
    const ConfigImage factory = buildFactoryImage();
    struct Case {
        const char* name;
        std::function<void(ConfigImage&)> change;
        QString expectedName;
        QString expectedValue;
    };
    const Case cases[] = {
        {"action item", [](ConfigImage& i) { i.set(inputs[0], input::activationActions, 1, 1); },
         QStringLiteral("Вход 1 · При переходе в активное состояние · Реле 2"), QStringLiteral("включить")},
        {"scenario item", [](ConfigImage& i) { i.set(perimeters[2], perimeter::armActions, 5, 6); },
         QStringLiteral("Периметр 3 · Переход в режим ОХРАНА · Выход 5"), QStringLiteral("сценарий 3")},
        {"output item",
         [](ConfigImage& i) { i.set(connections[3], connection::incomingCallOutput, 1); },
         QStringLiteral("Соединение 4 · Входящий вызов: выход"), QStringLiteral("Реле 2")},
        {"text", [](ConfigImage& i) { i.setTextPadded(inputs[2], input::name, "Door \"A\""); },
         QStringLiteral("Вход 3 · Название входа"), QStringLiteral("\"Door \\\"A\\\"\"")},
        {"password hidden", [](ConfigImage& i) { i.setTextPadded(commonBlock[0], common::systemPassword, "secret"); },
         QStringLiteral("Общие параметры соединений · Административный пароль"), QStringLiteral("(задан)")},
        {"address", [](ConfigImage& i) { i.set(gprsBlock[0], gprs::dns1, 0xC0A8010A); },
         QStringLiteral("Общие параметры GPRS · Первичный DNS"), QStringLiteral("192.168.1.10")},
        {"signed", [](ConfigImage& i) { i.setSigned(temperatureBlock[0], temperature::lowBorder, -7); },
         QStringLiteral("Температура и вскрытие корпуса · Нижняя граница оповещения"), QStringLiteral("-7 °C")},
        {"float", [](ConfigImage& i) { i.setReal(inputs[0], input::maximum, 12.5f); },
         QStringLiteral("Вход 1 · Максимальное значение"), QStringLiteral("12.5")},
    };
    for (const Case& c : cases) {
        ConfigImage changed = factory;
        c.change(changed);
        const QList<FieldDifference> differences = compareMainBlocks(changed, factory);
        ASSERT_EQ(differences.size(), 1) << c.name;
        EXPECT_EQ(differences[0].name, c.expectedName) << c.name;
        EXPECT_EQ(differences[0].ownValue, c.expectedValue) << c.name;
    }
}
