#include "shared/ImageFile.h"
#include "imaging/BmpFile.h"
#include "shared/DibConversion.h"
#include "tests/support/ImageBytes.h"
#include "tests/support/Pictures.h"
#include "tests/support/Sandbox.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <gtest/gtest.h>

using namespace quillax;

namespace {

QImage samplePhoto(int w = 40, int h = 30) {
    return toQImage(testsupport::pattern24(w, h));
}

// A picture of four flat colours, which every format keeps exactly.
QImage fourColours() {
    QImage image(8, 6, QImage::Format_RGB32);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            image.setPixel(x, y,
                           x < 4 ? (y < 3 ? qRgb(255, 0, 0) : qRgb(0, 0, 255))
                                 : (y < 3 ? qRgb(0, 255, 0) : qRgb(255, 255, 255)));
    return image;
}

bool samePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF))
                return false;
    return true;
}

double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qRed(a.pixel(x, y)) - qRed(b.pixel(x, y))) +
                   std::abs(qGreen(a.pixel(x, y)) - qGreen(b.pixel(x, y))) +
                   std::abs(qBlue(a.pixel(x, y)) - qBlue(b.pixel(x, y)));
    return sum / (3.0 * a.width() * a.height());
}

using testsupport::readFile;
using testsupport::writeFile;

} // namespace

TEST(ImageFile, LosslessFormatsRoundTripPixelForPixel) {
    testsupport::Sandbox box;
    const QImage photo = samplePhoto();
    for (const char* name : {"a.bmp", "a.png", "a.tif", "a.pcx", "a.tga", "a.ppm", "a.ico"}) {
        const QString path = box.path(name);
        ASSERT_TRUE(ImageFile::save(photo, path, imageTypeFromName(path))) << name;
        const DecodedImage back = ImageFile::decode(path, imageTypeFromName(path));
        ASSERT_TRUE(back.isValid()) << name;
        EXPECT_TRUE(samePixels(back.image, photo)) << name;
        EXPECT_EQ(back.bitsPerPixel, 24) << name;
    }
}

TEST(ImageFile, LossyAndFewColourFormatsStayClose) {
    testsupport::Sandbox box;
    ASSERT_TRUE(ImageFile::save(fourColours(), box.path("a.gif"), kGif));
    DecodedImage gif = ImageFile::decode(box.path("a.gif"), kGif);
    ASSERT_TRUE(gif.isValid());
    EXPECT_TRUE(samePixels(gif.image, fourColours()));
    EXPECT_EQ(gif.bitsPerPixel, 8);

    const QImage photo = samplePhoto(64, 48);
    ASSERT_TRUE(ImageFile::save(photo, box.path("a.jpg"), kJpeg));
    const DecodedImage jpeg = ImageFile::decode(box.path("a.jpg"), kJpeg);
    ASSERT_TRUE(jpeg.isValid());
    EXPECT_LT(meanDifference(jpeg.image, photo), 10.0);
    EXPECT_EQ(jpeg.bitsPerPixel, 24);

    QImage mono(16, 4, QImage::Format_RGB32);
    mono.fill(Qt::white);
    for (int x = 0; x < 16; x += 2)
        mono.setPixel(x, 1, qRgb(0, 0, 0));
    ASSERT_TRUE(ImageFile::save(mono, box.path("a.wbmp"), kWbmp));
    const DecodedImage wbmp = ImageFile::decode(box.path("a.wbmp"), kWbmp);
    ASSERT_TRUE(wbmp.isValid());
    EXPECT_TRUE(samePixels(wbmp.image.convertToFormat(QImage::Format_RGB32), mono));
    EXPECT_EQ(wbmp.bitsPerPixel, 1);
}

TEST(ImageFile, ReportsTheDepthTheFileStores) {
    testsupport::Sandbox box;
    for (int bits : {1, 4, 8, 24}) {
        imaging::DibImage image;
        image.create(9, 5, bits);
        const QString path = box.path(QString("d%1.bmp").arg(bits));
        ASSERT_TRUE(imaging::saveAsBmp(image, path.toStdString()));
        EXPECT_EQ(ImageFile::info(path, kBmp).bitsPerPixel, bits);
        EXPECT_EQ(ImageFile::decode(path, kBmp).bitsPerPixel, bits);
    }
    QImage indexed = fourColours().convertToFormat(QImage::Format_Indexed8);
    ASSERT_TRUE(indexed.save(box.path("p.png"), "png"));
    EXPECT_EQ(ImageFile::info(box.path("p.png"), kPng).bitsPerPixel, 8);
    ASSERT_TRUE(
        fourColours().convertToFormat(QImage::Format_Grayscale8).save(box.path("g.jpg"), "jpeg"));
    EXPECT_EQ(ImageFile::info(box.path("g.jpg"), kJpeg).bitsPerPixel, 8);
    ASSERT_TRUE(
        fourColours().convertToFormat(QImage::Format_Grayscale8).save(box.path("g.pgm"), "pgm"));
    EXPECT_EQ(ImageFile::info(box.path("g.pgm"), kPnm).bitsPerPixel, 8);
    ASSERT_TRUE(fourColours().convertToFormat(QImage::Format_Mono).save(box.path("m.pbm"), "pbm"));
    EXPECT_EQ(ImageFile::info(box.path("m.pbm"), kPnm).bitsPerPixel, 1);
    ASSERT_TRUE(ImageFile::decode(box.path("m.pbm"), kPnm).isValid());
    ASSERT_TRUE(fourColours().save(box.path("c.tif"), "tiff"));
    const ImageInfo tiff = ImageFile::info(box.path("c.tif"), kTiff);
    EXPECT_EQ(tiff.width, 8);
    EXPECT_EQ(tiff.bitsPerPixel, 24);
}

