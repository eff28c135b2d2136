// Our own readers and writers, on small pictures whose pixels can be checked by hand.
#include "imaging/BmpFile.h"
#include "shared/codecs/GifWriter.h"
#include "shared/codecs/Jpeg2000Codec.h"
#include "shared/codecs/PcxCodec.h"
#include "shared/codecs/PgxCodec.h"
#include "shared/codecs/SunRasterCodec.h"
#include "shared/codecs/TgaCodec.h"
#include "tests/support/ImageBytes.h"
#include "tests/support/Pictures.h"
#include "tests/support/Sandbox.h"

#include <QImage>
#include <cstring>
#include <gtest/gtest.h>

using testsupport::rgbGrid;

using testsupport::asSpan;
using testsupport::bytes;
using testsupport::tgaHeader;

// True colour round trips with the other lossless formats, through ImageFile.
TEST(Pcx, PalettePicturesRoundTripExactly) {
    imaging::DibImage palette;
    palette.create(5, 3, 8);
    imaging::RgbQuad table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2), 0};
    palette.writeColourTable(0, 256, table);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            palette.row(y)[x] = uint8_t(0xC0 + x * 7 + y); // values that must be escaped
    const std::string file = codecs::encodePcx(palette);
    const auto info = codecs::peekPcx(asSpan(file));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->bitsPerPixel, 8);
    const auto back = codecs::decodePcx(asSpan(file));
    ASSERT_TRUE(back);
    EXPECT_EQ(rgbGrid(*back), rgbGrid(palette));
}

TEST(Pcx, SixteenColourPlanesAreCombined) {
    // 8 x 1, four planes of one bit: pixel x takes bit x of each plane.
    // Maker, version 5, run-length, 1 bit a plane; xmin, ymin, xmax 7, ymax 0; the resolution.
    std::string file = bytes({0x0A, 5, 1, 1, 0, 0, 0, 0, 7, 0, 0, 0, 0, 0, 0, 0});
    for (int i = 0; i < 16; ++i) // palette entry i = (i*16, i*16, i*16)
        file += std::string(3, char(i * 16));
    file += bytes({0, /* planes */ 4, /* bytes per line, per plane */ 2});
    file.resize(128, '\0');
    // planes: 1000 0000 / 0100 0000 / 0010 0000 / 1111 0000 (escaped as a run of one), each
    // padded with a zero byte
    for (int b : {0x80, 0, 0x40, 0, 0x20, 0, 0xC1, 0xF0, 0})
        file.push_back(char(b));
    const auto image = codecs::decodePcx(asSpan(file));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->bitsPerPixel(), 4);
    // Pixels 0b1001, 0b1010, 0b1100, 0b1000, then 0, through the grey palette.
    EXPECT_EQ(rgbGrid(*image),
              (std::vector<uint32_t>{0x909090, 0xA0A0A0, 0xC0C0C0, 0x808080, 0, 0, 0, 0}));
}

TEST(Pcx, DamagedFilesAreRefused) {
    const std::string good = codecs::encodePcx(testsupport::pattern24(20, 9));
    EXPECT_FALSE(codecs::decodePcx(asSpan(good.substr(0, good.size() / 2))));
    EXPECT_FALSE(codecs::decodePcx(asSpan(good.substr(0, 100))));
    std::string huge = good;
    huge.replace(8, 4, 4, char(0xFF));
    EXPECT_FALSE(codecs::decodePcx(asSpan(huge))) << "65536 x 65536 from a tiny file";
}

// Short runs round trip with the other lossless formats, through ImageFile.
TEST(Tga, OurFilesCarryTheFooterAndRoundTripLongRuns) {
    const std::string file = codecs::encodeTga(testsupport::pattern24(150, 7));
    EXPECT_EQ(file.substr(file.size() - 18, 16), "TRUEVISION-XFILE");
    const imaging::DibImage flat = testsupport::solid24(300, 2, 0x123456);
    EXPECT_EQ(rgbGrid(codecs::decodeTga(asSpan(codecs::encodeTga(flat)))->image), rgbGrid(flat));
}

