// Our own readers and writers, on small pictures whose pixels can be checked by hand.
#include "imaging/BmpFile.h"
#include "shared/codecs/GifWriter.h"
#include "shared/codecs/Jpeg2000Codec.h"
#include "shared/codecs/PcxCodec.h"
#include "shared/codecs/PgxCodec.h"
#include "shared/codecs/SunRasterCodec.h"
#include "shared/codecs/TgaCodec.h"
#include "tests/support/Pictures.h"

#include <QBuffer>
#include <QImage>
#include <cstring>
#include <gtest/gtest.h>
#include <openjpeg.h>

using testsupport::rgbAt;
using testsupport::rgbGrid;

namespace {

std::span<const uint8_t> asSpan(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out.push_back(char(v));
    return out;
}

// Every prefix and some byte flips of a good file: nothing may crash.
template <typename Decode> void survivesDamage(const std::string& good, Decode decode) {
    for (size_t cut = 0; cut < good.size(); cut += std::max<size_t>(1, good.size() / 40))
        (void)decode(asSpan(good.substr(0, cut)));
    for (size_t i = 0; i < std::min<size_t>(good.size(), 64); ++i) {
        std::string bad = good;
        bad[i] = char(bad[i] ^ 0xFF);
        (void)decode(asSpan(bad));
    }
}

std::string tgaHeader(int imageType, int mapType, int mapLength, int mapBits, int w, int h,
                      int depth, int descriptor) {
    return bytes({0, mapType, imageType, 0, 0, mapLength & 0xFF, mapLength >> 8, mapBits, 0, 0, 0,
                  0, w & 0xFF, w >> 8, h & 0xFF, h >> 8, depth, descriptor});
}

} // namespace

TEST(Pcx, TrueColourAndPaletteRoundTripExactly) {
    const imaging::DibImage photo = testsupport::pattern24(37, 11);
    const auto back = codecs::decodePcx(asSpan(codecs::encodePcx(photo)));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->bitsPerPixel(), 24);
    EXPECT_EQ(rgbGrid(*back), rgbGrid(photo));

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
    const auto back8 = codecs::decodePcx(asSpan(file));
    ASSERT_TRUE(back8);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(back8->pixelColour(x, y), palette.pixelColour(x, y));
}

TEST(Pcx, SixteenColourPlanesAreCombined) {
    // 8 x 1, four planes of one bit: pixel x takes bit x of each plane.
    std::string file(128, '\0');
    file[0] = 0x0A;
    file[1] = 5;
    file[2] = 1;
    file[3] = 1;
    file[8] = 7;                   // xmax
    file[10] = 0;                  // ymax
    for (int i = 0; i < 16; ++i) { // palette entry i = (i*16, i*16, i*16)
        file[size_t(16 + i * 3)] = char(i * 16);
        file[size_t(17 + i * 3)] = char(i * 16);
        file[size_t(18 + i * 3)] = char(i * 16);
    }
    file[65] = 4;
    file[66] = 2; // bytes per line, per plane
    // planes: 1000 0000 / 0100 0000 / 0010 0000 / 1111 0000 (escaped as a run of one), each
    // padded with a zero byte
    for (int b : {0x80, 0, 0x40, 0, 0x20, 0, 0xC1, 0xF0, 0})
        file.push_back(char(b));
    const auto image = codecs::decodePcx(asSpan(file));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->bitsPerPixel(), 4);
    EXPECT_EQ(image->pixelValue(0, 0), 0b1001u);
    EXPECT_EQ(image->pixelValue(1, 0), 0b1010u);
    EXPECT_EQ(image->pixelValue(2, 0), 0b1100u);
    EXPECT_EQ(image->pixelValue(3, 0), 0b1000u);
    EXPECT_EQ(image->pixelValue(4, 0), 0u);
    EXPECT_EQ(image->pixelColour(1, 0).red, 0xA0);
}

TEST(Pcx, DamagedFilesAreRefused) {
    const std::string good = codecs::encodePcx(testsupport::pattern24(20, 9));
    EXPECT_FALSE(codecs::decodePcx(asSpan(good.substr(0, good.size() / 2))));
    EXPECT_FALSE(codecs::decodePcx(asSpan(good.substr(0, 100))));
    std::string huge = good;
    huge[8] = char(0xFF);
    huge[9] = char(0xFF);
    huge[10] = char(0xFF);
    huge[11] = char(0xFF);
    EXPECT_FALSE(codecs::decodePcx(asSpan(huge))) << "65536 x 65536 from a tiny file";
    survivesDamage(good, codecs::decodePcx);
}

