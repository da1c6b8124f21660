#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "model/Cp1251.h"
#include "model/FactoryImage.h"

using namespace vrm;

namespace {

std::vector<uint8_t> bytesAt(const ConfigImage& image, std::size_t offset, std::size_t n)
{
    return {image.data() + offset, image.data() + offset + n};
}

std::vector<uint8_t> cp1251(const QString& text, std::size_t width)
{
    QByteArray bytes = toCp1251(text);
    bytes.resize(qsizetype(width), '\0');
    return {bytes.begin(), bytes.end()};
}

class FactoryImageTest : public ::testing::Test {
protected:
    ConfigImage image = buildFactoryImage();
};

} // namespace

TEST_F(FactoryImageTest, Signature)
{
    EXPECT_EQ(bytesAt(image, 0, 12), (std::vector<uint8_t>{1, 'v', '.', '0', '1', '.', '0', '2', 0, 0, 0, 0}));
}

TEST_F(FactoryImageTest, CommonBlockAndPasswords)
{
    EXPECT_EQ(bytesAt(image, 12, 8), (std::vector<uint8_t>{0x39, 0x1F, 0x01, 0, 0, 0, 0, 0}));
    EXPECT_EQ(bytesAt(image, 38, 5), (std::vector<uint8_t>{'7', '3', '9', '5', 0}));
    EXPECT_EQ(bytesAt(image, 43, 5), (std::vector<uint8_t>{'k', 'v', 'z', 'r', 0}));
}

TEST_F(FactoryImageTest, ConnectionRecords)
{
    for (int n = 1; n <= 8; ++n) {
        std::vector<uint8_t> expected(36, 0);
        expected[16] = uint8_t(4 * (n - 1));
        expected[17] = 0x09;
        expected[28] = 0x09;
        expected[29] = 0x05;
        EXPECT_EQ(bytesAt(image, 68 + 36 * std::size_t(n - 1), 36), expected) << "connection " << n;
    }
}

TEST_F(FactoryImageTest, InputRecord)
{
    const std::size_t at = 360 + 92 * 11; // input 12: a two-digit number in its name
    EXPECT_EQ(bytesAt(image, at, 17), cp1251("ВХОД12", 17));
    EXPECT_EQ(bytesAt(image, at + 17, 17), cp1251("АКТИВЕН", 17));
    EXPECT_EQ(bytesAt(image, at + 34, 17), cp1251("НЕАКТИВЕН", 17));
    EXPECT_EQ(bytesAt(image, at + 51, 41),
              (std::vector<uint8_t>{0,    0x22, 0, 0x40, 0x02, 0, 0, 0x55, 0x05, 0xAA, 0x0A, 0, 0x02, 0,
                                    0,    0,    0, 0,    0,    0, 0, 0,    0,    0x20, 0x41, 0, 0,    0,
                                    0,    0,    0, 0,    0,    0, 0, 0,    0,    0,    0,    0, 0}));
    EXPECT_EQ(image.byte(356), 0x07);
}

TEST_F(FactoryImageTest, OutputRecords)
{
    const std::size_t relay2 = 1832 + 52;
    EXPECT_EQ(bytesAt(image, relay2, 17), cp1251("РЕЛЕ2", 17));
    const std::size_t output5 = 1832 + 52 * 6;
    EXPECT_EQ(bytesAt(image, output5, 17), cp1251("ВЫХОД5", 17));
    EXPECT_EQ(bytesAt(image, output5 + 17, 17), cp1251("ВКЛ", 17));
    EXPECT_EQ(bytesAt(image, output5 + 34, 17), cp1251("ВЫКЛ", 17));
    EXPECT_EQ(image.byte(output5 + 51), 0xA0);
}

TEST_F(FactoryImageTest, ScenarioWords)
{
    const std::size_t s5 = 2196 + 34 * 4;
    EXPECT_EQ(image.word(s5), 0x0001);
    EXPECT_EQ(image.word(s5 + 2), 0x0001);
    EXPECT_EQ(image.word(s5 + 4), 0x8001);
    EXPECT_EQ(image.word(s5 + 6), 0x0002);
    EXPECT_EQ(image.word(s5 + 8), 0x8000);
    const std::size_t s3 = 2196 + 34 * 2;
    EXPECT_EQ(bytesAt(image, s3, 10), (std::vector<uint8_t>{0, 0, 0x05, 0x80, 0x05, 0, 0x0A, 0x80, 0x0A, 0}));
    const std::size_t s14 = 2196 + 34 * 13;
    EXPECT_EQ(bytesAt(image, s14, 34), (std::vector<uint8_t>{1, 0, 1, 0x80, 0, 0, 0, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                             0, 0, 0, 0, 0, 0, 0,    0, 0, 0, 0,    0, 0, 0, 0, 0, 0}));
}

TEST_F(FactoryImageTest, PerimeterAndProfileRecords)
{
    EXPECT_EQ(bytesAt(image, 3087 + 51 * 3, 17), cp1251("ПЕРИМЕТР4", 17));
    const std::size_t profile2 = 4316 + 122;
    EXPECT_EQ(bytesAt(image, profile2, 17), cp1251("ЭКОНОМ", 17));
    EXPECT_EQ(bytesAt(image, 4316 + 122 * 7, 17), cp1251("ПРОФИЛЬ8", 17));
    for (std::size_t group = 0; group < 16; ++group)
        EXPECT_EQ(bytesAt(image, profile2 + 20 + 6 * group, 6), (std::vector<uint8_t>{0x55, 0x05, 0xAA, 0x0A, 0, 0}));
    EXPECT_EQ(bytesAt(image, profile2 + 116, 6), std::vector<uint8_t>(6, 0));
}