TEST(Tga, ReadsTheKindsOtherProgramsWrite) {
    // Uncompressed true colour, bottom row first, no footer: 2 x 2.
    std::string plain = tgaHeader(2, 0, 0, 0, 2, 2, 24, 0) +
                        bytes({1, 2, 3, 4, 5, 6, /* top row: */ 7, 8, 9, 10, 11, 12});
    auto image = codecs::decodeTga(asSpan(plain));
    ASSERT_TRUE(image);
    EXPECT_EQ(rgbGrid(image->image),
              (std::vector<uint32_t>{0x090807, 0x0C0B0A, 0x030201, 0x060504}));

    // Colour-mapped, three 24-bit entries, run-length encoded: a run of 3 then 1 raw pixel.
    std::string mapped = tgaHeader(9, 1, 3, 24, 4, 1, 8, 0x20) +
                         bytes({255, 0, 0, 0, 255, 0, 0, 0, 255}) + bytes({0x82, 2, 0x00, 1});
    image = codecs::decodeTga(asSpan(mapped));
    ASSERT_TRUE(image);
    EXPECT_EQ(rgbGrid(image->image),
              (std::vector<uint32_t>{0xFF0000, 0xFF0000, 0xFF0000, 0x00FF00}));
    EXPECT_EQ(codecs::peekTga(asSpan(mapped))->bitsPerPixel, 8);

    // 16-bit (5-5-5) true colour, right to left.
    std::string words = tgaHeader(2, 0, 0, 0, 2, 1, 16, 0x30) + bytes({0x00, 0x7C, 0x1F, 0x00});
    image = codecs::decodeTga(asSpan(words));
    ASSERT_TRUE(image);
    EXPECT_EQ(rgbGrid(image->image), (std::vector<uint32_t>{0x0000F8, 0xF80000}));
    EXPECT_EQ(codecs::peekTga(asSpan(words))->bitsPerPixel, 16);

    // Grey, run-length encoded.
    std::string grey = tgaHeader(11, 0, 0, 0, 3, 1, 8, 0x20) + bytes({0x82, 0x40});
    image = codecs::decodeTga(asSpan(grey));
    ASSERT_TRUE(image);
    EXPECT_EQ(rgbGrid(image->image), (std::vector<uint32_t>{0x404040, 0x404040, 0x404040}));

    // 32 bits with alpha.
    std::string alpha = tgaHeader(2, 0, 0, 0, 1, 1, 32, 0x28) + bytes({10, 20, 30, 0});
    image = codecs::decodeTga(asSpan(alpha));
    ASSERT_TRUE(image);
    EXPECT_TRUE(image->hasAlpha);
    EXPECT_EQ(image->image.row(0)[3], 0);
}

TEST(Tga, DamagedFilesAreRefused) {
    const std::string good = codecs::encodeTga(testsupport::pattern24(30, 8));
    EXPECT_FALSE(codecs::decodeTga(asSpan(good.substr(0, 40))));
    EXPECT_FALSE(codecs::decodeTga(asSpan(tgaHeader(2, 0, 0, 0, 4, 4, 24, 0) + "abc")));
    EXPECT_FALSE(
        codecs::decodeTga(asSpan(tgaHeader(5, 0, 0, 0, 4, 4, 24, 0) + std::string(48, 'x'))));
    // Found by fuzzing: a true-colour picture carrying a colour map of 0-bit entries.
    EXPECT_FALSE(codecs::decodeTga(asSpan(bytes(
        {1, 1, 2, 0x39, 0, 0xA1, 0x72, 0, 0, 0x80, 0x60, 0, 0, 0xDC, 0x0F, 8, 0x18, 0x0F, 0xF6}))));
}