TEST(Tga, OurFilesRoundTripAndCarryTheFooter) {
    const imaging::DibImage photo = testsupport::pattern24(150, 7); // long runs and short ones
    const std::string file = codecs::encodeTga(photo);
    EXPECT_EQ(file.substr(file.size() - 18, 16), "TRUEVISION-XFILE");
    const auto back = codecs::decodeTga(asSpan(file));
    ASSERT_TRUE(back);
    EXPECT_EQ(rgbGrid(back->image), rgbGrid(photo));
    const imaging::DibImage flat = testsupport::solid24(300, 2, 0x123456);
    EXPECT_EQ(rgbGrid(codecs::decodeTga(asSpan(codecs::encodeTga(flat)))->image), rgbGrid(flat));
}

TEST(Tga, ReadsTheKindsOtherProgramsWrite) {
    // Uncompressed true colour, bottom row first, no footer: 2 x 2.
    std::string plain = tgaHeader(2, 0, 0, 0, 2, 2, 24, 0) +
                        bytes({1, 2, 3, 4, 5, 6, /* top row: */ 7, 8, 9, 10, 11, 12});
    auto image = codecs::decodeTga(asSpan(plain));
    ASSERT_TRUE(image);
    EXPECT_EQ(rgbAt(image->image, 0, 0), 0x090807u);
    EXPECT_EQ(rgbAt(image->image, 1, 1), 0x060504u);

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
    survivesDamage(good, codecs::decodeTga);
    // Found by fuzzing: a true-colour picture carrying a colour map of 0-bit entries.
    EXPECT_FALSE(codecs::decodeTga(asSpan(bytes(
        {1, 1, 2, 0x39, 0, 0xA1, 0x72, 0, 0, 0x80, 0x60, 0, 0, 0xDC, 0x0F, 8, 0x18, 0x0F, 0xF6}))));
}

