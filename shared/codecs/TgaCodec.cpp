#include "shared/codecs/TgaCodec.h"

#include <cstring>
#include <vector>

namespace codecs {

namespace {

struct TgaHeader {
    int idLength = 0;
    int mapType = 0;
    int imageType = 0;
    int mapFirst = 0;
    int mapLength = 0;
    int mapEntryBits = 0;
    int width = 0;
    int height = 0;
    int depth = 0;
    int descriptor = 0;

    bool rle() const { return imageType >= 9; }
    int baseType() const { return imageType & 7; }
};

std::optional<TgaHeader> readHeader(std::span<const uint8_t> bytes) {
    ByteReader r(bytes);
    TgaHeader h;
    h.idLength = r.u8();
    h.mapType = r.u8();
    h.imageType = r.u8();
    h.mapFirst = r.u16le();
    h.mapLength = r.u16le();
    h.mapEntryBits = r.u8();
    r.skip(4);
    h.width = r.u16le();
    h.height = r.u16le();
    h.depth = r.u8();
    h.descriptor = r.u8();
    if (r.failed() || h.mapType > 1 || !isSaneSize(h.width, h.height))
        return std::nullopt;
    // A colour map may come with any kind of picture; its entries must still be a size we read.
    const bool knownEntry = h.mapEntryBits == 15 || h.mapEntryBits == 16 || h.mapEntryBits == 24 ||
                            h.mapEntryBits == 32;
    if (h.mapType == 1 && !knownEntry)
        return std::nullopt;
    switch (h.imageType) {
    case 1:
    case 9:
        if (h.mapType != 1 || (h.depth != 8 && h.depth != 16))
            return std::nullopt;
        break;
    case 2:
    case 10:
        if (h.depth != 15 && h.depth != 16 && h.depth != 24 && h.depth != 32)
            return std::nullopt;
        break;
    case 3:
    case 11:
        if (h.depth != 8 && h.depth != 16)
            return std::nullopt;
        break;
    default:
        return std::nullopt;
    }
    return h;
}

int reportedDepth(const TgaHeader& h) {
    if (h.baseType() == 1 || h.baseType() == 3)
        return 8;
    return (h.depth == 15 || h.depth == 16) ? 16 : 24;
}

// BGRA of one stored value of `bits` bits.
void toBgra(const uint8_t* p, int bits, uint8_t* out) {
    if (bits == 15 || bits == 16) {
        const int v = p[0] | (p[1] << 8);
        out[0] = uint8_t((v & 0x1F) << 3);
        out[1] = uint8_t(((v >> 5) & 0x1F) << 3);
        out[2] = uint8_t(((v >> 10) & 0x1F) << 3);
        out[3] = 255;
    } else if (bits == 24) {
        out[0] = p[0];
        out[1] = p[1];
        out[2] = p[2];
        out[3] = 255;
    } else if (bits == 32) {
        std::memcpy(out, p, 4);
    } else { // 8-bit grey
        out[0] = out[1] = out[2] = p[0];
        out[3] = 255;
    }
}

} // namespace

std::optional<ImageHeader> peekTga(std::span<const uint8_t> bytes) {
    const auto h = readHeader(bytes);
    if (!h)
        return std::nullopt;
    return ImageHeader{h->width, h->height, reportedDepth(*h)};
}

std::optional<DecodedPicture> decodeTga(std::span<const uint8_t> bytes) {
    const auto h = readHeader(bytes);
    if (!h)
        return std::nullopt;
    ByteReader r(bytes);
    r.seek(18 + size_t(h->idLength));

    // The colour map, as BGRA entries.
    std::vector<uint8_t> map;
    if (h->mapType == 1) {
        const int entryBytes = (h->mapEntryBits + 7) / 8;
        const auto raw = r.take(size_t(h->mapLength) * size_t(entryBytes));
        if (r.failed())
            return std::nullopt;
        map.resize(size_t(h->mapLength) * 4);
        for (int i = 0; i < h->mapLength; ++i)
            toBgra(raw.data() + i * entryBytes, h->mapEntryBits, map.data() + i * 4);
    }

    const int pixelBytes = (h->depth + 7) / 8;
    const size_t count = size_t(h->width) * size_t(h->height);
    // A packet of 1 + pixelBytes bytes gives at most 128 pixels.
    if (h->rle() ? count > r.remaining() * 128 : count * size_t(pixelBytes) > r.remaining())
        return std::nullopt;
    std::vector<uint8_t> raw(count * size_t(pixelBytes));
    if (!h->rle()) {
        std::memcpy(raw.data(), r.take(raw.size()).data(), raw.size());
    } else {
        size_t o = 0;
        while (o < raw.size()) {
            const int packet = r.u8();
            const size_t n = size_t((packet & 0x7F) + 1) * size_t(pixelBytes);
            if (r.failed() || o + n > raw.size() + 127 * size_t(pixelBytes))
                return std::nullopt;
            const size_t fit = std::min(n, raw.size() - o);
            if (packet & 0x80) {
                const auto value = r.take(size_t(pixelBytes));
                if (r.failed())
                    return std::nullopt;
                for (size_t k = 0; k < fit; k += size_t(pixelBytes))
                    std::memcpy(raw.data() + o + k, value.data(), size_t(pixelBytes));
            } else {
                const auto values = r.take(n);
                if (r.failed())
                    return std::nullopt;
                std::memcpy(raw.data() + o, values.data(), fit);
            }
            o += fit;
        }
    }

    DecodedPicture out;
    const int alphaBits = h->descriptor & 0x0F;
    out.hasAlpha = h->depth == 32 && alphaBits > 0 && h->baseType() == 2;
    if (!out.image.create(h->width, h->height, out.hasAlpha ? 32 : 24))
        return std::nullopt;
    const bool topDown = h->descriptor & 0x20;
    const bool rightToLeft = h->descriptor & 0x10;
    const int outBytes = out.hasAlpha ? 4 : 3;
    for (int fy = 0; fy < h->height; ++fy) {
        uint8_t* d = out.image.row(topDown ? fy : h->height - 1 - fy);
        const uint8_t* s = raw.data() + size_t(fy) * size_t(h->width) * size_t(pixelBytes);
        for (int fx = 0; fx < h->width; ++fx, s += pixelBytes) {
            const int x = rightToLeft ? h->width - 1 - fx : fx;
            uint8_t bgra[4];
            if (h->baseType() == 1) {
                const int index = (pixelBytes == 1 ? s[0] : s[0] | (s[1] << 8)) - h->mapFirst;
                if (index >= 0 && index < h->mapLength)
                    std::memcpy(bgra, map.data() + index * 4, 4);
                else
                    std::memset(bgra, 0, 4);
            } else if (h->baseType() == 3) {
                toBgra(pixelBytes == 2 ? s + 1 : s, 8, bgra); // 16-bit grey: keep the high byte
            } else {
                toBgra(s, h->depth, bgra);
            }
            std::memcpy(d + x * outBytes, bgra, size_t(outBytes));
        }
    }
    return out;
}

std::string encodeTga(const imaging::DibImage& source) {
    if (source.isEmpty())
        return {};
    imaging::DibImage image(source);
    image.toDepth24();
    std::string out(18, '\0');
    out[2] = 10;
    out[12] = char(image.width() & 0xFF);
    out[13] = char(image.width() >> 8);
    out[14] = char(image.height() & 0xFF);
    out[15] = char(image.height() >> 8);
    out[16] = 24;
    out[17] = 0x20; // top row first
    for (int y = 0; y < image.height(); ++y) {
        const uint8_t* row = image.row(y);
        int x = 0;
        const int w = image.width();
        while (x < w) {
            // A run of equal pixels, or a stretch of differing ones, at most 128 each.
            int run = 1;
            while (x + run < w && run < 128 &&
                   std::memcmp(row + (x + run) * 3, row + x * 3, 3) == 0)
                ++run;
            if (run > 1) {
                out.push_back(char(0x80 | (run - 1)));
                out.append(reinterpret_cast<const char*>(row + x * 3), 3);
                x += run;
                continue;
            }
            int raw = 1;
            while (x + raw < w && raw < 128 &&
                   !(x + raw + 1 < w &&
                     std::memcmp(row + (x + raw) * 3, row + (x + raw + 1) * 3, 3) == 0))
                ++raw;
            out.push_back(char(raw - 1));
            out.append(reinterpret_cast<const char*>(row + x * 3), size_t(raw) * 3);
            x += raw;
        }
    }
    // The version-2 footer: no extension or developer area.
    out.append(8, '\0');
    out.append("TRUEVISION-XFILE.");
    out.push_back('\0');
    return out;
}

} // namespace codecs