TEST(SunRaster, PlainEncodedAndMappedPictures) {
    const auto header = testsupport::sunRasterHeader;
    // 24 bits, BGR order, rows padded to 16 bits: 1 x 2.
    auto image = codecs::decodeSunRaster(
        asSpan(header(1, 2, 24, 1, 0, 0) + bytes({1, 2, 3, 0, 4, 5, 6, 0})));
    ASSERT_TRUE(image);
    EXPECT_EQ(rgbGrid(*image), (std::vector<uint32_t>{0x030201, 0x060504}));
    // RGB order.
    image = codecs::decodeSunRaster(asSpan(header(1, 1, 24, 3, 0, 0) + bytes({1, 2, 3, 0})));
    EXPECT_EQ(rgbGrid(*image), (std::vector<uint32_t>{0x010203}));
    // 8 bits with a two-entry map, encoded: 0x80 2 1 is three pixels of index 1, then 0x80 0.
    const std::string mapped =
        header(4, 1, 8, 2, 1, 6) + bytes({10, 20, 30, 40, 50, 60}) + bytes({0x80, 2, 1, 0x80, 0});
    image = codecs::decodeSunRaster(asSpan(mapped));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->bitsPerPixel(), 8);
    EXPECT_EQ(image->pixelColour(0, 0), (imaging::RgbQuad{60, 40, 20, 0}));
    EXPECT_EQ(image->pixelValue(3, 0), 0x80u);
    // 1 bit without a map: a set bit is black.
    image = codecs::decodeSunRaster(asSpan(header(2, 1, 1, 1, 0, 0) + bytes({0x80, 0})));
    EXPECT_EQ(image->pixelColour(0, 0).red, 0);
    EXPECT_EQ(image->pixelColour(1, 0).red, 255);

    EXPECT_FALSE(codecs::decodeSunRaster(asSpan(header(100, 100, 24, 1, 0, 0) + "short")));
    EXPECT_FALSE(codecs::decodeSunRaster(asSpan(header(1, 1, 7, 1, 0, 0) + "xxxx")));
}

TEST(Pgx, GreyInEitherByteOrderAndSign) {
    auto image = codecs::decodePgx(asSpan("PG ML + 8 3 1\n" + bytes({0, 128, 255})));
    ASSERT_TRUE(image);
    EXPECT_EQ(rgbGrid(*image), (std::vector<uint32_t>{0x000000, 0x808080, 0xFFFFFF}));
    // 12-bit little-endian: 0x0FFF is white, 0x0800 is 128.
    image = codecs::decodePgx(asSpan("PG LM +12 2 1\n" + bytes({0xFF, 0x0F, 0x00, 0x08})));
    ASSERT_TRUE(image);
    EXPECT_EQ(rgbGrid(*image), (std::vector<uint32_t>{0xFFFFFF, 0x808080}));
    EXPECT_EQ(
        codecs::peekPgx(asSpan("PG LM +12 2 1\n" + bytes({0xFF, 0x0F, 0x00, 0x08})))->bitsPerPixel,
        16);
    // Signed: -128 is black, 127 is white.
    image = codecs::decodePgx(asSpan("PG ML - 8 2 1\n" + bytes({0x80, 0x7F})));
    EXPECT_EQ(rgbGrid(*image), (std::vector<uint32_t>{0x000000, 0xFFFFFF}));

    EXPECT_FALSE(codecs::decodePgx(asSpan(std::string("PG ML + 8 3 1\n") + "ab")));
    EXPECT_FALSE(codecs::decodePgx(asSpan(std::string("PG XX + 8 1 1\nA"))));
    EXPECT_FALSE(codecs::decodePgx(asSpan(std::string("PG ML + 8 99999 99999\nA"))));
}

