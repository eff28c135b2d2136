#include "imaging/EffectImage.h"
#include "tests/support/Pictures.h"

#include <gtest/gtest.h>

using imaging::DibImage;
using imaging::EffectImage;
using testsupport::picture24;
using testsupport::rgbGrid;
using Grid = std::vector<uint32_t>;
constexpr auto Exact = EffectImage::Shape::Exact;
constexpr auto KeepAspect = EffectImage::Shape::KeepAspect;
constexpr auto Smooth = EffectImage::Scaling::Smooth;

namespace {
constexpr uint32_t A = 0xA0A0A0, B = 0xB0B0B0, C = 0xC0C0C0, D = 0xD0D0D0, E = 0xE0E0E0,
                   F = 0xF0F0F0;
}

TEST(EffectImage, ExtractAndPasteClipToThePictureAndRefuseNonsense) {
    const EffectImage image(picture24({{A, B, C}, {D, E, F}}));
    DibImage part;
    ASSERT_TRUE(image.extract(&part, {1, -5, 10, 1}));
    EXPECT_EQ(rgbGrid(part), (Grid{B, C}));

    EXPECT_FALSE(image.extract(&part, {5, 5, 9, 9})) << "empty intersection";
    EXPECT_FALSE(image.extract(nullptr, {0, 0, 1, 1}));
    EffectImage self(image);
    EXPECT_FALSE(self.extract(&self, {0, 0, 1, 1}));

    DibImage bits;
    bits.create(16, 1, 1);
    bits.row(0)[0] = 0b0000'1111;
    DibImage slice;
    ASSERT_TRUE(EffectImage(bits).extract(&slice, {3, 0, 7, 1}));
    EXPECT_EQ((std::vector{slice.pixelValue(0, 0), slice.pixelValue(1, 0), slice.pixelValue(3, 0)}),
              (std::vector{0u, 1u, 1u}));

    EffectImage flat(picture24({{A, A, A}, {A, A, A}}));
    flat.paste(picture24({{B, C}, {D, E}}), 2, -1);
    EXPECT_EQ(rgbGrid(flat), (Grid{A, A, D, A, A, A})) << "a paste is clipped too";
}

TEST(EffectImage, ResizeKeepsAspectInsideTheBoxAveragesAndRepeats) {
    EffectImage wide(testsupport::solid24(1000, 500, A));
    ASSERT_TRUE(wide.resize(240, 180, KeepAspect, Smooth));
    EXPECT_EQ(std::pair(wide.width(), wide.height()), std::pair(240, 120));

    EffectImage tall(testsupport::solid24(500, 1000, A));
    ASSERT_TRUE(tall.resize(240, 180, KeepAspect, Smooth));
    EXPECT_EQ(std::pair(tall.width(), tall.height()), std::pair(90, 180));

    EXPECT_FALSE(tall.resize(0, 3, Exact, Smooth));
    DibImage palette;
    palette.create(4, 4, 4);
    EffectImage fourBit(palette);
    EXPECT_FALSE(fourBit.resize(2, 2, Exact, Smooth));
    EXPECT_EQ(fourBit.width(), 4) << "unchanged after refusing";

    // Smooth shrinking averages, enlarging repeats.
    EffectImage image(picture24(
        {{0x000000, 0x0A0A0A, 0x646464, 0x646464}, {0x141414, 0x1E1E1E, 0x646464, 0x646464}}));
    ASSERT_TRUE(image.resize(2, 1, Exact, Smooth));
    EXPECT_EQ(rgbGrid(image), (Grid{0x0F0F0F, 0x646464})) << "(0+10+20+30)/4 = 15";

    EffectImage quarters(picture24({{A, B}, {C, D}}));
    ASSERT_TRUE(quarters.resize(4, 4, Exact, Smooth));
    EXPECT_EQ(rgbGrid(quarters), (Grid{A, A, B, B, A, A, B, B, C, C, D, D, C, C, D, D}));
}

TEST(EffectImage, MirrorAndTurns) {
    EffectImage image(picture24({{A, B, C}, {D, E, F}}));
    image.mirror();
    EXPECT_EQ(rgbGrid(image), (Grid{C, B, A, F, E, D}));

    EffectImage turned(picture24({{A, B, C}, {D, E, F}}));
    turned.turnClockwise();
    ASSERT_EQ(std::pair(turned.width(), turned.height()), std::pair(2, 3));
    EXPECT_EQ(rgbGrid(turned), (Grid{D, A, E, B, F, C}));
    turned.turnCounterClockwise();
    EXPECT_EQ(rgbGrid(turned), (Grid{A, B, C, D, E, F}));
}
