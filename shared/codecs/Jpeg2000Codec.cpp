#include "shared/codecs/Jpeg2000Codec.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <openjpeg.h>
#include <optional>

namespace codecs {

namespace {

struct Source {
    std::span<const uint8_t> bytes;
    size_t pos = 0;
};

OPJ_SIZE_T readSource(void* buffer, OPJ_SIZE_T size, void* user) {
    auto* s = static_cast<Source*>(user);
    const size_t n = std::min<size_t>(size, s->bytes.size() - s->pos);
    if (n == 0)
        return OPJ_SIZE_T(-1);
    std::memcpy(buffer, s->bytes.data() + s->pos, n);
    s->pos += n;
    return n;
}
OPJ_OFF_T skipSource(OPJ_OFF_T n, void* user) {
    auto* s = static_cast<Source*>(user);
    if (n < 0 || size_t(n) > s->bytes.size() - s->pos)
        return -1;
    s->pos += size_t(n);
    return n;
}
OPJ_BOOL seekSource(OPJ_OFF_T at, void* user) {
    auto* s = static_cast<Source*>(user);
    if (at < 0 || size_t(at) > s->bytes.size())
        return OPJ_FALSE;
    s->pos = size_t(at);
    return OPJ_TRUE;
}
void quiet(const char*, void*) {
}

struct Decoder {
    Source source;
    opj_stream_t* stream = nullptr;
    opj_codec_t* codec = nullptr;
    opj_image_t* image = nullptr;
    ~Decoder() {
        if (image)
            opj_image_destroy(image);
        if (codec)
            opj_destroy_codec(codec);
        if (stream)
            opj_stream_destroy(stream);
    }
};

bool isCodeStream(std::span<const uint8_t> b) {
    return b.size() >= 4 && b[0] == 0xFF && b[1] == 0x4F && b[2] == 0xFF && b[3] == 0x51;
}
bool isJp2(std::span<const uint8_t> b) {
    static const uint8_t signature[] = {0, 0, 0, 0x0C, 'j', 'P', ' ', ' ', 0x0D, 0x0A, 0x87, 0x0A};
    return b.size() >= sizeof signature && std::memcmp(b.data(), signature, sizeof signature) == 0;
}

// OpenJPEG sets up state for every tile while it reads the header: a 266-byte code stream
// that cut 4117 x 2304 pixels into 21 x 9 tiles took 600 MB and seconds before a pixel was
// decoded. Pictures are cut into a few large tiles; thousands are no picture anyone made, so
// the tile count is read from the SIZ marker before OpenJPEG sees the bytes.
constexpr int64_t kMaxTiles = 4096;

// Where the code stream starts: at once for a raw one, in the 'jp2c' box of a JP2 file.
std::optional<size_t> codeStreamStart(std::span<const uint8_t> bytes) {
    if (isCodeStream(bytes))
        return 0;
    ByteReader in(bytes);
    while (in.remaining() >= 8) {
        const size_t at = in.position();
        uint64_t length = in.u32be();
        const uint32_t type = in.u32be();
        size_t header = 8;
        if (length == 1) {
            length = (uint64_t(in.u32be()) << 32) | in.u32be();
            header = 16;
        }
        if (in.failed())
            return std::nullopt;
        if (type == 0x6A703263) // 'jp2c'
            return at + header;
        if (length < header || length > in.remaining() + header || !in.seek(at + length))
            return std::nullopt;
    }
    return std::nullopt;
}

// The number of tiles the SIZ marker asks for; nothing when it cannot be read.
std::optional<int64_t> tileCount(std::span<const uint8_t> bytes) {
    const auto start = codeStreamStart(bytes);
    if (!start)
        return std::nullopt;
    ByteReader in(bytes);
    if (!in.seek(*start) || in.u16be() != 0xFF4F || in.u16be() != 0xFF51)
        return std::nullopt;
    in.skip(4); // Lsiz, Rsiz
    const int64_t width = in.u32be(), height = in.u32be();
    in.skip(8); // image offset
    const int64_t tileWidth = in.u32be(), tileHeight = in.u32be();
    const int64_t tileLeft = in.u32be(), tileTop = in.u32be();
    if (in.failed() || tileWidth == 0 || tileHeight == 0 || width <= tileLeft || height <= tileTop)
        return std::nullopt;
    return ((width - tileLeft + tileWidth - 1) / tileWidth) *
           ((height - tileTop + tileHeight - 1) / tileHeight);
}

// Opens the stream and reads the header; nothing when the bytes are no JPEG 2000 at all.
std::unique_ptr<Decoder> open(std::span<const uint8_t> bytes) {
    const bool j2k = isCodeStream(bytes);
    if (!j2k && !isJp2(bytes))
        return nullptr;
    const auto tiles = tileCount(bytes);
    if (!tiles || *tiles > kMaxTiles)
        return nullptr;
    auto d = std::make_unique<Decoder>();
    d->source.bytes = bytes;
    d->stream = opj_stream_create(64 * 1024, OPJ_TRUE);
    if (!d->stream)
        return nullptr;
    opj_stream_set_user_data(d->stream, &d->source, nullptr);
    opj_stream_set_user_data_length(d->stream, bytes.size());
    opj_stream_set_read_function(d->stream, readSource);
    opj_stream_set_skip_function(d->stream, skipSource);
    opj_stream_set_seek_function(d->stream, seekSource);
    d->codec = opj_create_decompress(j2k ? OPJ_CODEC_J2K : OPJ_CODEC_JP2);
    if (!d->codec)
        return nullptr;
    opj_set_info_handler(d->codec, quiet, nullptr);
    opj_set_warning_handler(d->codec, quiet, nullptr);
    opj_set_error_handler(d->codec, quiet, nullptr);
    opj_dparameters_t parameters;
    opj_set_default_decoder_parameters(&parameters);
    if (!opj_setup_decoder(d->codec, &parameters) ||
        !opj_read_header(d->stream, d->codec, &d->image) || !d->image)
        return nullptr;
    const int64_t w = int64_t(d->image->x1) - d->image->x0;
    const int64_t h = int64_t(d->image->y1) - d->image->y0;
    // OpenJPEG keeps every component as 32-bit samples: cap the picture at 64 megapixels so a
    // forged header cannot ask for gigabytes.
    if (!isSaneSize(w, h) || w * h > (int64_t(1) << 26) || d->image->numcomps == 0 ||
        d->image->numcomps > 4)
        return nullptr;
    return d;
}

uint8_t sample(const opj_image_comp_t& c, int x, int y) {
    const int cx = std::min<int>(x / int(std::max<OPJ_UINT32>(c.dx, 1)), int(c.w) - 1);
    const int cy = std::min<int>(y / int(std::max<OPJ_UINT32>(c.dy, 1)), int(c.h) - 1);
    int v = c.data[size_t(cy) * c.w + size_t(cx)];
    if (c.sgnd)
        v += 1 << (c.prec - 1);
    if (c.prec > 8)
        v >>= (c.prec - 8);
    else if (c.prec < 8)
        v = v * 255 / ((1 << c.prec) - 1);
    return uint8_t(std::clamp(v, 0, 255));
}

} // namespace

std::optional<ImageHeader> peekJpeg2000(std::span<const uint8_t> bytes) {
    const auto d = open(bytes);
    if (!d)
        return std::nullopt;
    const int w = int(d->image->x1 - d->image->x0);
    const int h = int(d->image->y1 - d->image->y0);
    const int bits = d->image->numcomps >= 3 ? 24 : (d->image->comps[0].prec > 8 ? 16 : 8);
    return ImageHeader{w, h, bits};
}

std::optional<imaging::DibImage> decodeJpeg2000(std::span<const uint8_t> bytes) {
    const auto d = open(bytes);
    if (!d)
        return std::nullopt;
    if (!opj_decode(d->codec, d->stream, d->image) || !opj_end_decompress(d->codec, d->stream))
        return std::nullopt;
    const opj_image_t& img = *d->image;
    const int w = int(img.x1 - img.x0);
    const int h = int(img.y1 - img.y0);
    for (OPJ_UINT32 i = 0; i < std::min<OPJ_UINT32>(img.numcomps, 3); ++i) {
        const opj_image_comp_t& c = img.comps[i];
        if (!c.data || c.w == 0 || c.h == 0 || c.prec == 0 || c.prec > 31)
            return std::nullopt;
    }
    imaging::DibImage image;
    const bool grey = img.numcomps < 3;
    if (!image.create(w, h, grey ? 8 : 24))
        return std::nullopt;
    if (grey) {
        imaging::RgbQuad table[256];
        for (int i = 0; i < 256; ++i)
            table[i] = {uint8_t(i), uint8_t(i), uint8_t(i), 0};
        image.writeColourTable(0, 256, table);
    }
    for (int y = 0; y < h; ++y) {
        uint8_t* p = image.row(y);
        for (int x = 0; x < w; ++x) {
            if (grey) {
                p[x] = sample(img.comps[0], x, y);
            } else {
                p[x * 3 + 2] = sample(img.comps[0], x, y);
                p[x * 3 + 1] = sample(img.comps[1], x, y);
                p[x * 3 + 0] = sample(img.comps[2], x, y);
            }
        }
    }
    return image;
}

} // namespace codecs
