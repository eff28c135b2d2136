// Our own readers and writers, on small pictures whose pixels can be checked by hand. The GIF
// writer, and every writer's files cut short, are ImageFile's round trip's.
#include "shared/codecs/ExifThumbnail.h"
#include "shared/codecs/Jpeg2000Codec.h"
#include "shared/codecs/PcxCodec.h"
#include "shared/codecs/PgxCodec.h"
#include "shared/codecs/StandardHeaders.h"
#include "shared/codecs/SunRasterCodec.h"
#include "shared/codecs/TgaCodec.h"
#include "tests/support/ImageBytes.h"
#include "tests/support/Pictures.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>

using testsupport::asSpan;
using testsupport::bytes;
using testsupport::rgbGrid;
using testsupport::tgaHeader;
constexpr auto sun = testsupport::sunRasterHeader;
using Bytes = std::span<const uint8_t>;
using Grid = std::vector<uint32_t>;

namespace {

// Every reader alike, so that one table holds the files of all of them.
struct Reader {
    std::optional<imaging::DibImage> (*decode)(Bytes);
    std::optional<codecs::ImageHeader> (*peek)(Bytes);
};
const Reader kPcx{codecs::decodePcx, codecs::peekPcx};
const Reader kTga{[](Bytes b) {
                      auto p = codecs::decodeTga(b);
                      return p ? std::optional(p->image) : std::nullopt;
                  },
                  codecs::peekTga};
const Reader kSun{codecs::decodeSunRaster, codecs::peekSunRaster};
const Reader kPgx{codecs::decodePgx, codecs::peekPgx};

// 8 x 1 in four planes of one bit, pixel x taking bit x of each plane; palette entry i is grey
// i x 16.
std::string sixteenColourPcx() {
    // Maker, version 5, run-length, 1 bit a plane; xmin, ymin, xmax 7, ymax 0; the resolution.
    std::string file = bytes({0x0A, 5, 1, 1, 0, 0, 0, 0, 7, 0, 0, 0, 0, 0, 0, 0});
    for (int i = 0; i < 16; ++i)
        file += std::string(3, char(i * 16));
    file += bytes({0, /* planes */ 4, /* bytes per line, per plane */ 2});
    file.resize(128, '\0');
    // 1000 0000 / 0100 0000 / 0010 0000 / 1111 0000 (escaped as a run of one), each padded
    return file + bytes({0x80, 0, 0x40, 0, 0x20, 0, 0xC1, 0xF0, 0});
}

// A JPEG start whose EXIF names the thumbnail "THUMB" at `offset` with `size` bytes.
std::string jpegWithThumbnailAt(uint32_t offset, uint32_t size) {
    return testsupport::withApp1(
        bytes({0xFF, 0xD8, 0xFF, 0xDA, 0, 2}),
        testsupport::exifPayload({}, {{0x0201, 4, 1, offset}, {0x0202, 4, 1, size}}, "THUMB"));
}

// A file of the fuzzers' seed corpus, by its path there.
std::string corpusFile(const char* path) {
    return testsupport::readFile(QUILLAX_CORPUS_FOLDER "/" + QString(path)).toStdString();
}

} // namespace

