#include "imaging/EditName.h"

#include <gtest/gtest.h>

// The next edit's name, and the name before any edit ("Original source"); the folder is split
// off and kept, also when there is none. In "trip_3.bmp", layer 4's file, the 3 is the id and
// no suffix; "trip_34.bmp" is another layer's and never advanced.
TEST(EditName, NextNameCyclesThroughSixSuffixesAfterTheLayersOwnName) {
    const struct {
        const char* name;
        const char* base;
        const char* next;
        const char* unedited;
        const char* why;
    } cases[] = {
        {"newPrj13.bmp", "newPrj13", "newPrj13_1.bmp", "newPrj13.bmp", "the first edit"},
        {"newPrj13_5.bmp", "newPrj13", "newPrj13_6.bmp", "newPrj13.bmp", "the next suffix"},
        {"newPrj13_6.bmp", "newPrj13", "newPrj13_1.bmp", "newPrj13.bmp", "the sixth wraps round"},
        {"newPrj13_9.bmp", "newPrj13", "newPrj13_1.bmp", "newPrj13.bmp", "past six: again"},
        {"trip_3.bmp", "trip_3", "trip_3_1.bmp", "trip_3.bmp", "the id 3 is no suffix"},
        {"trip_3_2.bmp", "trip_3", "trip_3_3.bmp", "trip_3.bmp", "after an id ending alike"},
        {"trip_34.bmp", "trip_3", "trip_34_1.bmp", "trip_34.bmp", "another layer's stays"},
        {"/home/ann/trip/trip4_2.bmp", "trip4", "/home/ann/trip/trip4_3.bmp",
         "/home/ann/trip/trip4.bmp", "folders stay"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(imaging::nextEditName(c.name, c.base), c.next) << c.why;
        EXPECT_EQ(imaging::uneditedName(c.name, c.base), c.unedited) << c.why;
    }
}