TEST_F(FactoryImageTest, GprsPowerAndUneditedBytes)
{
    EXPECT_EQ(bytesAt(image, 2902, 4), (std::vector<uint8_t>{'q', 'z', 'x', 0}));
    EXPECT_EQ(image.text(layout::gprsBlock[0], layout::gprs::apn).size(), 15);
    EXPECT_EQ(image.text(layout::gprsBlock[0], layout::gprs::userName).size(), 3);
    EXPECT_EQ(bytesAt(image, 2934, 4), (std::vector<uint8_t>{0xFF, 0x1B, 0x03, 0x03}));
    for (std::size_t at : {2980, 3024, 3068})
        EXPECT_EQ(image.byte(at), 0x90);
    EXPECT_EQ(bytesAt(image, 3080, 5), (std::vector<uint8_t>{0x10, 0x0E, 0x64, 0x00, 0x3C}));
    EXPECT_EQ(bytesAt(image, 2808, 10), (std::vector<uint8_t>{0xC9, 0, 0, 0, 0x94, 0xA8, 0, 0, 0, 0x04}));
    EXPECT_EQ(bytesAt(image, 2842, 8), (std::vector<uint8_t>{0x01, 0xE7, 0x3C, 0xEC, 0, 0xF1, 0, 0x01}));
    EXPECT_EQ(image.byte(2672), 0x03);
    EXPECT_EQ(image.byte(3291), 0);
}

TEST_F(FactoryImageTest, OtherBlocks)
{
    EXPECT_EQ(bytesAt(image, 5292, 10), (std::vector<uint8_t>{0, 0, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0}));
    EXPECT_EQ(bytesAt(image, 5302, 58), std::vector<uint8_t>(58, 0)); // gap, system parameters, list header
    for (int k : {0, 1, 250, 499}) {
        std::vector<uint8_t> expected(36, 0);
        std::fill(expected.begin() + 24, expected.begin() + 32, 0xFF);
        EXPECT_EQ(bytesAt(image, 5360 + 36 * std::size_t(k), 36), expected) << "record " << k;
    }
}

TEST_F(FactoryImageTest, RecordCheckByteAfterChangingOneByte)
{
    const std::size_t record = 5360 + 36 * 17;
    image.setByte(record + 5, 0xA7);
    updateRecordCheckByte(image, 17);
    EXPECT_NE(image.byte(record + 32), 0);
    uint8_t x = 0;
    for (std::size_t i = 0; i < 36; ++i)
        if (i != 32)
            x ^= image.byte(record + i);
    EXPECT_EQ(uint8_t(x + image.byte(record + 32)), 0) << "XOR of the record plus its check byte is 0 mod 256";
    EXPECT_EQ(image.byte(record + 36 + 32), 0) << "the next record keeps its own";
}

TEST_F(FactoryImageTest, RestoreOperationsTouchOnlyTheirBytes)
{
    ConfigImage changed = image;
    for (std::size_t i = 0; i < ConfigImage::kSize; ++i)
        changed.setByte(i, uint8_t(i * 7 + 3));

    ConfigImage gprs = changed;
    restoreGprsStrategyDefaults(gprs);
    for (std::size_t i = 0; i < ConfigImage::kSize; ++i) {
        const bool inGroup = i >= 2934 && i <= 2937;
        ASSERT_EQ(gprs.byte(i), inGroup ? image.byte(i) : changed.byte(i)) << "offset " << i;
    }

    ConfigImage main = changed;
    restoreFactoryMainBlock(main);
    ConfigImage modes = changed;
    restoreFactoryModesBlock(modes);
    for (std::size_t i = 0; i < ConfigImage::kSize; ++i) {
        ASSERT_EQ(main.byte(i), i < 5292 ? image.byte(i) : changed.byte(i)) << "offset " << i;
        ASSERT_EQ(modes.byte(i), i >= 5292 && i < 5302 ? image.byte(i) : changed.byte(i)) << "offset " << i;
    }
}

TEST(StripSpaces, Cases)
{
    struct Case {
        const char* field;
        int length;
        const char* stripped;
    };
    const Case cases[] = {
        {"8 912 345 67 89", 12, "89123456789"},
        {"+79123456789012", 16, "+79123456789012"},
        {"", 16, ""}, // NULs are no blanks
        {"   ", 13, ""},
    };
    for (const Case& c : cases) {
        std::array<uint8_t, 20> buffer{};
        std::fill(buffer.begin() + 16, buffer.end(), 0xEE);
        std::memcpy(buffer.data(), c.field, std::strlen(c.field));
        EXPECT_EQ(stripSpaces(std::span<uint8_t, 16>(buffer.data(), 16)), c.length) << c.field;
        std::array<uint8_t, 16> expected{};
        std::memcpy(expected.data(), c.stripped, std::strlen(c.stripped));
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), buffer.begin())) << c.field;
        EXPECT_TRUE(std::all_of(buffer.begin() + 16, buffer.end(), [](uint8_t b) { return b == 0xEE; }))
            << "bytes after the field stay untouched";
    }
}

TEST(SignatureCheck, Cases)
{
    const ConfigImage factory = buildFactoryImage();
    struct Case {
        const char* what;
        std::size_t offset;
        uint8_t value;
        bool passes;
    };
    const Case cases[] = {
        {"factory image", 100, 0, true},
        {"format byte", 0, 2, false},
        {"last version digit", 7, '3', false},
        {"reserved bytes 9-11", 10, 0x5A, true},
        {"bytes behind the NUL", 8, 0, true},
        {"NUL moved into the text", 6, 0, false},
    };
    for (const Case& c : cases) {
        ConfigImage image = factory;
        image.setByte(c.offset, c.value);
        EXPECT_EQ(signatureCheck(image, factory), c.passes) << c.what;
    }
}