TEST(Codecs, TheKindsWeAndOtherProgramsWriteReadPixelForPixel) {
    // The mapped TGA has three 24-bit entries, and a run of 3 pixels, then 1 raw pixel.
    // Sun raster maps hold all reds, then greens, then blues; in the run-length rows 0x80 2 1
    // is three of index 1, 0x80 0 one of index 0x80, past the map, which is grey as in a
    // picture without one. Signed PGX runs from -128, black, to 127, white.
    const imaging::DibImage everyValue = testsupport::everyValuePicture(8);
    const imaging::DibImage flat = testsupport::solid24(300, 2, 0x123456);
    const struct {
        const char* reason;
        Reader reader;
        int bits; // as the header tells it
        Grid pixels;
        std::string file;
    } files[] = {
        {"PCX: 1001, 1010, 1100, 1000, then 0, through the grey palette", kPcx, 4,
         Grid{0x909090, 0xA0A0A0, 0xC0C0C0, 0x808080, 0, 0, 0, 0}, sixteenColourPcx()},
        {"TGA: bottom row first, no footer", kTga, 24, Grid{0x090807, 0x0C0B0A, 0x030201, 0x060504},
         tgaHeader(2, 0, 0, 0, 2, 2, 24, 0) + bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})},
        {"TGA: 24-bit map; 3 run, 1 raw", kTga, 8, Grid{0xFF0000, 0xFF0000, 0xFF0000, 0x00FF00},
         tgaHeader(9, 1, 3, 24, 4, 1, 8, 0x20) +
             bytes({255, 0, 0, 0, 255, 0, 0, 0, 255, 0x82, 2, 0x00, 1})},
        {"TGA: 16 bits (5-5-5), right to left", kTga, 16, Grid{0x0000F8, 0xF80000},
         tgaHeader(2, 0, 0, 0, 2, 1, 16, 0x30) + bytes({0x00, 0x7C, 0x1F, 0x00})},
        {"TGA: grey, run-length encoded", kTga, 8, Grid(3, 0x404040),
         tgaHeader(11, 0, 0, 0, 3, 1, 8, 0x20) + bytes({0x82, 0x40})},
        {"Sun raster: BGR, rows padded to 16 bits", kSun, 24, Grid{0x030201, 0x060504},
         sun(1, 2, 24, 1, 0, 0) + bytes({1, 2, 3, 0, 4, 5, 6, 0})},
        {"Sun raster: RGB", kSun, 24, Grid{0x010203}, sun(1, 1, 24, 3, 0, 0) + bytes({1, 2, 3, 0})},
        {"Sun raster: mapped, run-length", kSun, 8, Grid{0x14283C, 0x14283C, 0x14283C, 0x808080},
         sun(4, 1, 8, 2, 1, 6) + bytes({10, 20, 30, 40, 50, 60, 0x80, 2, 1, 0x80, 0})},
        {"Sun raster: 1 bit without a map, a set bit black", kSun, 1, Grid{0, 0xFFFFFF},
         sun(2, 1, 1, 1, 0, 0) + bytes({0x80, 0})},
        {"PGX: 8 bits", kPgx, 8, Grid{0, 0x808080, 0xFFFFFF},
         "PG ML + 8 3 1\n" + bytes({0, 128, 255})},
        {"PGX: 12 bits little-endian, 0x0FFF white and 0x0800 128", kPgx, 16,
         Grid{0xFFFFFF, 0x808080}, "PG LM +12 2 1\n" + bytes({0xFF, 0x0F, 0x00, 0x08})},
        {"PGX: signed", kPgx, 8, Grid{0, 0xFFFFFF}, "PG ML - 8 2 1\n" + bytes({0x80, 0x7F})},
        // Ours read back as written; true colour and short runs round trip with the other
        // lossless formats, through ImageFile.
        {"our PCX: every byte value, also those it must escape", kPcx, 8, rgbGrid(everyValue),
         codecs::encodePcx(everyValue)},
        {"our TGA: runs longer than a packet", kTga, 24, rgbGrid(flat), codecs::encodeTga(flat)},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.reason);
        const auto header = f.reader.peek(asSpan(f.file));
        ASSERT_TRUE(header);
        EXPECT_EQ(header->bitsPerPixel, f.bits);
        const auto image = f.reader.decode(asSpan(f.file));
        ASSERT_TRUE(image);
        EXPECT_EQ(rgbGrid(*image), f.pixels);
    }
    const auto alpha =
        codecs::decodeTga(asSpan(tgaHeader(2, 0, 0, 0, 1, 1, 32, 0x28) + bytes({10, 20, 30, 0})));
    ASSERT_TRUE(alpha);
    EXPECT_TRUE(alpha->hasAlpha) << "32-bit TGA: the fourth byte is alpha";
    EXPECT_EQ(alpha->image.row(0)[3], 0);
}

