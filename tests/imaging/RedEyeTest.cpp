// Red-eye repair on small hand-drawn eyes; the reaches and the box are worked out by hand.
#include "imaging/RedEye.h"
#include "tests/support/Pictures.h"

#include <gtest/gtest.h>

using testsupport::paint;
using testsupport::rgbAt;

TEST(RedEye, TheRedTestTakesFlashReds) {
    const struct {
        int r, g, b;
        bool red;
        const char* why;
    } rows[] = {
        {200, 40, 40, true, "rule 1"},
        {150, 60, 90, true, "rule 4; rule 1 needs R over 150"},
        {120, 60, 90, false, "rule 4 needs R over 120"},
        {255, 255, 255, false, "white"},
        {151, 69, 99, true, "rule 1 at its edges"},
        {151, 70, 99, true, "past rule 1, inside rule 4"},
        {200, 90, 120, true, "rule 3"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(imaging::isRedEyeColour(row.r, row.g, row.b), row.red) << row.why;
}

TEST(RedEye, AClickRepairsTheRedOfTheEyeAndNothingBeyondItsBox) {
    // Skin 20 x 14; a pupil (200, 30, 30) over x 6..12, rows 5..7, a white highlight at
    // (10, 6), a dark ring pixel at (5, 6) and (13, 6), and stray reds at (1, 6), (15, 12)
    // and (16, 12). Clicked at (8, 6):
    //   right: red at 8, 9, highlight skipped, red at 11, 12; the dark 13 after reds counts
    //     twice, skin 14 and 15 make four misses at i = 7: 7 - 4 + 2 = 5;
    //   left: 8 twice (truncated steps), 7, 6; dark 5 twice, skin 4, 3: 6 - 4 + 2 = 4;
    //   down: rows 6, 6, 7; skin 8 to 11: 6 - 4 + 2 = 4; up likewise 4.
    // Box: x 8 - 4 - 2 = 2 to 8 + 5 + 2 = 15, rows 0 to 12.
    imaging::DibImage eye = testsupport::solid24(20, 14, 0xDCAA8C);
    paint(eye, 6, 5, 0xC81E1E, 7, 3);
    paint(eye, 10, 6, 0xFFFFFF);
    paint(eye, 5, 6, 0x1E1414);
    paint(eye, 13, 6, 0x1E1414);
    for (const auto& [x, y] : {std::pair{1, 6}, {15, 12}, {16, 12}})
        paint(eye, x, y, 0xC81E1E);
    EXPECT_EQ(imaging::redReach(eye, 8, 6, imaging::kReachAngles[0]), 5);
    EXPECT_EQ(imaging::redReach(eye, 8, 6, imaging::kReachAngles[2]), 4);

    imaging::repairRedEye(eye, 8, 6);
    // Grey of the pupil: 0.11 x 200 + 0.59 x 30 + 0.3 x 30 = 48.7 -> 48: (76, 44, 49).
    for (const auto& [x, y] : {std::pair{6, 5}, {8, 6}, {12, 7}, {15, 12}})
        EXPECT_EQ(rgbAt(eye, x, y), 0x4C2C31u) << x << "," << y;
    EXPECT_EQ(rgbAt(eye, 10, 6), 0xFFFFFFu) << "the highlight stays";
    EXPECT_EQ(rgbAt(eye, 13, 6), 0x1E1414u) << "the ring stays";
    EXPECT_EQ(rgbAt(eye, 1, 6), 0xC81E1Eu) << "left of the box";
    EXPECT_EQ(rgbAt(eye, 16, 12), 0xC81E1Eu) << "right of the box";
}

TEST(RedEye, DarkRedsGetDarkColoursAndTheClickedPixelsGreyWhenNotRed) {
    // (200, 10, 8): grey 22 + 5.9 + 2.4 = 30.3 -> 30, the third colour (27, 22, 28).
    imaging::DibImage pixel = testsupport::solid24(1, 1, 0xC80A08);
    imaging::repairRedEye(pixel, 0, 0);
    EXPECT_EQ(rgbAt(pixel, 0, 0), 0x1B161Cu);

    // Not red, red over 88: the four clicked pixels become (0.59 x 120 + 0.11 x 100 + 0.3 x
    // 110) x 0.8 = 91.84 -> 91 grey; the rest stays.
    imaging::DibImage plain = testsupport::solid24(5, 5, 0x64786E);
    imaging::repairRedEye(plain, 2, 2);
    for (const auto& [x, y] : {std::pair{2, 2}, {3, 2}, {2, 3}, {3, 3}})
        EXPECT_EQ(rgbAt(plain, x, y), 0x5B5B5Bu) << x << "," << y;
    EXPECT_EQ(rgbAt(plain, 1, 2), 0x64786Eu);
}
