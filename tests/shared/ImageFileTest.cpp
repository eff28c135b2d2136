#include "shared/ImageFile.h"
#include "shared/DibConversion.h"
#include "tests/support/ImageBytes.h"
#include "tests/support/Pictures.h"
#include "tests/support/Sandbox.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace quillax;

namespace {

QImage samplePhoto(int w = 40, int h = 30) {
    return toQImage(testsupport::pattern24(w, h));
}

// Four flat colours, which every format but WBMP keeps exactly; a checkerboard of black and
// white, which a one-bit file keeps.
QImage fourColours() {
    return toQImage(testsupport::picture24({{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFFFF}}))
        .scaled(8, 6);
}
QImage checkerboard() {
    return toQImage(testsupport::picture24({{0, 0xFFFFFF}, {0xFFFFFF, 0}})).scaled(48, 32);
}

// The mean difference of the colour channels; 255 when the sizes differ.
double difference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 255;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qRed(a.pixel(x, y)) - qRed(b.pixel(x, y))) +
                   std::abs(qGreen(a.pixel(x, y)) - qGreen(b.pixel(x, y))) +
                   std::abs(qBlue(a.pixel(x, y)) - qBlue(b.pixel(x, y)));
    return sum / (3.0 * a.width() * a.height());
}

} // namespace

// Every format we write reads back at the depth it stores, the lossless ones pixel for pixel.
// Cut short, none reads. The depths of BMP files are BmpFile's; ImageFile hands them on as it
// does these.
TEST(ImageFile, FormatsRoundTripAtTheirDepthAndCutFilesAreInvalid) {
    testsupport::Sandbox box;
    const QImage photo = samplePhoto(48, 32);
    const struct {
        const char* name;
        ImageFormat format; // by its name
        QImage picture;
        int bits;
        double difference; // the most the mean channel may move
    } files[] = {
        {"a.bmp", kBmp, photo, 24, 0},        {"a.png", kPng, photo, 24, 0},
        {"a.tif", kTiff, photo, 24, 0},       {"a.pcx", kPcx, photo, 24, 0},
        {"a.tga", kTga, photo, 24, 0},        {"a.ppm", kPnm, photo, 24, 0},
        {"a.ico", kIco, photo, 24, 0},        {"a.jpg", kJpeg, photo, 24, 10},
        {"a.gif", kGif, fourColours(), 8, 0}, {"a.wbmp", kWbmp, checkerboard(), 1, 0},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        const QString path = box.path(f.name);
        EXPECT_EQ(imageTypeFromName(path), f.format);
        ASSERT_TRUE(ImageFile::save(f.picture, path, f.format));
        const DecodedImage back = ImageFile::decode(path, f.format);
        EXPECT_LE(difference(back.image, f.picture), f.difference);
        EXPECT_EQ(back.bitsPerPixel, f.bits);
        EXPECT_EQ(ImageFile::info(path, f.format).bitsPerPixel, f.bits);
        const QByteArray good = testsupport::readFile(path);
        for (qsizetype cut : {qsizetype(0), qsizetype(1), qsizetype(2), qsizetype(8), qsizetype(16),
                              qsizetype(30), good.size() / 2, good.size() * 9 / 10})
            EXPECT_FALSE(ImageFile::decodeBytes(good.left(cut), f.format).isValid())
                << "cut at " << cut;
    }
    ASSERT_TRUE(testsupport::writeFile(box.path("drawing.wmf"), "not really a metafile"));
    EXPECT_FALSE(ImageFile::decode(box.path("drawing.wmf"), kWmf).isValid());
    EXPECT_FALSE(ImageFile::decode(box.path("missing.png"), kPng).isValid());
    EXPECT_FALSE(ImageFile::decode(box.path("a.png"), kUnknownFormat).isValid());
    EXPECT_FALSE(ImageFile::decode(box.path("a.png"), kJpeg).isValid()) << "a PNG is no JPEG";

    // The depth other programs' files store, here written by Qt's writers.
    using enum QImage::Format;
    const struct {
        const char* name;
        QImage::Format qtFormat;
        ImageFormat format;
        int bits;
    } others[] = {{"p.png", Format_Indexed8, kPng, 8},
                  {"g.jpg", Format_Grayscale8, kJpeg, 8},
                  {"g.pgm", Format_Grayscale8, kPnm, 8},
                  {"m.pbm", Format_Mono, kPnm, 1}};
    for (const auto& f : others) {
        ASSERT_TRUE(fourColours().convertToFormat(f.qtFormat).save(box.path(f.name))) << f.name;
        EXPECT_EQ(ImageFile::info(box.path(f.name), f.format).bitsPerPixel, f.bits) << f.name;
        EXPECT_TRUE(ImageFile::decode(box.path(f.name), f.format).isValid()) << f.name;
    }
}

TEST(ImageFile, TurnedPhotosAreUprightLargeOnesLoadAndAbsurdSizesAreRefused) {
    // A 40 x 30 JPEG whose EXIF orientation says "turn 90 degrees clockwise to view".
    const QByteArray turned = QByteArray::fromStdString(
        testsupport::withApp1(testsupport::encoded(samplePhoto(40, 30), "jpeg").toStdString(),
                              testsupport::exifPayload({{0x0112, 3, 1, 6}}, {}, {})));
    EXPECT_EQ(ImageFile::decodeBytes(turned, kJpeg).image.size(), QSize(30, 40));
    const ImageInfo info = ImageFile::infoBytes(turned, kJpeg);
    EXPECT_EQ(QSize(info.width, info.height), QSize(30, 40));

    // Larger than the 128 MB that Qt refuses by default once decoded.
    QImage big(8000, 6000, QImage::Format_RGB32);
    big.fill(qRgb(40, 90, 160));
    const QByteArray jpeg = testsupport::encoded(big, "jpeg", 50);
    big = QImage();
    EXPECT_EQ(ImageFile::decodeBytes(jpeg, kJpeg).image.size(), QSize(8000, 6000));

    // A PNG header that claims 100000 x 100000 pixels.
    QByteArray png = testsupport::encoded(fourColours(), "png");
    png.replace(16, 8, QByteArray("\x00\x01\x86\xA0\x00\x01\x86\xA0", 8)); // 0x186A0 = 100000
    EXPECT_FALSE(ImageFile::decodeBytes(png, kPng).isValid());
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

// What the viewer and the picture dialog are given: never enlarged, else fitted keeping the
// shape; a JPEG decoded at a fraction comes out at the fitted size all the same.
TEST(ImageFile, DecodeToFitBringsPicturesDownOnly) {
    testsupport::Sandbox box;
    EXPECT_EQ(ImageFile::decodeToFit(box.writePicture("small.png", 40, 30), {800, 600}).size(),
              QSize(40, 30));
    EXPECT_EQ(ImageFile::decodeToFit(box.writePicture("wide.jpg", 4000, 1000), {800, 600}).size(),
              QSize(800, 200));
    EXPECT_EQ(ImageFile::decodeToFit(box.writePicture("tall.bmp", 300, 1200), {800, 600}).size(),
              QSize(150, 600));
    EXPECT_TRUE(ImageFile::decodeToFit(box.path("missing.jpg"), {800, 600}).isNull());

    // A two-colour palette picture, as drawing programs write one, keeps its colours when it
    // is brought down: Qt alone would draw it in black and white.
    QImage green(400, 300, QImage::Format_Mono);
    green.setColorTable({qRgb(50, 200, 90), qRgb(0, 0, 0)});
    green.fill(0);
    EXPECT_EQ(ImageFile::scaledSmoothly(green, {150, 112}).pixel(75, 56), qRgb(50, 200, 90));
}