TEST(Codecs, DamagedFilesAreRefused) {
    // Files cut short are ImageFile's round trip's.
    std::string hugePcx = codecs::encodePcx(testsupport::pattern24(20, 9));
    hugePcx.replace(8, 4, 4, char(0xFF));
    const struct {
        const char* reason;
        Reader reader;
        std::string file;
    } files[] = {
        {"PCX of 65536 x 65536 from a tiny file", kPcx, hugePcx},
        {"TGA of 4 x 4 in 3 bytes", kTga, tgaHeader(2, 0, 0, 0, 4, 4, 24, 0) + "abc"},
        {"TGA of no known type", kTga, tgaHeader(5, 0, 0, 0, 4, 4, 24, 0) + std::string(48, 'x')},
        {"TGA found by fuzzing: true colour with a colour map of 0-bit entries", kTga,
         bytes({1, 1, 2, 0x39, 0, 0xA1, 0x72, 0, 0, 0x80, 0x60, 0, 0, 0xDC, 0x0F, 8, 0x18, 0x0F,
                0xF6})},
        {"Sun raster cut short", kSun, sun(100, 100, 24, 1, 0, 0) + "short"},
        {"Sun raster of 7 bits", kSun, sun(1, 1, 7, 1, 0, 0) + "xxxx"},
        {"PGX cut short", kPgx, "PG ML + 8 3 1\nab"},
        {"PGX of no known byte order", kPgx, "PG XX + 8 1 1\nA"},
        {"PGX of 99999 x 99999", kPgx, "PG ML + 8 99999 99999\nA"},
    };
    for (const auto& f : files)
        EXPECT_FALSE(f.reader.decode(asSpan(f.file))) << f.reason;
}

// The seed corpus's JPEG 2000 files, written by OpenJPEG from pattern24(21, 9) without loss.
TEST(Jpeg2000, CodeStreamsAndJp2FilesDecodeLosslessly) {
    const imaging::DibImage photo = testsupport::pattern24(21, 9);
    for (const char* name : {"jpeg2000/seed-codestream", "jpeg2000/seed-jp2"}) {
        SCOPED_TRACE(name);
        const std::string file = corpusFile(name);
        const auto header = codecs::peekJpeg2000(asSpan(file));
        ASSERT_TRUE(header);
        EXPECT_EQ(std::pair(header->width, header->bitsPerPixel), std::pair(21, 24));
        const auto image = codecs::decodeJpeg2000(asSpan(file));
        ASSERT_TRUE(image);
        EXPECT_EQ(rgbGrid(*image), rgbGrid(photo));
        EXPECT_FALSE(codecs::decodeJpeg2000(asSpan(file.substr(0, file.size() / 3))));
    }
    EXPECT_FALSE(codecs::decodeJpeg2000(asSpan(std::string("not a jpeg 2000 file"))));

    // Found by fuzzing: thousands of tiny tiles make OpenJPEG take memory and time out of all
    // proportion to the file. The size marker after the start marker, its length and its
    // capabilities now says 4117 x 2304 pixels (from byte 8) in tiles of 64 x 36 (from byte
    // 24): 65 x 64 = 4160 tiles, past the 4096 allowed.
    std::string tiled = corpusFile("jpeg2000/seed-codestream");
    ASSERT_EQ(tiled.substr(2, 2), testsupport::bytes({0xFF, 0x51}));
    for (const auto& [at, value] : {std::pair{8, 4117}, {12, 2304}, {24, 64}, {28, 36}})
        tiled.replace(size_t(at), 4, testsupport::bytes({0, 0, value >> 8, value & 0xFF}));
    EXPECT_FALSE(codecs::peekJpeg2000(asSpan(tiled)));
    EXPECT_FALSE(codecs::decodeJpeg2000(asSpan(tiled)));
    tiled.replace(28, 4, testsupport::bytes({0, 0, 0, 37})); // 65 x 63 = 4095 tiles
    EXPECT_TRUE(codecs::peekJpeg2000(asSpan(tiled))) << "a tile fewer than the limit";
}

TEST(JpegStructure, TheExifThumbnailIsFoundForgedOffsetsAreRefusedAndTheEndIsChecked) {
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

    // A JPEG is complete with data after its end marker, not with the marker missing.
    const std::string whole = corpusFile("image_headers/seed-jpeg");
    EXPECT_TRUE(codecs::isCompleteJpeg(asSpan(whole)));
    // A camera's trailer holding the bytes of a scan start after the end.
    EXPECT_TRUE(
        codecs::isCompleteJpeg(asSpan(whole + bytes({0xFF, 0xDA, 0x12, 0x34, 0xFF, 0xDA}))));
    EXPECT_FALSE(codecs::isCompleteJpeg(asSpan(whole.substr(0, whole.size() - 2))))
        << "no more than the end marker missing; files cut further are ImageFile's";
}
