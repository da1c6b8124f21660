#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/ConfigImage.h"

using namespace vrm;

namespace {

std::string where(const RecordInfo& record, const FieldInfo& field)
{
    return std::string(record.title) + " · " + std::string(field.caption) + " (" + std::string(field.id) + ")";
}

// Every field inside its record, no bit claimed twice; sub-record types are checked the same way.
void checkRecordType(const RecordInfo& record, std::set<const RecordInfo*>& checked)
{
    if (!checked.insert(&record).second)
        return;
    ASSERT_FALSE(record.fields.empty()) << record.title;
    std::vector<uint8_t> claimed(record.size, 0);
    for (const FieldInfo& field : record.fields) {
        ASSERT_GT(field.count, 0) << where(record, field);
        ASSERT_LE(field.offset + field.extent(), record.size) << where(record, field);
        uint8_t mask = 0xFF;
        if (field.kind == FieldKind::Bits) {
            ASSERT_GT(field.bitCount, 0) << where(record, field);
            ASSERT_LE(field.firstBit + field.bitCount * field.count, 8) << where(record, field);
            mask = uint8_t(((1u << (field.bitCount * field.count)) - 1) << field.firstBit);
        }
        if (field.kind == FieldKind::Records) {
            ASSERT_NE(field.sub, nullptr) << where(record, field);
            ASSERT_EQ(field.width, field.sub->size) << where(record, field);
            checkRecordType(*field.sub, checked);
        }
        for (std::size_t i = field.offset; i < std::size_t(field.offset + field.extent()); ++i) {
            EXPECT_EQ(claimed[i] & mask, 0) << where(record, field) << " overlaps at byte " << i;
            claimed[i] |= mask;
        }
    }
}

} // namespace

TEST(Layout, RecordArraysCoverTheImageInOrderWithoutGaps)
{
    std::size_t next = 0;
    for (const layout::Placement& placement : layout::placements()) {
        EXPECT_EQ(placement.base, next) << placement.name << " does not start where the one before ends";
        ASSERT_NE(placement.record, nullptr) << placement.name;
        next = placement.end();
    }
    EXPECT_EQ(next, blocks::image.end());
}

TEST(Layout, FieldsLieInsideTheirRecordAndShareNoBit)
{
    std::set<const RecordInfo*> checked;
    for (const layout::Placement& placement : layout::placements())
        checkRecordType(*placement.record, checked);
}

TEST(Layout, EverySettingsPageEditsDeclaredRecords)
{
    // Pages 29 and 38 are overviews without settings of their own.
    std::set<int> edited;
    for (const layout::Placement& placement : layout::placements()) {
        for (std::size_t i = 0; i < placement.count; ++i) {
            if (int page = placement.pageOf(i); page >= 0)
                edited.insert(page);
        }
    }
    for (int page = 1; page <= 47; ++page) {
        if (page != 29 && page != 38) {
            EXPECT_TRUE(edited.count(page)) << "no declared record is edited on page " << page;
        }
    }
}

TEST(Layout, MainBlockRecordArraysFollowTheMemoryMap)
{
    using namespace layout;
    EXPECT_EQ(connections.end(), 356u);
    EXPECT_EQ(inputs.end(), 1832u);
    EXPECT_EQ(outputs.end(), 2196u);
    EXPECT_EQ(scenarios.end(), 2672u);
    EXPECT_EQ(clockBlock.end(), 2808u);
    EXPECT_EQ(servers.end(), 3072u);
    EXPECT_EQ(perimeters.end(), 3291u);
    EXPECT_EQ(touchKeys.end(), 4316u);
    EXPECT_EQ(profiles.end(), blocks::main.end());
    EXPECT_EQ(phoneRecords.end(), blocks::image.end());
    // Sub-records land where the pages expect them.
    EXPECT_EQ(profile::thresholds(profiles[1], 2).base, 4316u + 122 + 18 + 12);
    EXPECT_EQ(clock::tasks(clockBlock[0], 7).base, 2680u + 16 * 7);
    EXPECT_EQ(connection::smsSources(connections[7]).base, 68u + 36 * 7 + 30);
}

TEST(Layout, StoresKeepTheOtherBitsAndIndexElements)
{
    using namespace layout;
    ConfigImage image;
    const auto at = connections[0];
    image.setByte(at.base + 16, 0b1100'0011);
    image.set(at, connection::groupNumber, 0b1111'0101); // wider than the field: only 4 bits land
    EXPECT_EQ(image.byte(at.base + 16), 0b1101'0111);
    EXPECT_EQ(image.get(at, connection::groupNumber), 0b0101u);

    // Element 2 of the 2-bit perimeter links is bits 4-5 of byte 56.
    const auto in = inputs[3];
    image.setByte(in.base + 56, 0xFF);
    image.set(in, input::perimeterLinks, 0, 2);
    EXPECT_EQ(image.byte(in.base + 56), 0b1100'1111);
    EXPECT_EQ(image.get(in, input::perimeterLinks, 3), 3u);

    image.setSigned(temperatureBlock[0], temperature::lowBorder, -25);
    EXPECT_EQ(image.byte(2843), 0xE7);
    EXPECT_EQ(image.getSigned(temperatureBlock[0], temperature::lowBorder), -25);
}

TEST(Layout, OutOfRangeRecordsElementsAndKindsFailInEveryBuild)
{
    using namespace layout;
    ConfigImage image;
    EXPECT_THROW((void)inputs[16], std::out_of_range);
    EXPECT_THROW((void)profile::thresholds(profiles[0], 16), std::out_of_range);
    EXPECT_THROW(image.get(outputs[0], output::enabled, 1), std::out_of_range);
    EXPECT_THROW(image.numberAt(0, input::name.info), std::logic_error);
    EXPECT_THROW(image.textAt(0, input::sensorType.info), std::logic_error);
}

TEST(Layout, PagesOfRecords)
{
    using namespace layout;
    EXPECT_EQ(inputs.pageOf(0), 21);
    EXPECT_EQ(inputs.pageOf(7), 28);
    EXPECT_EQ(inputs.pageOf(8), -1); // inputs 9-16 have no page
    EXPECT_EQ(scenarios.pageOf(13), 37);
    EXPECT_EQ(touchKeys.pageOf(31), 16);
    EXPECT_EQ(phoneRecords.pageOf(0), -1);
}

#include "model/ReadableNames.h"

TEST(Layout, ReadableNames)
{
    const auto placements = layout::placements();
    auto find = [&](std::string_view name) {
        for (const layout::Placement& p : placements)
            if (p.name == name)
                return p;
        return layout::Placement{};
    };
    EXPECT_EQ(fieldName(recordTitle(find("inputs"), 2), layout::input::name.info), QStringLiteral("Вход 3 · Название входа"));
    EXPECT_EQ(recordTitle(find("outputs"), 2), QStringLiteral("Выход 1"));
    EXPECT_EQ(recordTitle(find("outputs"), 1), QStringLiteral("Реле 2"));
    EXPECT_EQ(fieldName(recordTitle(find("gprs"), 0), layout::gprs::apn.info), QStringLiteral("Общие параметры GPRS · Точка доступа (APN)"));
    EXPECT_EQ(fieldName(recordTitle(find("scenarios"), 0), layout::scenario::steps.info, 2), QStringLiteral("Сценарий 1 · Шаги 3"));
}
