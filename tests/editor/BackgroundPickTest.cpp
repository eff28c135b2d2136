#include "editor/model/BackgroundPick.h"
#include "tests/support/Pictures.h"

#include <gtest/gtest.h>

TEST(BackgroundPick, TheClickIsMappedToTheFullPictureAndReadInsideIt) {
    // A 10 x 10 picture whose pixel (x, y) has red x and green y, shown in a 5 x 5 control.
    imaging::DibImage full = testsupport::solid24(10, 10, 0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            testsupport::paint(full, x, y, uint32_t(x << 16 | y << 8));
    const struct {
        int clickX, clickY, red, green;
        const char* why;
    } rows[] = {
        {0, 0, 4, 2, "4 to the right and 2 below the mapped point"},
        {2, 1, 8, 4, "(2, 1) maps to (4, 2)"},
        {4, 4, 9, 9, "(8, 8) + (4, 2) lies outside: the nearest pixel inside"},
    };
    for (const auto& row : rows) {
        const imaging::ColorRef c = editor::backgroundColourAt(full, 5, 5, row.clickX, row.clickY);
        EXPECT_EQ(imaging::redOf(c), row.red) << row.why;
        EXPECT_EQ(imaging::greenOf(c), row.green) << row.why;
    }
}
