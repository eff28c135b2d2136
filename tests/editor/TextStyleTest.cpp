#include "editor/model/TextStyle.h"

#include <gtest/gtest.h>

using editor::TextStyle;

TEST(TextStyle, StoredValuesShowTheirButtons) {
    struct Case {
        int stored;
        TextStyle shown;
    };
    const Case cases[] = {
        {0, {false, false, false, false}},  {1, {false, false, false, true}},
        {10, {true, false, false, false}},  {30, {false, true, false, false}},
        {41, {true, true, false, true}},    {50, {false, false, true, false}},
        {60, {true, false, true, false}},   {61, {true, false, true, true}},
        {80, {false, true, true, false}},   {91, {true, true, true, true}},
        {20, {false, false, false, false}}, {71, {false, false, false, true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextStyle::fromCode(c.stored), c.shown) << c.stored;
}

TEST(TextStyle, EveryButtonCombinationSurvivesStoring) {
    for (int bits = 0; bits < 16; ++bits) {
        const TextStyle style{bool(bits & 1), bool(bits & 2), bool(bits & 4), bool(bits & 8)};
        EXPECT_EQ(TextStyle::fromCode(style.code()), style) << style.code();
    }
}
