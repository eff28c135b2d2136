#include "shared/ImageFormat.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace quillax;

// The endings of the formats we write are ImageFile's round trip's; here the other endings and
// spellings, and names that only look like a picture's.
TEST(ImageTypeFromName, EndingsDecideInOrder) {
    const std::pair<ImageFormat, QStringList> cases[] = {
        {kJpeg, {"Page.JPEG"}},
        {kBmp, {"xbmp", "scan.BMP"}},
        {kTiff, {"a.TIFF"}},
        {kWmf, {"a.wmf", "a.emf"}},
        {kJpeg2000File, {"a.j2k", "a.jp2"}},
        {kJpeg2000Stream, {"a.j2c", "a.jpc"}},
        {kPgx, {"a.pgx"}},
        {kPnm, {"scan.pgm", "scan.pnm"}},
        {kRas, {"a.ras"}},
        {kUnknownFormat, {"", "mp", "notes.txt", "photo.jpg."}}};
    for (const auto& [format, names] : cases)
        for (const QString& name : names)
            EXPECT_EQ(imageTypeFromName(name), format) << name.toStdString();
    for (const char* pattern : {"*.jpg", "*.JPG", "*.ras"})
        EXPECT_TRUE(imageFileFilter().contains(pattern)) << "the Open filter lists " << pattern;
}
