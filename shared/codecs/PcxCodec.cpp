#include "shared/codecs/PcxCodec.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace codecs {

namespace {

struct PcxHeader {
    int bitsPerPlane = 0;
    int planes = 0;
    int bytesPerLine = 0;
    int width = 0;
    int height = 0;
    std::span<const uint8_t> egaPalette;
};

std::optional<PcxHeader> readHeader(std::span<const uint8_t> bytes) {
    ByteReader r(bytes);
    if (r.u8() != 0x0A)
        return std::nullopt;
    r.u8(); // version
    const int encoding = r.u8();
    PcxHeader h;
    h.bitsPerPlane = r.u8();
    const int xmin = r.u16le(), ymin = r.u16le(), xmax = r.u16le(), ymax = r.u16le();
    r.skip(4); // resolution
    h.egaPalette = r.take(48);
    r.u8();
    h.planes = r.u8();
    h.bytesPerLine = r.u16le();
    if (r.failed() || bytes.size() < 128 || encoding > 1 || xmax < xmin || ymax < ymin)
        return std::nullopt;
    h.width = xmax - xmin + 1;
    h.height = ymax - ymin + 1;
    const bool known =
        (h.bitsPerPlane == 1 && (h.planes == 1 || h.planes == 4)) ||
        (h.planes == 1 && (h.bitsPerPlane == 2 || h.bitsPerPlane == 4 || h.bitsPerPlane == 8)) ||
        (h.bitsPerPlane == 8 && (h.planes == 3 || h.planes == 4));
    if (!known || !isSaneSize(h.width, h.height) ||
        int64_t(h.bytesPerLine) * 8 < int64_t(h.width) * h.bitsPerPlane)
        return std::nullopt;
    return h;
}

int reportedDepth(const PcxHeader& h) {
    const int depth = h.bitsPerPlane * h.planes;
    if (depth == 1)
        return 1;
    if (depth <= 4)
        return 4;
    if (depth == 8)
        return 8;
    return 24;
}

// Unpacks every scan line (all planes) into one buffer; false when the data runs out.
bool unpack(std::span<const uint8_t> data, std::vector<uint8_t>& out) {
    size_t i = 0;
    size_t o = 0;
    while (o < out.size()) {
        if (i >= data.size())
            return false;
        uint8_t b = data[i++];
        if ((b & 0xC0) == 0xC0) {
            const size_t count = b & 0x3F;
            if (i >= data.size())
                return false;
            b = data[i++];
            const size_t n = std::min(count, out.size() - o);
            std::memset(out.data() + o, b, n);
            o += n;
        } else {
            out[o++] = b;
        }
    }
    return true;
}

} // namespace

std::optional<ImageHeader> peekPcx(std::span<const uint8_t> bytes) {
    const auto h = readHeader(bytes);
    if (!h)
        return std::nullopt;
    return ImageHeader{h->width, h->height, reportedDepth(*h)};
}

