#include <gtest/gtest.h>

#include <vector>

#include "model/ConfigImage.h"

using namespace vrm;

TEST(Layout, FieldsLieInsideTheirRecordAndDoNotOverlap)
{
    for (const RecordLayout& record : layout::records()) {
        ASSERT_LE(record.array.end(), blocks::image.end()) << record.name;
        // One bit mask per record byte: any bit claimed twice is an overlap.
        std::vector<uint8_t> claimed(record.array.size, 0);
        for (const Field& field : record.fields) {
            ASSERT_LE(field.offset + field.width, record.array.size) << record.name << ": " << field.name;
            if (field.kind == FieldKind::Bits) {
                ASSERT_LE(field.firstBit + field.bitCount, 8) << record.name << ": " << field.name;
                ASSERT_GT(field.bitCount, 0) << record.name << ": " << field.name;
            }
            const uint8_t mask = field.kind == FieldKind::Bits ? uint8_t(((1u << field.bitCount) - 1) << field.firstBit)
                                                                : uint8_t(0xFF);
            for (std::size_t i = field.offset; i < std::size_t(field.offset + field.width); ++i) {
                EXPECT_EQ(claimed[i] & mask, 0) << record.name << ": " << field.name << " overlaps at byte " << i;
                claimed[i] |= mask;
            }
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
    EXPECT_EQ(servers.end(), 3072u);
    EXPECT_EQ(perimeters.end(), 3291u);
    EXPECT_EQ(touchMemoryKeys.end(), 4316u);
    EXPECT_EQ(profiles.end(), blocks::main.end());
    EXPECT_EQ(phoneRecords.end(), blocks::image.end());
}

TEST(Layout, BitFieldStoreKeepsTheOtherBits)
{
    ConfigImage image;
    image.setByte(16, 0b1100'0011);
    const Field group = bitField("group", 16, 2, 4);
    image.set(0, group, 0b1111'0101); // wider than the field: only 4 bits land
    EXPECT_EQ(image.byte(16), 0b1101'0111);
    EXPECT_EQ(image.get(0, group), 0b0101u);
}
