#include "imaging/EditName.h"

#include <gtest/gtest.h>

// The next edit's name, and the name before any edit ("Original source"); the folder is split
// off and kept, also when there is none.
TEST(EditName, NextNameCyclesThroughSixSuffixesAfterTheLayersOwnName) {
    struct Case {
        const char* name;
        const char* base;
        const char* next;
        const char* unedited;
        const char* why;
    };
    const Case cases[] = {
        {"newPrj13.bmp", "newPrj13", "newPrj13_1.bmp", "newPrj13.bmp", "the first edit"},
        {"newPrj13_5.bmp", "newPrj13", "newPrj13_6.bmp", "newPrj13.bmp", "the next suffix"},
        {"newPrj13_6.bmp", "newPrj13", "newPrj13_1.bmp", "newPrj13.bmp",
         "the sixth wraps to the first"},
        {"newPrj13_9.bmp", "newPrj13", "newPrj13_1.bmp", "newPrj13.bmp",
         "a digit past six starts again"},
        {"trip_3.bmp", "trip_3", "trip_3_1.bmp", "trip_3.bmp",
         "the id is not a suffix: layer 4's file"},
        {"trip_3_2.bmp", "trip_3", "trip_3_3.bmp", "trip_3.bmp",
         "a suffix after an id ending the same way"},
        {"trip_34.bmp", "trip_3", "trip_34_1.bmp", "trip_34.bmp",
         "another layer's name is never advanced"},
        {"/home/ann/trip/trip4_2.bmp", "trip4", "/home/ann/trip/trip4_3.bmp",
         "/home/ann/trip/trip4.bmp", "folders stay"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(imaging::nextEditName(c.name, c.base), c.next) << c.why;
        EXPECT_EQ(imaging::uneditedName(c.name, c.base), c.unedited) << c.why;
    }
}