TEST(SunRaster, PlainEncodedAndMappedPictures) {
    auto header = [](int w, int h, int depth, int type, int mapType, int mapLength) {
        std::string out;
        for (uint32_t v : {0x59A66A95u, uint32_t(w), uint32_t(h), uint32_t(depth), 0u,
                           uint32_t(type), uint32_t(mapType), uint32_t(mapLength)}) {
            for (int shift : {24, 16, 8, 0})
                out.push_back(char((v >> shift) & 0xFF));
        }
        return out;
    };
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
    survivesDamage(mapped, codecs::decodeSunRaster);
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
    survivesDamage("PG ML + 8 3 1\n" + bytes({0, 128, 255}), codecs::decodePgx);
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

namespace {

// A small JPEG 2000 file made with OpenJPEG's encoder, lossless.
std::string makeJpeg2000(const imaging::DibImage& picture, OPJ_CODEC_FORMAT format) {
    const int w = picture.width(), h = picture.height();
    opj_image_cmptparm_t parts[3];
    std::memset(parts, 0, sizeof parts);
    for (auto& p : parts) {
        p.dx = p.dy = 1;
        p.w = OPJ_UINT32(w);
        p.h = OPJ_UINT32(h);
        p.prec = 8;
    }
    opj_image_t* image = opj_image_create(3, parts, OPJ_CLRSPC_SRGB);
    image->x1 = OPJ_UINT32(w);
    image->y1 = OPJ_UINT32(h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                image->comps[c].data[y * w + x] = picture.row(y)[x * 3 + (2 - c)];
    opj_cparameters_t parameters;
    opj_set_default_encoder_parameters(&parameters);
    parameters.tcp_numlayers = 1;
    parameters.tcp_rates[0] = 0; // lossless
    parameters.cp_disto_alloc = 1;
    parameters.numresolution = 2;
    opj_codec_t* codec = opj_create_compress(format);
    opj_setup_encoder(codec, &parameters, image);
    struct Sink {
        std::string data;
        size_t pos = 0;
    } sink;
    opj_stream_t* stream = opj_stream_create(4096, OPJ_FALSE);
    opj_stream_set_user_data(stream, &sink, nullptr);
    opj_stream_set_write_function(stream, [](void* b, OPJ_SIZE_T n, void* u) -> OPJ_SIZE_T {
        auto* s = static_cast<Sink*>(u);
        if (s->pos + n > s->data.size())
            s->data.resize(s->pos + n);
        std::memcpy(s->data.data() + s->pos, b, n);
        s->pos += n;
        return n;
    });
    opj_stream_set_skip_function(stream, [](OPJ_OFF_T n, void* u) -> OPJ_OFF_T {
        static_cast<Sink*>(u)->pos += size_t(n);
        return n;
    });
    opj_stream_set_seek_function(stream, [](OPJ_OFF_T at, void* u) -> OPJ_BOOL {
        static_cast<Sink*>(u)->pos = size_t(at);
        return OPJ_TRUE;
    });
    const bool ok = opj_start_compress(codec, image, stream) && opj_encode(codec, stream) &&
                    opj_end_compress(codec, stream);
    opj_stream_destroy(stream);
    opj_destroy_codec(codec);
    opj_image_destroy(image);
    return ok ? sink.data : std::string();
}

} // namespace

TEST(Jpeg2000, CodeStreamsAndJp2FilesDecodeLosslessly) {
    const imaging::DibImage photo = testsupport::pattern24(24, 16);
    for (OPJ_CODEC_FORMAT format : {OPJ_CODEC_J2K, OPJ_CODEC_JP2}) {
        const std::string file = makeJpeg2000(photo, format);
        ASSERT_FALSE(file.empty());
        const auto header = codecs::peekJpeg2000(asSpan(file));
        ASSERT_TRUE(header);
        EXPECT_EQ(header->width, 24);
        EXPECT_EQ(header->bitsPerPixel, 24);
        const auto image = codecs::decodeJpeg2000(asSpan(file));
        ASSERT_TRUE(image) << format;
        EXPECT_EQ(rgbGrid(*image), rgbGrid(photo));
        EXPECT_FALSE(codecs::decodeJpeg2000(asSpan(file.substr(0, file.size() / 3))));
        survivesDamage(file, codecs::decodeJpeg2000);
    }
    EXPECT_FALSE(codecs::decodeJpeg2000(asSpan(std::string("not a jpeg 2000 file"))));
}

#include "shared/codecs/ExifThumbnail.h"
#include "shared/codecs/StandardHeaders.h"

namespace {

// A JPEG start with one APP1 segment holding `payload`.
std::string withApp1(const std::string& payload) {
    const size_t length = payload.size() + 2;
    return bytes({0xFF, 0xD8, 0xFF, 0xE1, int(length >> 8), int(length & 0xFF)}) + payload +
           bytes({0xFF, 0xDA, 0, 2});
}

// EXIF with IFD1 naming the thumbnail at `offset` with `size` bytes, followed by `data`.
std::string exifPayload(uint32_t offset, uint32_t size, const std::string& data) {
    std::string tiff = std::string("II*\0", 4) + bytes({8, 0, 0, 0}) + bytes({0, 0}) +
                       bytes({14, 0, 0, 0}) + bytes({2, 0});
    auto le32 = [](uint32_t v) {
        return bytes({int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF), int(v >> 24)});
    };
    tiff += bytes({0x01, 0x02, 4, 0, 1, 0, 0, 0}) + le32(offset);
    tiff += bytes({0x02, 0x02, 4, 0, 1, 0, 0, 0}) + le32(size);
    tiff += le32(0) + data;
    return std::string("Exif\0\0", 6) + tiff;
}

} // namespace

TEST(ExifThumbnail, FindsTheEmbeddedPictureAndRefusesForgedOffsets) {
    // IFD1 ends at 14 + 2 + 24 + 4 = 44, where the data starts.
    const std::string good = withApp1(exifPayload(44, 5, "THUMB"));
    const auto found = codecs::exifThumbnail(asSpan(good));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(found.data()), found.size()), "THUMB");

    // An XMP block before it is passed over.
    const std::string xmp = "http://ns.adobe.com/xap/1.0/";
    const std::string both =
        good.substr(0, 2) + bytes({0xFF, 0xE1, 0, int(xmp.size() + 2)}) + xmp + good.substr(2);
    EXPECT_EQ(codecs::exifThumbnail(asSpan(both)).size(), 5u);

    // Offsets that would wrap round or point past the block find nothing.
    EXPECT_TRUE(
        codecs::exifThumbnail(asSpan(withApp1(exifPayload(0xFFFFFF00u, 0x200, "THUMB")))).empty());
    EXPECT_TRUE(codecs::exifThumbnail(asSpan(withApp1(exifPayload(44, 6, "THUMB")))).empty());
    EXPECT_TRUE(codecs::exifThumbnail(asSpan(good.substr(0, 30))).empty());
    survivesDamage(good,
                   [](std::span<const uint8_t> b) { return codecs::exifThumbnail(b).size(); });
}

TEST(JpegCompleteness, DataAfterTheEndMarkerIsFineAMissingEndIsNot) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(qRgb(10, 150, 90));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "jpeg"));
    const std::string whole(jpeg.constData(), size_t(jpeg.size()));
    EXPECT_TRUE(codecs::isCompleteJpeg(asSpan(whole)));
    // A camera's trailer holding the bytes of a scan start after the end.
    EXPECT_TRUE(
        codecs::isCompleteJpeg(asSpan(whole + bytes({0xFF, 0xDA, 0x12, 0x34, 0xFF, 0xDA}))));
    EXPECT_FALSE(codecs::isCompleteJpeg(asSpan(whole.substr(0, whole.size() - 2))));
    EXPECT_FALSE(codecs::isCompleteJpeg(asSpan(whole.substr(0, whole.size() / 2))));
}
