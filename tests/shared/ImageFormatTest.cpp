#include "shared/ImageFormat.h"

#include <gtest/gtest.h>

using namespace quillax;

TEST(ImageTypeFromName, EndingsDecideInOrder) {
    const std::pair<const char*, ImageFormat> cases[] = {{"Page.JPEG", kJpeg},
                                                         {"page.jpg", kJpeg},
                                                         {"photo.wbmp", kWbmp},
                                                         {"xbmp", kBmp},
                                                         {"scan.BMP", kBmp},
                                                         {"anim.gif", kGif},
                                                         {"a.png", kPng},
                                                         {"a.ico", kIco},
                                                         {"a.tif", kTiff},
                                                         {"a.TIFF", kTiff},
                                                         {"a.tga", kTga},
                                                         {"a.pcx", kPcx},
                                                         {"a.wmf", kWmf},
                                                         {"a.emf", kWmf},
                                                         {"a.j2k", kJpeg2000File},
                                                         {"a.jp2", kJpeg2000File},
                                                         {"a.j2c", kJpeg2000Stream},
                                                         {"a.jpc", kJpeg2000Stream},
                                                         {"a.pgx", kPgx},
                                                         {"scan.pgm", kPnm},
                                                         {"scan.ppm", kPnm},
                                                         {"scan.pnm", kPnm},
                                                         {"a.ras", kRas},
                                                         {"mp", kUnknownFormat},
                                                         {"", kUnknownFormat},
                                                         {"notes.txt", kUnknownFormat},
                                                         {"photo.jpg.", kUnknownFormat}};
    for (const auto& [name, format] : cases)
        EXPECT_EQ(imageTypeFromName(name), format) << name;
}

TEST(ImageTypeFromName, TheOpenFilterListsBothCases) {
    const QString filter = imageFileFilter();
    EXPECT_TRUE(filter.contains("*.jpg"));
    EXPECT_TRUE(filter.contains("*.JPG"));
    EXPECT_TRUE(filter.contains("*.ras"));
}
