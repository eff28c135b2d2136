#include "shared/ImageFile.h"
#include "imaging/BmpFile.h"
#include "shared/DibConversion.h"
#include "tests/support/ImageBytes.h"
#include "tests/support/Pictures.h"
#include "tests/support/Sandbox.h"

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
    // Files other programs write, here by Qt's writers, in the format their names end in.
    const auto depthOf = [&](QImage::Format qtFormat, const char* name, ImageFormat format) {
        EXPECT_TRUE(fourColours().convertToFormat(qtFormat).save(box.path(name))) << name;
        return ImageFile::info(box.path(name), format).bitsPerPixel;
    };
    EXPECT_EQ(depthOf(QImage::Format_Indexed8, "p.png", kPng), 8);
    EXPECT_EQ(depthOf(QImage::Format_Grayscale8, "g.jpg", kJpeg), 8);
    EXPECT_EQ(depthOf(QImage::Format_Grayscale8, "g.pgm", kPnm), 8);
    EXPECT_EQ(depthOf(QImage::Format_Mono, "m.pbm", kPnm), 1);
    EXPECT_TRUE(ImageFile::decode(box.path("m.pbm"), kPnm).isValid());
    EXPECT_EQ(depthOf(QImage::Format_RGB32, "c.tif", kTiff), 24);
}

TEST(ImageFile, TurnedPhotosAreShownUpright) {
    // A 40 x 30 JPEG whose EXIF orientation says "turn 90 degrees clockwise to view".
    const QByteArray plain = testsupport::encoded(samplePhoto(40, 30), "jpeg");
    ASSERT_FALSE(plain.isEmpty());
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
    const QByteArray jpeg = testsupport::encoded(big, "jpeg", 50);
    ASSERT_FALSE(jpeg.isEmpty());
    big = QImage();
    const DecodedImage image = ImageFile::decodeBytes(jpeg, kJpeg);
    ASSERT_TRUE(image.isValid());
    EXPECT_EQ(image.image.size(), QSize(8000, 6000));
}

TEST(ImageFile, AbsurdSizesAreRefusedBeforeDecoding) {
    // A PNG header that claims 100000 x 100000 pixels.
    QByteArray png = testsupport::encoded(fourColours(), "png");
    ASSERT_FALSE(png.isEmpty());
    png.replace(16, 8, QByteArray("\x00\x01\x86\xA0\x00\x01\x86\xA0", 8)); // 0x186A0 = 100000
    EXPECT_FALSE(ImageFile::decodeBytes(png, kPng).isValid());
}

// Every format we write reads back; the lossless ones pixel for pixel. Cut short, none reads.
TEST(ImageFile, FormatsRoundTripAndCutFilesAreInvalid) {
    testsupport::Sandbox box;
    const QImage photo = samplePhoto(48, 32);
    const QStringList lossless{"a.bmp", "a.png", "a.tif", "a.pcx", "a.tga", "a.ppm", "a.ico"};
    for (const QString& name : lossless + QStringList{"a.gif", "a.jpg", "a.wbmp"}) {
        const QString path = box.path(name);
        const ImageFormat format = imageTypeFromName(path);
        ASSERT_TRUE(ImageFile::save(photo, path, format)) << qPrintable(name);
        if (lossless.contains(name)) {
            const DecodedImage back = ImageFile::decode(path, format);
            EXPECT_TRUE(samePixels(back.image, photo)) << qPrintable(name);
            EXPECT_EQ(back.bitsPerPixel, 24) << qPrintable(name);
        }
        const QByteArray good = readFile(path);
        for (qsizetype cut : {qsizetype(0), qsizetype(1), qsizetype(2), qsizetype(8), qsizetype(16),
                              qsizetype(30), good.size() / 2, good.size() * 9 / 10}) {
            EXPECT_FALSE(ImageFile::decodeBytes(good.left(cut), format).isValid())
                << qPrintable(name) << " cut at " << cut;
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
