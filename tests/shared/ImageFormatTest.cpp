#include "shared/ImageFormat.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace quillax;

// The endings of the formats we write are ImageFile's round trip's; here the other endings and
// spellings, and names that only look like a picture's.
TEST(ImageTypeFromName, EndingsDecideInOrder) {
    const std::pair<ImageFormat, QStringList> cases[] = {
        {kTiff, {"a.TIFF"}},        {kUnknownFormat, {"", "mp", "notes.txt", "photo.jpg."}},
        {kPgx, {"a.pgx"}},          {kJpeg2000Stream, {"a.j2c", "a.jpc"}},
        {kRas, {"a.ras"}},          {kJpeg2000File, {"a.j2k", "a.jp2"}},
        {kJpeg, {"Page.JPEG"}},     {kPnm, {"scan.pgm", "scan.pnm"}},
        {kWmf, {"a.wmf", "a.emf"}}, {kBmp, {"xbmp", "scan.BMP"}}};
    for (const auto& [format, names] : cases)
        for (const QString& name : names)
            EXPECT_EQ(imageTypeFromName(name), format) << name.toStdString();
}
