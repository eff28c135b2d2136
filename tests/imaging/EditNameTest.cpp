#include "imaging/EditName.h"

#include <gtest/gtest.h>

TEST(EditName, NextNameCyclesThroughSixSuffixes) {
    const std::pair<std::string, std::string> cases[] = {
        {"newPrj13.bmp", "newPrj13_1.bmp"},
        {"newPrj13_5.bmp", "newPrj13_6.bmp"},
        {"newPrj13_6.bmp", "newPrj13_1.bmp"},
        {"newPrj13_9.bmp", "newPrj13_1.bmp"},
        {"holiday.jpg", "holiday_1.bmp"},
        {"noextension", "noextension_1.bmp"},
        {"/home/ann/trip/trip4_2.bmp", "/home/ann/trip/trip4_3.bmp"},
    };
    for (const auto& [name, next] : cases)
        EXPECT_EQ(imaging::nextEditName(name), next) << name;
}

TEST(EditName, BaseNameDropsTheEditSuffix) {
    EXPECT_EQ(imaging::baseEditName("newPrj13_4.bmp"), "newPrj13.bmp");
    EXPECT_EQ(imaging::baseEditName("newPrj13.bmp"), "newPrj13.bmp");
    EXPECT_EQ(imaging::baseEditName("/p/trip2_6.bmp"), "/p/trip2.bmp");
}

TEST(EditName, SplitPathKeepsTheLastSlashWithTheFolder) {
    const imaging::SplitPath p = imaging::splitPath("/home/ann/a.bmp");
    EXPECT_EQ(p.folder, "/home/ann/");
    EXPECT_EQ(p.file, "a.bmp");
    EXPECT_EQ(imaging::splitPath("a.bmp").folder, "");
    EXPECT_EQ(imaging::splitPath("dir/").file, "");
}
