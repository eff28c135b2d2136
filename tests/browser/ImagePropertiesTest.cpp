#include "browser/model/ImageProperties.h"
#include "tests/support/Sandbox.h"

#include <QDateTime>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

// A 10 x 10 24-bit BMP is 54 + 10 x 32 = 374 bytes: 0.4 KB.
TEST(ImageProperties, TellTheFileAndThePicture) {
    testsupport::Sandbox box;
    ASSERT_TRUE(QImage(10, 10, QImage::Format_RGB888).save(box.path(".Small.bmp")));
    QFile::setPermissions(box.path(".Small.bmp"), QFile::ReadOwner | QFile::ReadGroup);
    const browser::ImageProperties p = browser::ImageProperties::of(box.path(".Small.bmp"));
    EXPECT_EQ((QStringList{p.type, p.format, p.location, p.size, p.colours, p.width}),
              (QStringList{"BMP", "BMP Image", box.folder(), "0.4KB", "16 millions", "10 pixels"}));
    EXPECT_TRUE(p.readOnly);
    EXPECT_TRUE(p.hidden);
    EXPECT_TRUE(QDateTime::fromString(p.modified, "yyyy-MM-dd HH:mm:ss").isValid());
}
