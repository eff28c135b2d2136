// Where the red-eye dialog looks, each row worked out by hand.
#include "editor/model/RedEyeDetail.h"

#include <gtest/gtest.h>

using editor::RedEyeDetail;

TEST(RedEyeDetail, TheNavigatorFitsInto200By200AndTheDetailAreaStaysInThePhoto) {
    EXPECT_EQ(RedEyeDetail::navigatorSize(800, 600), QSize(200, 150));
    EXPECT_EQ(RedEyeDetail::navigatorSize(100, 1000), QSize(20, 200));
    EXPECT_EQ(RedEyeDetail::navigatorSize(100000, 10), QSize(200, 1)) << "never 0 high";

    // At scale 0.25 and 3x, 250 / 0.75 = 333 pixels around (400, 300); a photo narrower than
    // the area starts at its left edge, not at 100 - 416; at 600x, 250 / 600 is 0.
    const struct {
        int width, height;
        QSize navigator;
        QPoint click;
        double zoom;
        imaging::PixelRect expected;
        const char* why;
    } rows[] = {
        {800, 600, {200, 150}, {100, 75}, 0.75, {234, 134, 567, 467}, "333 around the middle"},
        {800, 600, {200, 150}, {-1, -1}, 0.75, {0, 0, 333, 333}, "before a click: the corner"},
        {800, 600, {200, 150}, {199, 149}, 0.75, {467, 267, 800, 600}, "ends at the far edges"},
        {100, 1000, {20, 200}, {10, 100}, 0.6, {0, 292, 416, 708}, "wider than the photo"},
        {3, 3, {200, 200}, {100, 100}, 600, {1, 1, 2, 2}, "a pixel, at (1, 1)"},
    };
    const auto area = RedEyeDetail::detailArea;
    for (const auto& r : rows)
        EXPECT_EQ(area(r.width, r.height, r.navigator, r.click, r.zoom), r.expected) << r.why;

    // 333 pixels over 250: (125, 249) is 333 x 125 / 250 = 166 and 333 x 249 / 250 = 331 in.
    EXPECT_EQ(RedEyeDetail::photoPoint({234, 134, 567, 467}, {125, 249}), QPoint(400, 465));
}
