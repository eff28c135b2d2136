#include "shared/codecs/SunRasterCodec.h"

#include <cstring>
#include <vector>

namespace codecs {

namespace {

constexpr uint32_t kMagic = 0x59A66A95;
constexpr uint32_t kEncoded = 2;
constexpr uint32_t kRgbOrder = 3;

struct RasHeader {
    int width = 0;
    int height = 0;
    int depth = 0;
    uint32_t type = 0;
    uint32_t mapType = 0;
    uint32_t mapLength = 0;
};

std::optional<RasHeader> readHeader(ByteReader& r) {
    if (r.u32be() != kMagic)
        return std::nullopt;
    RasHeader h;
    h.width = int(r.u32be() & 0x7FFFFFFF);
    h.height = int(r.u32be() & 0x7FFFFFFF);
    h.depth = int(r.u32be());
    r.u32be(); // length, often 0
    h.type = r.u32be();
    h.mapType = r.u32be();
    h.mapLength = r.u32be();
    if (r.failed() || !isSaneSize(h.width, h.height) || h.type > kRgbOrder || h.mapType > 1)
        return std::nullopt;
    if (h.depth != 1 && h.depth != 8 && h.depth != 24 && h.depth != 32)
        return std::nullopt;
    return h;
}

// Expands the 0x80 escapes of encoded data: 0x80 0 is one 0x80, 0x80 n v is n + 1 copies of v.
bool unpack(std::span<const uint8_t> data, std::vector<uint8_t>& out) {
    size_t i = 0, o = 0;
    while (o < out.size()) {
        if (i >= data.size())
            return false;
        const uint8_t b = data[i++];
        if (b != 0x80) {
            out[o++] = b;
            continue;
        }
        if (i >= data.size())
            return false;
        const size_t n = data[i++];
        if (n == 0) {
            out[o++] = 0x80;
            continue;
        }
        if (i >= data.size())
            return false;
        const uint8_t v = data[i++];
        for (size_t k = 0; k <= n && o < out.size(); ++k)
            out[o++] = v;
    }
    return true;
}

} // namespace

std::optional<ImageHeader> peekSunRaster(std::span<const uint8_t> bytes) {
    ByteReader r(bytes);
    const auto h = readHeader(r);
    if (!h)
        return std::nullopt;
    return ImageHeader{h->width, h->height, h->depth == 32 ? 24 : h->depth};
}

std::optional<imaging::DibImage> decodeSunRaster(std::span<const uint8_t> bytes) {
    ByteReader r(bytes);
    const auto h = readHeader(r);
    if (!h)
        return std::nullopt;
    const auto map = r.take(h->mapLength);
    if (r.failed())
        return std::nullopt;

    // Rows are padded to 16 bits.
    const size_t rowBytes = ((size_t(h->width) * size_t(h->depth) + 15) / 16) * 2;
    const size_t total = rowBytes * size_t(h->height);
    const auto data = r.rest();
    if (h->type == kEncoded ? total > data.size() * 128 : total > data.size())
        return std::nullopt;
    std::vector<uint8_t> raw(total);
    if (h->type == kEncoded) {
        if (!unpack(data, raw))
            return std::nullopt;
    } else {
        std::memcpy(raw.data(), data.data(), total);
    }

    imaging::DibImage image;
    const bool palette = h->depth <= 8;
    if (!image.create(h->width, h->height, palette ? h->depth : 24))
        return std::nullopt;
    if (palette) {
        const int entries = 1 << h->depth;
        auto table = std::vector<imaging::RgbQuad>(size_t(entries));
        const size_t mapEntries = h->mapType == 1 ? h->mapLength / 3 : 0;
        for (int i = 0; i < entries; ++i) {
            if (size_t(i) < mapEntries) {
                table[size_t(i)] = {map[2 * mapEntries + size_t(i)], map[mapEntries + size_t(i)],
                                    map[size_t(i)], 0};
            } else if (h->depth == 1) {
                const uint8_t v = i == 0 ? 255 : 0; // bit set is black
                table[size_t(i)] = {v, v, v, 0};
            } else {
                table[size_t(i)] = {uint8_t(i), uint8_t(i), uint8_t(i), 0};
            }
        }
        image.writeColourTable(0, entries, table.data());
    }
    const bool rgb = h->type == kRgbOrder;
    for (int y = 0; y < h->height; ++y) {
        const uint8_t* s = raw.data() + size_t(y) * rowBytes;
        uint8_t* d = image.row(y);
        if (palette) {
            std::memcpy(d, s, std::min(rowBytes, size_t(image.stride())));
            continue;
        }
        const int step = h->depth / 8;
        for (int x = 0; x < h->width; ++x, s += step, d += 3) {
            const uint8_t* p = h->depth == 32 ? s + 1 : s; // skip the pad byte of XBGR
            d[0] = rgb ? p[2] : p[0];
            d[1] = p[1];
            d[2] = rgb ? p[0] : p[2];
        }
    }
    return image;
}

} // namespace codecs
