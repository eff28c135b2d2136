#include "imaging/DibImage.h"
#include "tests/support/Pictures.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

using imaging::DibImage;
using imaging::RgbQuad;
using Values = std::vector<uint32_t>;

namespace {
// The raw values of the top row, left to right.
Values topRow(const DibImage& image) {
    Values values;
    for (int x = 0; x < image.width(); ++x)
        values.push_back(image.pixelValue(x, 0));
    return values;
}
// One row of `width` pixels at `bits`, starting with these bytes.
DibImage oneRow(int width, int bits, std::initializer_list<uint8_t> bytes) {
    DibImage image;
    image.create(width, 1, bits);
    std::copy(bytes.begin(), bytes.end(), image.row(0));
    return image;
}
} // namespace

TEST(DibImage, RowsArePaddedAndStoredBottomUp) {
    DibImage image;
    ASSERT_TRUE(image.create(3, 2, 24));
    EXPECT_EQ(image.stride(), 12);
    EXPECT_EQ(image.imageBytes(), 24u);
    // Row 0 is the top row, stored last.
    EXPECT_EQ(image.row(0), image.pixels() + 12);
    EXPECT_EQ(image.row(1), image.pixels());
    EXPECT_EQ(std::vector<uint8_t>(image.pixels(), image.pixels() + 24), std::vector<uint8_t>(24))
        << "new pixels start black";
    // Width, depth and the bytes of a row, a multiple of four.
    const int strides[][3] = {{1, 1, 4}, {33, 1, 8}, {5, 4, 4}, {3, 8, 4}, {3, 16, 8}, {3, 32, 12}};
    for (const auto& s : strides)
        EXPECT_EQ(DibImage::strideFor(s[0], s[1]), s[2]) << s[0] << " pixels of " << s[1];
}

TEST(DibImage, CreateTakesMissingValuesFromTheDisplayAndRefusesBadArguments) {
    DibImage::setDisplayMetrics(640, 480, 32);
    DibImage image;
    ASSERT_TRUE(image.create(0, 0, 0));
    EXPECT_EQ(std::tuple(image.width(), image.height(), image.bitsPerPixel()),
              std::tuple(640, 480, 32));
    DibImage::setDisplayMetrics(1920, 1080, 32);

    EXPECT_FALSE(image.create(4, 4, 12)) << "unsupported depth";
    EXPECT_TRUE(image.isEmpty()) << "a failed create leaves nothing behind";
    EXPECT_FALSE(image.create(4, 4, 16, imaging::kBitFields)) << "bit fields need masks";
    const imaging::BitMasks masks{0xF800, 0x07E0, 0x001F};
    EXPECT_TRUE(image.create(4, 4, 16, imaging::kBitFields, &masks));
    EXPECT_FALSE(image.create(100000, 100000, 24)) << "refused before allocating";
    EXPECT_FALSE(image.create(-3, 4, 24));
}

TEST(DibImage, EachDepthReadsItsValuesColoursAndTable) {
    EXPECT_EQ(topRow(oneRow(10, 1, {0b1010'0000, 0b0100'0000})),
              (Values{1, 0, 1, 0, 0, 0, 0, 0, 0, 1}));

    const DibImage four = oneRow(3, 4, {0xA5, 0x70});
    EXPECT_EQ(topRow(four), (Values{0xA, 0x5, 0x7})) << "even x is the high nibble";
    RgbQuad table[20];
    EXPECT_EQ(four.readColourTable(0, 20, table), 16) << "as many entries as the depth has";
    EXPECT_EQ(four.readColourTable(14, 5, table), 2);

    DibImage palette = oneRow(2, 8, {0, 1});
    const RgbQuad entries[2] = {{1, 2, 3, 0}, {10, 20, 30, 0}};
    EXPECT_EQ(palette.writeColourTable(0, 2, entries), 2);
    EXPECT_EQ(palette.pixelColour(1, 0), (RgbQuad{10, 20, 30, 0}));

    const uint16_t v = (21 << 10) | (10 << 5) | 3; // red 21, green 10, blue 3 in 5-5-5
    const DibImage word = oneRow(1, 16, {uint8_t(v), uint8_t(v >> 8)});
    EXPECT_EQ(word.pixelColour(0, 0), (RgbQuad{3 * 8, 10 * 8, 21 * 8, 0}));

    DibImage deep = testsupport::picture24({{0x112233, 0x445566}});
    EXPECT_EQ(deep.pixelValue(1, 0), 0x44u * 65536 + 0x55u * 256 + 0x66u);
    EXPECT_EQ(deep.pixelValue(5, 0), 0u) << "outside the picture";
    EXPECT_EQ(deep.writeColourTable(0, 1, table), 0) << "only palette depths have a table";
    EXPECT_EQ(deep.readColourTable(0, 1, table), 0);
}

TEST(DibImage, CopiesAreDeepAndSelfCopyIsHarmless) {
    DibImage original = testsupport::picture24({{0x010203, 0x040506}, {0x070809, 0x0A0B0C}});
    DibImage copy(original);
    copy.row(0)[0] = 0xFF;
    EXPECT_EQ(testsupport::rgbAt(original, 0, 0), 0x010203u);

    DibImage& same = copy;
    copy.copyFrom(same);
    EXPECT_EQ(testsupport::rgbAt(copy, 1, 1), 0x0A0B0Cu);
}

TEST(DibImage, ConvertsEveryDepthTo32Bits) {
    DibImage palette = oneRow(2, 4, {0x01}); // pixel 0 = 0, pixel 1 = 1
    const RgbQuad entries[2] = {{0, 0, 0, 0}, {0x30, 0x20, 0x10, 0}};
    palette.writeColourTable(0, 2, entries);
    palette.toDepth32();
    ASSERT_EQ(palette.bitsPerPixel(), 32);
    EXPECT_EQ(topRow(palette), (Values{0, 0x00102030}));

    DibImage deep = testsupport::picture24({{0xAABBCC}});
    deep.toDepth32();
    EXPECT_EQ(deep.pixelValue(0, 0), 0x00AABBCCu) << "fourth byte set to 0";
}
