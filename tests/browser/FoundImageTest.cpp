// The texts of a search result's row.
#include "browser/model/FoundImage.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>
#include <time.h>

using browser::FoundImage;

// 64-bit sizes, and times in local time on a 12-hour clock.
TEST(FoundImage, TheRowsTexts) {
    EXPECT_EQ(FoundImage::sizeText(10239), "10239 B") << "under 10 KB, in bytes";
    EXPECT_EQ(FoundImage::sizeText(10240), "10 KB");
    EXPECT_EQ(FoundImage::sizeText(qint64(5) << 30), "5242880 KB") << "5 GB does not wrap";
    const FoundImage image{"/home/ann/Été/IMG_1.JPG", 1, 0};
    EXPECT_EQ(image.name(), "IMG_1.JPG");
    EXPECT_EQ(image.folder(), "/home/ann/Été/");
    {
        testsupport::ScopedEnv paris("TZ", "CET-1");
        tzset();
        EXPECT_EQ(FoundImage::modifiedText(0), "01-01-1970 01:00 AM") << "an hour east of UTC";
        EXPECT_EQ(FoundImage::modifiedText(13 * 3600 + 5 * 60), "01-01-1970 02:05 PM");
    }
    tzset();
    EXPECT_EQ(FoundImage::modifiedText(-1), "") << "unknown";
}
