#include "shared/DibConversion.h"
#include "tests/support/Pictures.h"

#include <gtest/gtest.h>

TEST(DibConversion, PicturesCrossToQtAndBackUnchangedAndTransparencyBecomesWhite) {
    const imaging::DibImage image = testsupport::pattern24(13, 5);
    const QImage qt = quillax::toQImage(image);
    EXPECT_EQ(qt.pixel(12, 0) & 0xFFFFFF, testsupport::rgbAt(image, 12, 0));
    EXPECT_EQ(qt.pixel(0, 4) & 0xFFFFFF, testsupport::rgbAt(image, 0, 4));
    const imaging::DibImage back = quillax::fromQImage(qt);
    EXPECT_EQ(back.bitsPerPixel(), 24);
    EXPECT_EQ(testsupport::rgbGrid(back), testsupport::rgbGrid(image));

    // A picture with a colour table crosses in its colours, every pixel of it.
    const imaging::DibImage palette = testsupport::everyValuePicture(8);
    EXPECT_EQ(testsupport::rgbGrid(quillax::fromQImage(quillax::toQImage(palette))),
              testsupport::rgbGrid(palette));

    // Transparency is flattened onto white.
    QImage clear(2, 1, QImage::Format_ARGB32);
    clear.setPixel(0, 0, qRgba(0, 0, 0, 0));
    clear.setPixel(1, 0, qRgba(255, 0, 0, 255));
    const imaging::DibImage out = quillax::fromQImage(clear);
    EXPECT_EQ(testsupport::rgbAt(out, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(testsupport::rgbAt(out, 1, 0), 0xFF0000u);
    EXPECT_TRUE(quillax::fromQImage(QImage()).isEmpty());
}