TEST(ImageFile, TurnedPhotosAreShownUpright) {
    // A 40 x 30 JPEG whose EXIF orientation says "turn 90 degrees clockwise to view".
    QByteArray plain;
    QBuffer buffer(&plain);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(samplePhoto(40, 30).save(&buffer, "jpeg"));
    const std::string orientation = testsupport::exifPayload({{0x0112, 3, 1, 6}}, {}, {});
    const QByteArray turned =
        QByteArray::fromStdString(testsupport::withApp1(plain.toStdString(), orientation));

    const DecodedImage image = ImageFile::decodeBytes(turned, kJpeg);
    ASSERT_TRUE(image.isValid());
    EXPECT_EQ(image.image.size(), QSize(30, 40));
    const ImageInfo info = ImageFile::infoBytes(turned, kJpeg);
    EXPECT_EQ(info.width, 30);
    EXPECT_EQ(info.height, 40);
}

TEST(ImageFile, LargePhotosLoad) {
    // Larger than the 128 MB that Qt refuses by default once decoded.
    QImage big(8000, 6000, QImage::Format_RGB32);
    big.fill(qRgb(40, 90, 160));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(big.save(&buffer, "jpeg", 50));
    big = QImage();
    const DecodedImage image = ImageFile::decodeBytes(jpeg, kJpeg);
    ASSERT_TRUE(image.isValid());
    EXPECT_EQ(image.image.size(), QSize(8000, 6000));
}

TEST(ImageFile, AbsurdSizesAreRefusedBeforeDecoding) {
    // A PNG header that claims 100000 x 100000 pixels.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(fourColours().save(&buffer, "png"));
    png[16] = 0;
    png[17] = 1;
    png[18] = char(0x86);
    png[19] = char(0xA0);
    png[20] = 0;
    png[21] = 1;
    png[22] = char(0x86);
    png[23] = char(0xA0);
    EXPECT_FALSE(ImageFile::decodeBytes(png, kPng).isValid());
}

TEST(ImageFile, DamagedAndUnknownFilesAreInvalid) {
    testsupport::Sandbox box;
    const QImage photo = samplePhoto(48, 32);
    for (const char* name : {"a.bmp", "a.gif", "a.jpg", "a.png", "a.tif", "a.tga", "a.pcx", "a.ppm",
                             "a.ico", "a.wbmp"}) {
        const QString path = box.path(name);
        const ImageFormat format = imageTypeFromName(path);
        ASSERT_TRUE(ImageFile::save(photo, path, format)) << name;
        const QByteArray good = readFile(path);
        for (qsizetype cut : {qsizetype(0), qsizetype(1), qsizetype(2), qsizetype(8), qsizetype(16),
                              qsizetype(30), good.size() / 2, good.size() * 9 / 10}) {
            EXPECT_FALSE(ImageFile::decodeBytes(good.left(cut), format).isValid())
                << name << " cut at " << cut;
        }
    }
    ASSERT_TRUE(writeFile(box.path("drawing.wmf"), "not really a metafile"));
    EXPECT_FALSE(ImageFile::decode(box.path("drawing.wmf"), kWmf).isValid());
    EXPECT_FALSE(ImageFile::decode(box.path("missing.png"), kPng).isValid());
    EXPECT_FALSE(ImageFile::decode(box.path("a.png"), kUnknownFormat).isValid());
    EXPECT_FALSE(ImageFile::decode(box.path("a.png"), kJpeg).isValid())
        << "a PNG named .jpg is not a JPEG";
}

TEST(ImageFile, SavingFailsHonestly) {
    testsupport::Sandbox box;
    EXPECT_FALSE(ImageFile::save(samplePhoto(), box.path("no/such/folder/a.png"), kPng));
    EXPECT_FALSE(ImageFile::save(samplePhoto(), box.path("a.wmf"), kWmf));
    EXPECT_FALSE(ImageFile::save(samplePhoto(), box.path("a.ras"), kRas));
    EXPECT_FALSE(ImageFile::save(QImage(), box.path("a.png"), kPng));
    EXPECT_FALSE(QFile::exists(box.path("a.png")));
    // An icon of a page is made to fit 256 pixels.
    ASSERT_TRUE(ImageFile::save(samplePhoto(992, 1403), box.path("page.ico"), kIco));
    EXPECT_EQ(ImageFile::decode(box.path("page.ico"), kIco).image.height(), 256);
}
