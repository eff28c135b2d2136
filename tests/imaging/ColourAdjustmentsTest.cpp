// The colour adjustments on one-row pictures, each expected value worked out by hand from
// the formulas.
#include "imaging/ColourAdjustments.h"
#include "tests/support/Pictures.h"

#include <gtest/gtest.h>

using testsupport::picture24;
using testsupport::rgbGrid;
using Grid = std::vector<uint32_t>;

TEST(ColourAdjustments, BrightnessScalesEveryChannel) {
    // 150 %: k = 192, v x 192 / 128 = 1.5 v, truncated; 200 x 1.5 = 300 is kept at 255.
    imaging::DibImage image = picture24({{0x000001, 0x646464, 0xC80055}});
    imaging::brightness(image, 150);
    EXPECT_EQ(rgbGrid(image), (Grid{0x000001, 0x969696, 0xFF007F}));
    imaging::brightness(image, 0);
    EXPECT_EQ(rgbGrid(image), (Grid{0, 0, 0}));
}

TEST(ColourAdjustments, ContrastScalesTheDistanceFrom128) {
    const auto contrasted = [](int k) {
        imaging::DibImage image = picture24({{0x000000, 0xFFFFFF, 0x80C882}});
        imaging::contrast(image, k);
        return rgbGrid(image);
    };
    // 50 %, k = 64: 0 -> -64 + 128, 255 -> 63 + 128, 200 -> 36 + 128.
    EXPECT_EQ(contrasted(50), (Grid{0x404040, 0xBFBFBF, 0x80A481}));
    // 200 %, k = 256: 0 -> -128 -> 0; 200 -> 272 -> 255; 130 -> 132.
    EXPECT_EQ(contrasted(200), (Grid{0x000000, 0xFFFFFF, 0x80FF84}));
    EXPECT_EQ(contrasted(0), (Grid{0x808080, 0x808080, 0x808080}));
}

TEST(ColourAdjustments, HueAndSaturationGoThroughLightness) {
    // R 200, G 100, B 51: lightness (200 + 51) / 510, times 255 is 125.5.
    imaging::DibImage image = picture24({{0xC86433, 0x0000FF}});
    imaging::hueSaturation(image, 100, 0);
    EXPECT_EQ(rgbGrid(image), (Grid{0x7D7D7D, 0x7F7F7F})) << "unsaturated: grey trunc(L x 255)";

    // Hue 0 % makes every hue red; a pure blue (hue 2/3) then comes back pure red.
    image = picture24({{0x0000FF}});
    imaging::hueSaturation(image, 0, 100);
    EXPECT_EQ(rgbGrid(image), (Grid{0xFF0000}));
}

TEST(ColourAdjustments, HueAndSaturationGiveTheSameBytesWhereverAColourRepeats) {
    // Rows repeating the colours of the first (converted whole after the first finds none of
    // them, then remembered when the look-ups are tried again at row 16), rows where every
    // pixel differs, and rows of one colour: each pixel must come out as that colour alone.
    for (const bool in32Bits : {false, true}) {
        imaging::DibImage image = testsupport::solid24(40, 40, 0x336699);
        for (int y = 0; y < 35; ++y) {
            const bool metBefore = y < 19;
            for (int x = 0; x < 40; ++x)
                testsupport::paint(image, x, y,
                                   (metBefore ? x * 3 : x ^ y) << 16 |
                                       (metBefore ? 0 : y * 7) << 8 | (x * 6));
        }
        if (in32Bits)
            image.toDepth32();
        const Grid before = rgbGrid(image);
        imaging::hueSaturation(image, 70, 130);
        const Grid after = rgbGrid(image);
        for (size_t i = 0; i < before.size(); ++i) {
            imaging::DibImage alone = picture24({{before[i]}});
            imaging::hueSaturation(alone, 70, 130);
            ASSERT_EQ(after[i], rgbGrid(alone)[0]) << "pixel " << i << (in32Bits ? " of 32" : "");
        }
    }
}

TEST(ColourAdjustments, RgbOffsetsAreAddedAndKeptInRange) {
    imaging::DibImage image = picture24({{0x00FF10, 0xC80A64}});
    imaging::rgbOffsets(image, 128, 0, -128);
    EXPECT_EQ(rgbGrid(image), (Grid{0x80FF00, 0xFF0A00}));
}

// Grey 106 and lighter stay; grey 105 is 104.99999 in doubles, so d = 151: with alpha 1 and
// bright 50, m = 1, w = 105 x 99 / 100 + 1 = 104, k = 151 x 50 x 256 / 22500 = 85, and the
// result 104 x 85 / 128 = 69. Black (d = 255) gets m = 2, k = 145, so 2 x 145 / 128 = 2;
// with alpha 0 it stays black (w = 0).
TEST(ColourAdjustments, ShadowOptimizeLiftsOnlyDarkPixels) {
    imaging::DibImage image = picture24({{0x6A6A6A, 0x696969, 0x000000, 0xFFFFFF}});
    image.toDepth32();
    image.row(0)[3] = 0x77;
    imaging::DibImage blackKept = image;
    imaging::shadowOptimize(image, 1, 50);
    EXPECT_EQ(rgbGrid(image), (Grid{0x6A6A6A, 0x454545, 0x020202, 0xFFFFFF}));
    EXPECT_EQ(image.row(0)[3], 0x77) << "the fourth byte is left alone";
    imaging::shadowOptimize(blackKept, 0, 50);
    EXPECT_EQ(testsupport::rgbAt(blackKept, 2, 0), 0u);

    imaging::DibImage flat = picture24({{0x000000}});
    imaging::shadowOptimize(flat, 100, 100);
    EXPECT_EQ(rgbGrid(flat), (Grid{0x000000})) << "24 bits: left as it is";
}

TEST(ColourAdjustments, PalettedPicturesChangeTheirColourTable) {
    imaging::DibImage image;
    ASSERT_TRUE(image.create(2, 1, 8));
    const imaging::RgbQuad entries[2] = {{100, 100, 100, 0}, {0, 0, 200, 0}};
    image.writeColourTable(0, 2, entries);
    image.row(0)[1] = 1;
    imaging::brightness(image, 150);
    EXPECT_EQ(rgbGrid(image), (Grid{0x969696, 0xFF0000}));
    EXPECT_EQ(image.row(0)[1], 1) << "the indices stay";
}
