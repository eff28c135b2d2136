// The texts of a search result's row.
#include "browser/model/FoundImage.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>
#include <time.h>

using browser::FoundImage;

TEST(FoundImage, SizesUnderTenKilobytesShowInBytes) {
    EXPECT_EQ(FoundImage::sizeText(0), "0 B");
    EXPECT_EQ(FoundImage::sizeText(9 * 1024), "9216 B");
    EXPECT_EQ(FoundImage::sizeText(10239), "10239 B") << "still 9 whole KB";
    EXPECT_EQ(FoundImage::sizeText(10240), "10 KB");
    EXPECT_EQ(FoundImage::sizeText(qint64(5) << 30), "5242880 KB") << "5 GB does not wrap";
}

TEST(FoundImage, TheFolderEndsInASlashAndTimesShowInLocalTime) {
    const FoundImage image{"/home/ann/Été/IMG_1.JPG", 1, 0};
    EXPECT_EQ(image.name(), "IMG_1.JPG");
    EXPECT_EQ(image.folder(), "/home/ann/Été/");

    {
        testsupport::ScopedEnv utc("TZ", "UTC");
        tzset();
        EXPECT_EQ(FoundImage::modifiedText(0), "01-01-1970 12:00 AM");
        EXPECT_EQ(FoundImage::modifiedText(13 * 3600 + 5 * 60), "01-01-1970 01:05 PM");
    }
    {
        testsupport::ScopedEnv paris("TZ", "CET-1");
        tzset();
        EXPECT_EQ(FoundImage::modifiedText(0), "01-01-1970 01:00 AM") << "an hour east";
    }
    tzset();
    EXPECT_EQ(FoundImage::modifiedText(-1), "") << "unknown";
}
