#include "imaging/Resampling.h"
#include "tests/support/Pictures.h"

#include <gtest/gtest.h>

using imaging::DibImage;
using testsupport::picture24;
using testsupport::rgbGrid;
using Grid = std::vector<uint32_t>;

namespace {
double meanOf(const DibImage& image) {
    double sum = 0;
    for (uint32_t v : rgbGrid(image))
        sum += (v & 0xFF) + ((v >> 8) & 0xFF) + ((v >> 16) & 0xFF);
    return sum / (3.0 * image.width() * image.height());
}
} // namespace

// Three pixels into two, along a row and down a column: the middle one is shared half and half,
// (0 + 90 / 2) x 2 / 3 = 30 and (90 / 2 + 180) x 2 / 3 = 150. Sampling would give 22 and 157.
TEST(Reducer, SplitsStraddlingPixelsBetweenTargetCells) {
    const DibImage row = picture24({{0x000000, 0x5A5A5A, 0xB4B4B4}});
    EXPECT_EQ(rgbGrid(imaging::stretchHalftone(row, 2, 1)), (Grid{0x1E1E1E, 0x969696}))
        << "the halftone stretch shrinks by the reducer";
    const DibImage column = picture24({{0x000000}, {0x5A5A5A}, {0xB4B4B4}});
    EXPECT_EQ(rgbGrid(imaging::reduceBitmap(column, 1, 2)), (Grid{0x1E1E1E, 0x969696}));
}

TEST(Reducer, KeepsConstantsConstantAndTheMeanOfAPhoto) {
    EXPECT_EQ(rgbGrid(imaging::reduceBitmap(testsupport::solid24(37, 23, 0x336699), 11, 7)),
              Grid(11 * 7, 0x336699));
    const DibImage photo = testsupport::pattern24(301, 199);
    const DibImage small = imaging::reduceBitmap(photo, 40, 31);
    ASSERT_EQ(std::pair(small.width(), small.height()), std::pair(40, 31));
    EXPECT_NEAR(meanOf(small), meanOf(photo), 0.75);
    EXPECT_TRUE(imaging::reduceBitmap(photo, 0, 3).isEmpty());
}

TEST(Stretch, NearestRepeatsAndDropsWithoutFiltering) {
    const DibImage image = picture24({{0x000001, 0x000002, 0x000003, 0x000004}});
    EXPECT_EQ(rgbGrid(imaging::stretchNearest(image, 2, 1)), (Grid{1, 3}));
    EXPECT_EQ(rgbGrid(imaging::stretchNearest(image, 8, 1)), (Grid{1, 1, 2, 2, 3, 3, 4, 4}));
}

TEST(Stretch, HalftoneEnlargesSmoothly) {
    EXPECT_EQ(rgbGrid(imaging::stretchHalftone(testsupport::solid24(3, 2, 0x808080), 17, 9)),
              Grid(17 * 9, 0x808080));
    // Sampled at pixel centres, the eight cells lie at 0, 0, 1/8, 3/8, 5/8, 7/8, 1, 1 of the
    // way from black to white: a ramp, not a step.
    const DibImage edge = picture24({{0x000000, 0xFFFFFF}});
    EXPECT_EQ(
        rgbGrid(imaging::stretchHalftone(edge, 8, 1)),
        (Grid{0x000000, 0x000000, 0x202020, 0x606060, 0x9F9F9F, 0xDFDFDF, 0xFFFFFF, 0xFFFFFF}));
}

TEST(Stretch, KeyedStretchLeavesKeyColouredPixelsOutAndFillPaintsEveryPixel) {
    DibImage page = testsupport::solid24(4, 2, 0x111111);
    const DibImage caption = picture24({{0xFFFFA5, 0x0000FF}}); // light yellow 0x00A5FFFF, blue
    imaging::stretchKeyed(page, caption, {0, 0, 4, 1}, 0x00A5FFFF);
    EXPECT_EQ(rgbGrid(page), (Grid{0x111111, 0x111111, 0x0000FF, 0x0000FF, 0x111111, 0x111111,
                                   0x111111, 0x111111}));
    imaging::stretchKeyed(page, caption, {3, 1, 7, 3}, 0x00A5FFFF);
    EXPECT_EQ(testsupport::rgbAt(page, 3, 1), 0x111111u) << "clipped, and the left half is key";

    imaging::fill(page, 0x00A5FFFF);
    EXPECT_EQ(rgbGrid(page), Grid(8, 0xFFFFA5u)) << "a COLORREF is red in its low byte";
}