TEST(Gif, WritesAFileThatReadsBackWithFewColours) {
    imaging::DibImage image = testsupport::picture24({{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFFFF}});
    const std::string gif = codecs::encodeGif(image);
    ASSERT_GT(gif.size(), 20u);
    EXPECT_EQ(gif.substr(0, 6), "GIF87a");
    const QImage back = QImage::fromData(QByteArray(gif.data(), qsizetype(gif.size())), "gif");
    ASSERT_EQ(back.size(), QSize(2, 2));
    EXPECT_EQ(back.pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(back.pixel(1, 1) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_TRUE(codecs::encodeGif(imaging::DibImage()).empty());
}

TEST(Jpeg2000, CodeStreamsAndJp2FilesDecodeLosslessly) {
    const imaging::DibImage photo = testsupport::pattern24(24, 16);
    for (bool jp2 : {false, true}) {
        const std::string file = testsupport::jpeg2000(photo, jp2);
        ASSERT_FALSE(file.empty());
        const auto header = codecs::peekJpeg2000(asSpan(file));
        ASSERT_TRUE(header);
        EXPECT_EQ(header->width, 24);
        EXPECT_EQ(header->bitsPerPixel, 24);
        const auto image = codecs::decodeJpeg2000(asSpan(file));
        ASSERT_TRUE(image) << (jp2 ? "JP2 file" : "code stream");
        EXPECT_EQ(rgbGrid(*image), rgbGrid(photo));
        EXPECT_FALSE(codecs::decodeJpeg2000(asSpan(file.substr(0, file.size() / 3))));
    }
    EXPECT_FALSE(codecs::decodeJpeg2000(asSpan(std::string("not a jpeg 2000 file"))));

    // Found by fuzzing: thousands of tiny tiles make OpenJPEG take memory and time out of all
    // proportion to the file. 520 x 520 in 8 x 8 tiles is 4225 tiles; 2 x 2 tiles of 260 read.
    const imaging::DibImage flat = testsupport::solid24(520, 520, 0x336699);
    const std::string tiny = testsupport::jpeg2000(flat, false, 8);
    ASSERT_FALSE(tiny.empty());
    EXPECT_FALSE(codecs::decodeJpeg2000(asSpan(tiny)));
    EXPECT_FALSE(codecs::peekJpeg2000(asSpan(tiny)));
    EXPECT_TRUE(codecs::decodeJpeg2000(asSpan(testsupport::jpeg2000(flat, false, 260))));
}

#include "shared/codecs/ExifThumbnail.h"
#include "shared/codecs/StandardHeaders.h"

namespace {

// A JPEG start whose EXIF names the thumbnail "THUMB" at `offset` with `size` bytes.
std::string jpegWithThumbnailAt(uint32_t offset, uint32_t size) {
    return testsupport::withApp1(
        bytes({0xFF, 0xD8, 0xFF, 0xDA, 0, 2}),
        testsupport::exifPayload({}, {{0x0201, 4, 1, offset}, {0x0202, 4, 1, size}}, "THUMB"));
}

} // namespace

TEST(ExifThumbnail, FindsTheEmbeddedPictureAndRefusesForgedOffsets) {
    // The TIFF header (8), an empty first directory (6) and a second one of two entries (30)
    // put the data at 44.
    const std::string good = jpegWithThumbnailAt(44, 5);
    const auto found = codecs::exifThumbnail(asSpan(good));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(found.data()), found.size()), "THUMB");

    // An XMP block before it is passed over.
    const std::string xmp = "http://ns.adobe.com/xap/1.0/";
    const std::string both =
        good.substr(0, 2) + bytes({0xFF, 0xE1, 0, int(xmp.size() + 2)}) + xmp + good.substr(2);
    EXPECT_EQ(codecs::exifThumbnail(asSpan(both)).size(), 5u);

    // Offsets that would wrap round or point past the block find nothing.
    EXPECT_TRUE(codecs::exifThumbnail(asSpan(jpegWithThumbnailAt(0xFFFFFF00u, 0x200))).empty());
    EXPECT_TRUE(codecs::exifThumbnail(asSpan(jpegWithThumbnailAt(44, 6))).empty());
    EXPECT_TRUE(codecs::exifThumbnail(asSpan(good.substr(0, 30))).empty());
}

TEST(JpegCompleteness, DataAfterTheEndMarkerIsFineAMissingEndIsNot) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(qRgb(10, 150, 90));
    const QByteArray jpeg = testsupport::encoded(image, "jpeg");
    ASSERT_FALSE(jpeg.isEmpty());
    const std::string whole(jpeg.constData(), size_t(jpeg.size()));
    EXPECT_TRUE(codecs::isCompleteJpeg(asSpan(whole)));
    // A camera's trailer holding the bytes of a scan start after the end.
    EXPECT_TRUE(
        codecs::isCompleteJpeg(asSpan(whole + bytes({0xFF, 0xDA, 0x12, 0x34, 0xFF, 0xDA}))));
    EXPECT_FALSE(codecs::isCompleteJpeg(asSpan(whole.substr(0, whole.size() - 2))));
    EXPECT_FALSE(codecs::isCompleteJpeg(asSpan(whole.substr(0, whole.size() / 2))));
}
