// Writes the seed corpus of every fuzz target: small, valid files of each kind the readers
// take, built by the same byte builders the readers' tests use. The fuzzers start from these
// and keep what they find beside them; `fuzz/make-seeds` runs this program.
#include "imaging/BmpFile.h"
#include "shared/codecs/GifWriter.h"
#include "shared/codecs/PcxCodec.h"
#include "shared/codecs/TgaCodec.h"
#include "tests/support/ImageBytes.h"
#include "tests/support/Pictures.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <openjpeg.h>

namespace {

namespace fs = std::filesystem;
using testsupport::bytes;

fs::path root;

// Each file also goes in one byte short: a reader that trusts a size field reads exactly one
// byte past such an input, which the replays' exact-size buffers turn into a report.
void seed(const std::string& target, const std::string& name, const std::string& content) {
    const fs::path folder = root / target;
    fs::create_directories(folder);
    std::ofstream(folder / ("seed-" + name), std::ios::binary) << content;
    if (!content.empty())
        std::ofstream(folder / ("seed-" + name + "-cut"), std::ios::binary)
            << content.substr(0, content.size() - 1);
}

// A lossless JPEG 2000 file of a 24-bit picture made by OpenJPEG: a raw code stream, or a JP2
// file when `jp2`. Empty when the encoder fails.
std::string jpeg2000(const imaging::DibImage& picture, bool jp2) {
    const int w = picture.width(), h = picture.height();
    opj_image_cmptparm_t parts[3] = {};
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
    opj_codec_t* codec = opj_create_compress(jp2 ? OPJ_CODEC_JP2 : OPJ_CODEC_J2K);
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

std::string qtFile(const QImage& image, const char* format) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        std::fprintf(stderr, "cannot write a %s seed\n", format);
    return out.toStdString();
}

QImage smallPhoto(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x * y) & 0xFF));
    return image;
}

void bmpSeeds() {
    for (int bits : {1, 4, 8, 16, 24, 32})
        seed("bmp", std::to_string(bits) + "-bit",
             imaging::encodeBmp(testsupport::everyValuePicture(bits)));
    seed("bmp", "rle8", testsupport::rle8Bmp());
}

void codecSeeds() {
    const imaging::DibImage photo = testsupport::pattern24(21, 9);
    seed("pcx", "24-bit", codecs::encodePcx(photo));
    seed("pcx", "8-bit", codecs::encodePcx(testsupport::everyValuePicture(8)));

    using testsupport::tgaHeader;
    seed("tga", "24-bit-footer", codecs::encodeTga(photo));
    seed("tga", "mapped-rle",
         tgaHeader(9, 1, 3, 24, 4, 1, 8, 0x20) + bytes({255, 0, 0, 0, 255, 0, 0, 0, 255}) +
             bytes({0x82, 2, 0x00, 1}));
    seed("tga", "16-bit", tgaHeader(2, 0, 0, 0, 2, 1, 16, 0x30) + bytes({0x00, 0x7C, 0x1F, 0}));
    seed("tga", "grey-rle", tgaHeader(11, 0, 0, 0, 3, 1, 8, 0x20) + bytes({0x82, 0x40}));
    seed("tga", "32-bit-alpha", tgaHeader(2, 0, 0, 0, 1, 1, 32, 0x28) + bytes({10, 20, 30, 0}));

    using testsupport::sunRasterHeader;
    seed("ras", "24-bit-bgr", sunRasterHeader(1, 2, 24, 1, 0, 0) + bytes({1, 2, 3, 0, 4, 5, 6, 0}));
    seed("ras", "24-bit-rgb", sunRasterHeader(1, 1, 24, 3, 0, 0) + bytes({1, 2, 3, 0}));
    seed("ras", "8-bit-mapped-rle",
         sunRasterHeader(4, 1, 8, 2, 1, 6) + bytes({10, 20, 30, 40, 50, 60, 0x80, 2, 1, 0x80, 0}));
    seed("ras", "1-bit", sunRasterHeader(2, 1, 1, 1, 0, 0) + bytes({0x80, 0}));

    seed("pgx", "8-bit", "PG ML + 8 3 1\n" + bytes({0, 128, 255}));
    seed("pgx", "12-bit-le", "PG LM +12 2 1\n" + bytes({0xFF, 0x0F, 0x00, 0x08}));
    seed("pgx", "signed", "PG ML - 8 2 1\n" + bytes({0x80, 0x7F}));

    seed("jpeg2000", "codestream", jpeg2000(photo, false));
    seed("jpeg2000", "jp2", jpeg2000(photo, true));
}

