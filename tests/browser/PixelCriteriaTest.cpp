// The search's tests on a picture's header: pixel size and colour depth.
#include "browser/model/PixelCriteria.h"

#include <gtest/gtest.h>

using browser::PixelCriteria;

TEST(PixelCriteria, SizeTestsTakeTheirBoundInAndDepthTestsDoNot) {
    using enum PixelCriteria::Compare;
    const struct {
        std::optional<PixelCriteria::Dimensions> dimensions;
        std::optional<PixelCriteria::Colours> colours;
        quillax::ImageInfo picture;
        bool passes;
        const char* why;
    } cases[] = {
        {{{Greater, 100, Greater, 0}}, {}, {100, 10, 24}, true, "> 100 lists 100 wide"},
        {{{Greater, 100, Greater, 0}}, {}, {99, 10, 24}, false, "99 is not over 100"},
        {{{Less, 100, Greater, 0}}, {}, {100, 10, 24}, true, "< 100 lists 100 too"},
        {{{Less, 100, Greater, 0}}, {}, {101, 10, 24}, false, "101 is over"},
        {{{Equal, 100, Equal, 50}}, {}, {100, 50, 24}, true, "both exactly"},
        {{{Equal, 100, Equal, 50}}, {}, {100, 51, 24}, false, "the height must pass too"},
        // The depth tests are strict, and one bit is monochromatic.
        {{}, {{Equal, 0}}, {10, 10, 1}, true, "1 bit is monochromatic"},
        {{}, {{Greater, 0}}, {10, 10, 1}, false, "> monochromatic leaves 1 bit out"},
        {{}, {{Greater, 0}}, {10, 10, 4}, true, "16 colours are more than monochromatic"},
        {{}, {{Equal, 1}}, {10, 10, 4}, true, "4 bits are the 16 of the list"},
        {{}, {{Equal, 2}}, {10, 10, 8}, true, "8 bits are its 256"},
        {{}, {{Equal, 3}}, {10, 10, 16}, true, "16 bit"},
        {{}, {{Less, 4}}, {10, 10, 24}, false, "24 bit is not under 24 bit"},
        {{}, {{Equal, 0}}, {10, 10, 32}, true, "a depth not in the list counts as the first"},
    };
    for (const auto& c : cases)
        EXPECT_EQ((PixelCriteria{c.dimensions, c.colours}).passes(c.picture), c.passes) << c.why;
}
