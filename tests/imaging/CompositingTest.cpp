// Compositing and turning on tiny 32-bit pictures, each expected value worked out by hand.
#include "imaging/Compositing.h"
#include "tests/support/Pictures.h"

#include <gtest/gtest.h>

using testsupport::rgbGrid;
using Grid = std::vector<uint32_t>;

namespace {

imaging::EffectImage picture32(std::initializer_list<std::initializer_list<uint32_t>> rows) {
    imaging::EffectImage image(testsupport::picture24(rows));
    image.toDepth32();
    return image;
}

} // namespace

TEST(Compositing, MixWeighsEachByteAndKeepsTheFourth) {
    imaging::EffectImage photo = picture32({{0xFFFFFF, 0xFFFFFF}});
    photo.row(0)[3] = 77;
    const imaging::EffectImage black = picture32({{0x000000}});
    imaging::mix(photo, black, 50, 1, 0);
    // trunc(255 x 50 / 100) + 0 = 127, only where the black picture lies.
    EXPECT_EQ(rgbGrid(photo), (Grid{0xFFFFFF, 0x7F7F7F}));
    imaging::mix(photo, black, 100, 0, 0);
    EXPECT_EQ(rgbGrid(photo), (Grid{0x000000, 0x7F7F7F})) << "alpha 100 gives the second";
    EXPECT_EQ(photo.row(0)[3], 77);
}

TEST(Compositing, CombineTakesWholeWords) {
    imaging::EffectImage photo = picture32({{0xF0F0F0, 0x123456}});
    photo.row(0)[3] = 0xAA;
    imaging::EffectImage same = photo;
    imaging::combine(photo, same, imaging::Combine::Xor);
    EXPECT_EQ(rgbGrid(photo), (Grid{0, 0}));
    EXPECT_EQ(photo.row(0)[3], 0) << "the fourth byte too";

    photo = picture32({{0xF0F0F0, 0x123456}});
    imaging::combine(photo, picture32({{0x0F00FF, 0xFF0000}}), imaging::Combine::Or);
    EXPECT_EQ(rgbGrid(photo), (Grid{0xFFF0FF, 0xFF3456}));
    imaging::combine(photo, picture32({{0x00FF0F, 0x0000FF}}), imaging::Combine::And);
    EXPECT_EQ(rgbGrid(photo), (Grid{0x00F00F, 0x000056}));
}

TEST(Compositing, MaskKeepsWhitePaintsBlackAndMixesGrey) {
    // The colour is red 0x58, green 0x12, blue 0xE7: swapped channels would show.
    const imaging::ColorRef colour = imaging::makeColorRef(0x58, 0x12, 0xE7);
    imaging::EffectImage photo = picture32({{0xC86432, 0xC86432, 0xC86432}});
    imaging::mask(photo, picture32({{0xFFFFFF, 0x000000, 0x808080}}), colour);
    // Grey 128,128,128 is 127 (0.3 x 128 + 0.59 x 128 + 0.11 x 128 falls just short of 128):
    // red 200 x 127 / 255 = 99 + 128 x 0x58 / 255 = 44 -> 143 (0x8F); green 100 x 127 / 255 =
    // 49 + 128 x 18 / 255 = 9 -> 58 (0x3A); blue 50 x 127 / 255 = 24 + 128 x 231 / 255 = 115
    // -> 139 (0x8B).
    EXPECT_EQ(rgbGrid(photo), (Grid{0xC86432, 0x5812E7, 0x8F3A8B}));
}

TEST(Compositing, LightenTakesTheSecondWhereItIsAtLeastAsLight) {
    // Lightness (max + min) / 2: 0x646464 is 100; 0xC80000 is 100, a tie; 0x0A0A0A is 10.
    imaging::EffectImage photo = picture32({{0x646464, 0x646464, 0x646464}});
    imaging::lighten(photo, picture32({{0xC80000, 0x0A0A0A, 0x00FF00}}));
    EXPECT_EQ(rgbGrid(photo), (Grid{0xC80000, 0x646464, 0x00FF00}));
}

TEST(Compositing, TurnsByRightAnglesAreExactAndFineOnesGrowThePicture) {
    // A then B in one row; clockwise, A goes to the top of a column.
    const struct {
        int degrees;
        Grid expected;
        int width;
    } rows[] = {{360, {0xAAAAAA, 0xBBBBBB}, 2},
                {90, {0xAAAAAA, 0xBBBBBB}, 1},
                {180, {0xBBBBBB, 0xAAAAAA}, 2},
                {270, {0xBBBBBB, 0xAAAAAA}, 1}};
    for (const auto& row : rows) {
        imaging::EffectImage image = picture32({{0xAAAAAA, 0xBBBBBB}});
        ASSERT_TRUE(imaging::turnByAngle(image, row.degrees));
        EXPECT_EQ(image.width(), row.width) << row.degrees;
        EXPECT_EQ(rgbGrid(image), row.expected) << row.degrees;
    }

    // 45 degrees of 100 x 100: trunc(100 x 0.7071 + 100 x 0.7071 + 1) = 142 each way, the
    // corners black and the middle the photo.
    imaging::EffectImage square(testsupport::solid24(100, 100, 0x336699));
    square.toDepth32();
    ASSERT_TRUE(imaging::turnByAngle(square, 45));
    ASSERT_EQ(std::pair(square.width(), square.height()), std::pair(142, 142));
    for (const auto& [x, y] : {std::pair{0, 0}, {141, 0}, {0, 141}, {141, 141}})
        EXPECT_EQ(testsupport::rgbAt(square, x, y), 0u) << x << "," << y;
    for (const auto& [x, y] : {std::pair{71, 71}, {71, 5}, {136, 71}})
        EXPECT_EQ(testsupport::rgbAt(square, x, y), 0x336699u) << x << "," << y;

    // 30000 x 1 turned by 45 would be 21214 x 21214, past what a picture may hold.
    imaging::EffectImage line(testsupport::solid24(30000, 1, 0x336699));
    EXPECT_FALSE(imaging::turnByAngle(line, 45));
    EXPECT_EQ(line.width(), 30000) << "left as it was";
}

TEST(Compositing, RowEndsNearTheColourBecomeIt) {
    const imaging::ColorRef black = imaging::makeColorRef(0, 0, 0);
    // A lone pixel red 40 is off (33 or more) but the mean with its two right neighbours,
    // red 13, is near: painted. 200 is far: the walk stops; the right walk comes back to it.
    imaging::EffectImage photo = picture32({
        {0x050505, 0x280000, 0x000000, 0x030303, 0xC8C8C8, 0xC8C8C8, 0xC8C8C8, 0x030303},
        {0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000},
    });
    imaging::fillRowEnds(photo, black);
    EXPECT_EQ(rgbGrid(photo), (Grid{0, 0, 0, 0, 0xC8C8C8, 0xC8C8C8, 0xC8C8C8, 0, //
                                    0, 0, 0, 0, 0, 0, 0, 0}));
}
