#include "shared/ToolbarStrip.h"
#include "tests/support/Pictures.h"

#include <gtest/gtest.h>

TEST(ToolbarStrip, CutsEqualPicturesKeyedOnTheFirstStoredPixel) {
    // The first stored pixel of a bottom-up picture is its bottom-left one: here magenta.
    const imaging::DibImage strip = testsupport::picture24({
        {0x00FF00, 0xFF00FF, 0x0000FF, 0xFF00FF},
        {0xFF00FF, 0x123456, 0xFF00FF, 0xFF0000},
    });
    const QList<QImage> pictures = quillax::ToolbarStrip::cut(strip, 2);
    ASSERT_EQ(pictures.size(), 2);
    EXPECT_EQ(qAlpha(pictures[0].pixel(0, 1)), 0) << "key colour is transparent";
    EXPECT_EQ(qAlpha(pictures[0].pixel(1, 0)), 0) << "in every row";
    EXPECT_EQ(pictures[0].pixel(0, 0), qRgb(0, 0xFF, 0));
    EXPECT_EQ(pictures[0].pixel(1, 1), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(pictures[1].pixel(1, 1), qRgb(0xFF, 0, 0));

    EXPECT_TRUE(quillax::ToolbarStrip::cut(imaging::DibImage(), 32).isEmpty());
}