std::optional<imaging::DibImage> decodePcx(std::span<const uint8_t> bytes) {
    const auto h = readHeader(bytes);
    if (!h)
        return std::nullopt;
    const size_t lineBytes = size_t(h->bytesPerLine) * size_t(h->planes);
    // A run of two bytes gives at most 63 bytes: refuse data that cannot fill the picture.
    if (lineBytes * size_t(h->height) > (bytes.size() - 128) * 63)
        return std::nullopt;
    std::vector<uint8_t> raw(lineBytes * size_t(h->height));
    if (!unpack(bytes.subspan(128), raw))
        return std::nullopt;

    imaging::DibImage image;
    const int w = h->width;
    if (h->bitsPerPlane == 8 && h->planes >= 3) {
        if (!image.create(w, h->height, 24))
            return std::nullopt;
        for (int y = 0; y < h->height; ++y) {
            const uint8_t* line = raw.data() + size_t(y) * lineBytes;
            uint8_t* d = image.row(y);
            for (int x = 0; x < w; ++x) {
                d[x * 3 + 2] = line[x];
                d[x * 3 + 1] = line[h->bytesPerLine + x];
                d[x * 3 + 0] = line[2 * h->bytesPerLine + x];
            }
        }
        return image;
    }

    const int depth = reportedDepth(*h);
    if (!image.create(w, h->height, depth))
        return std::nullopt;
    imaging::RgbQuad table[256] = {};
    if (depth == 8) {
        // The 256-colour palette follows a 0x0C marker at the very end; without it, greys.
        const bool hasPalette = bytes.size() >= 128 + 769 && bytes[bytes.size() - 769] == 0x0C;
        for (int i = 0; i < 256; ++i) {
            if (hasPalette) {
                const uint8_t* p = bytes.data() + bytes.size() - 768 + i * 3;
                table[i] = {p[2], p[1], p[0], 0};
            } else {
                table[i] = {uint8_t(i), uint8_t(i), uint8_t(i), 0};
            }
        }
        image.writeColourTable(0, 256, table);
    } else if (depth == 1 && h->planes == 1) {
        table[0] = {0, 0, 0, 0};
        table[1] = {255, 255, 255, 0};
        image.writeColourTable(0, 2, table);
    } else {
        for (int i = 0; i < 16; ++i)
            table[i] = {h->egaPalette[size_t(i * 3 + 2)], h->egaPalette[size_t(i * 3 + 1)],
                        h->egaPalette[size_t(i * 3)], 0};
        image.writeColourTable(0, 16, table);
    }

    for (int y = 0; y < h->height; ++y) {
        const uint8_t* line = raw.data() + size_t(y) * lineBytes;
        uint8_t* d = image.row(y);
        if (depth == 8 || depth == 1) {
            std::memcpy(
                d, line,
                size_t(image.stride() < h->bytesPerLine ? image.stride() : h->bytesPerLine));
            continue;
        }
        for (int x = 0; x < w; ++x) {
            int index = 0;
            if (h->planes == 4) { // one bit from each plane
                for (int p = 0; p < 4; ++p)
                    index |= ((line[size_t(p * h->bytesPerLine + x / 8)] >> (7 - x % 8)) & 1) << p;
            } else if (h->bitsPerPlane == 4) {
                index = (x % 2 == 0) ? line[x / 2] >> 4 : line[x / 2] & 0x0F;
            } else { // 2 bits per pixel
                index = (line[x / 4] >> (6 - 2 * (x % 4))) & 3;
            }
            uint8_t& byte = d[x / 2];
            byte = (x % 2 == 0) ? uint8_t((byte & 0x0F) | (index << 4))
                                : uint8_t((byte & 0xF0) | index);
        }
    }
    return image;
}

namespace {

void putRun(std::string& out, const uint8_t* line, size_t n) {
    size_t i = 0;
    while (i < n) {
        const uint8_t b = line[i];
        size_t run = 1;
        while (i + run < n && run < 63 && line[i + run] == b)
            ++run;
        if (run > 1 || (b & 0xC0) == 0xC0)
            out.push_back(char(0xC0 | run));
        out.push_back(char(b));
        i += run;
    }
}

void put16(std::string& out, size_t at, int v) {
    out[at] = char(v & 0xFF);
    out[at + 1] = char((v >> 8) & 0xFF);
}

} // namespace

std::string encodePcx(const imaging::DibImage& source) {
    if (source.isEmpty())
        return {};
    const bool palette = source.bitsPerPixel() == 8;
    imaging::DibImage image(source);
    if (!palette)
        image.toDepth24();
    const int w = image.width();
    const int planes = palette ? 1 : 3;
    const int bytesPerLine = (w + 1) & ~1; // even, as the format asks
    std::string out(128, '\0');
    out[0] = 0x0A;
    out[1] = 5;
    out[2] = 1;
    out[3] = 8;
    put16(out, 8, w - 1);
    put16(out, 10, image.height() - 1);
    put16(out, 12, 72);
    put16(out, 14, 72);
    out[65] = char(planes);
    put16(out, 66, bytesPerLine);
    put16(out, 68, 1);
    std::vector<uint8_t> line(size_t(bytesPerLine) * size_t(planes));
    for (int y = 0; y < image.height(); ++y) {
        const uint8_t* s = image.row(y);
        std::fill(line.begin(), line.end(), 0);
        if (palette) {
            std::memcpy(line.data(), s, size_t(w));
        } else {
            for (int x = 0; x < w; ++x) {
                line[size_t(x)] = s[x * 3 + 2];
                line[size_t(bytesPerLine + x)] = s[x * 3 + 1];
                line[size_t(2 * bytesPerLine + x)] = s[x * 3];
            }
        }
        // Runs never cross planes, so every reader splits them right.
        for (int p = 0; p < planes; ++p)
            putRun(out, line.data() + size_t(p * bytesPerLine), size_t(bytesPerLine));
    }
    if (palette) {
        out.push_back(0x0C);
        imaging::RgbQuad table[256];
        image.readColourTable(0, 256, table);
        for (const imaging::RgbQuad& c : table) {
            out.push_back(char(c.red));
            out.push_back(char(c.green));
            out.push_back(char(c.blue));
        }
    }
    return out;
}

} // namespace codecs
