// The search's tests on a picture's header: pixel size and colour depth.
#include "browser/model/PixelCriteria.h"

#include <gtest/gtest.h>

using browser::PixelCriteria;
using Compare = PixelCriteria::Compare;

TEST(PixelCriteria, SizeTestsTakeTheirBoundInAndDepthTestsDoNot) {
    const struct {
        PixelCriteria::Dimensions bounds;
        int pictureWidth, pictureHeight;
        bool passes;
        const char* why;
    } cases[] = {
        {{Compare::Greater, 100, Compare::Greater, 0}, 100, 10, true, "> 100 lists 100 wide"},
        {{Compare::Greater, 100, Compare::Greater, 0}, 99, 10, false, "99 is not over 100"},
        {{Compare::Less, 100, Compare::Greater, 0}, 100, 10, true, "< 100 lists 100 too"},
        {{Compare::Less, 100, Compare::Greater, 0}, 101, 10, false, "101 is over"},
        {{Compare::Equal, 100, Compare::Equal, 50}, 100, 50, true, "both exactly"},
        {{Compare::Equal, 100, Compare::Equal, 50}, 100, 51, false, "the height must pass too"},
    };
    for (const auto& c : cases) {
        PixelCriteria criteria;
        criteria.dimensions = c.bounds;
        EXPECT_EQ(criteria.passes({c.pictureWidth, c.pictureHeight, 24}), c.passes) << c.why;
    }

    // The depth tests are strict, and one bit is monochromatic.
    const struct {
        PixelCriteria::Colours bound;
        int bitsPerPixel;
        bool passes;
        const char* why;
    } depths[] = {
        {{Compare::Equal, 0}, 1, true, "1 bit is monochromatic"},
        {{Compare::Greater, 0}, 1, false, "> monochromatic leaves 1 bit out"},
        {{Compare::Greater, 0}, 4, true, "16 colours are more than monochromatic"},
        {{Compare::Equal, 1}, 4, true, "4 bits are the 16 of the list"},
        {{Compare::Equal, 2}, 8, true, "8 bits are its 256"},
        {{Compare::Equal, 3}, 16, true, "16 bit"},
        {{Compare::Less, 4}, 24, false, "24 bit is not under 24 bit"},
        {{Compare::Equal, 0}, 32, true, "a depth the list does not name counts as the first"},
    };
    for (const auto& c : depths) {
        PixelCriteria criteria;
        criteria.colours = c.bound;
        EXPECT_EQ(criteria.passes({10, 10, c.bitsPerPixel}), c.passes) << c.why;
    }
}