void exifAndHeaderSeeds() {
    const std::string jpeg = qtFile(smallPhoto(40, 30), "jpeg");
    const std::string thumbnail = qtFile(smallPhoto(16, 12), "jpeg");
    seed("exif", "thumbnail",
         testsupport::withApp1(jpeg, testsupport::exifWithThumbnail(thumbnail)));
    seed("exif", "orientation",
         testsupport::withApp1(jpeg, testsupport::exifPayload({{0x0112, 3, 1, 6}}, {}, {})));

    const QImage photo = smallPhoto(9, 5);
    seed("image_headers", "jpeg", jpeg);
    seed("image_headers", "png", qtFile(photo, "png"));
    seed("image_headers", "gif", codecs::encodeGif(testsupport::pattern24(9, 5)));
    seed("image_headers", "tiff", qtFile(photo, "tiff"));
    seed("image_headers", "ico", qtFile(photo, "ico"));
    seed("image_headers", "wbmp", qtFile(photo.convertToFormat(QImage::Format_Mono), "wbmp"));
    seed("image_headers", "pbm", qtFile(photo.convertToFormat(QImage::Format_Mono), "pbm"));
    seed("image_headers", "pgm", qtFile(photo.convertToFormat(QImage::Format_Grayscale8), "pgm"));
    seed("image_headers", "ppm", qtFile(photo, "ppm"));
}

void documentSeeds() {
    // A length-prefixed string: one byte of length, or 0xFF and two bytes, or 0xFF 0xFFFF and
    // four bytes.
    const std::string path = "\n/home/user/Pictures/trip/img_0001.jpg\n";
    seed("archive", "short", char(path.size()) + path);
    const std::string longPath = "\n/" + std::string(300, 'a') + ".jpg\n";
    seed("archive", "long",
         bytes({0xFF, int(longPath.size() & 0xFF), int(longPath.size() >> 8)}) + longPath);
    seed("archive", "empty", bytes({0}));

    seed("settings", "installed",
         "[Quillax]\nLocation=/home/user/.local/opt/Quillax/\nMEditor=PageMontager\n");
    seed("settings", "quoted", "[Quillax]\nLocation=\"/home/user/My Photos/\"\n; a comment\n");
    seed("settings", "other-group", "[General]\nx=1\n[Quillax]\nMEditor=\n");

    const std::string prefix =
        "Trip\r\n5\r\n0\r\n993\r\n1404\r\n1\r\n1\r\n100,70\r\nprefix end \r\n";
    const std::string photo = "1\r\n0\r\nTrip0.bmp\r\n10,10\r\n496,372\r\n0,0,0\r\n-1\r\n"
                              "0,0,0\r\n0\r\n0\r\nsection end \r\n";
    const std::string caption = "0\r\n0\r\nArial,Hello, world\r\n12,500\r\n472,94\r\n255,0,0\r\n"
                                "36\r\n18,114,231\r\n6\r\n1\r\nextra line\r\nsection end \r\n";
    seed("project", "photo-and-caption", prefix + photo + caption);
    seed("project", "user-size", "Album\n14\n1\n1020\n1320\n0\n0\n3,2\nprefix end \n" + caption);
    seed("project", "cut-short", prefix + caption.substr(0, 40));
    seed("project", "no-prefix-end", "x\n1\n2\n3\n4\n5\n6\n7,8\nnot the end\n" + caption);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS-FOLDER\n", argv[0]);
        return 2;
    }
    root = argv[1];
    bmpSeeds();
    codecSeeds();
    exifAndHeaderSeeds();
    documentSeeds();
    return 0;
}
