#include "imaging/ColourAdjustments.h"

#include "imaging/HlsColour.h"

#include <algorithm>
#include <array>
#include <vector>

namespace imaging {

namespace {

using Table = std::array<uint8_t, 256>;

uint8_t clampByte(int v) {
    return uint8_t(std::clamp(v, 0, 255));
}

// change(blue, green, red) on every pixel of a 24- or 32-bit picture, or on the colour table
// of a paletted one, which changes its colours rather than its pixels.
template <typename Change> void changeColours(DibImage& image, Change change) {
    const int depth = image.bitsPerPixel();
    if (depth <= 8) {
        const int entryCount = image.colourTableSize();
        std::vector<RgbQuad> entries(static_cast<size_t>(entryCount));
        image.readColourTable(0, entryCount, entries.data());
        for (RgbQuad& e : entries)
            change(e.blue, e.green, e.red);
        image.writeColourTable(0, entryCount, entries.data());
        return;
    }
    if (depth != 24 && depth != 32)
        return;
    const int step = depth / 8;
    for (int y = 0; y < image.height(); ++y) {
        uint8_t* p = image.row(y);
        uint8_t* const end = p + size_t(image.width()) * size_t(step);
        for (; p != end; p += step)
            change(p[0], p[1], p[2]);
    }
}

// The formulas are per channel, so a lookup table a channel gives their exact results.
void applyTables(DibImage& image, const Table& blue, const Table& green, const Table& red) {
    changeColours(image, [&](uint8_t& b, uint8_t& g, uint8_t& r) {
        b = blue[b];
        g = green[g];
        r = red[r];
    });
}

void applyTable(DibImage& image, const Table& table) {
    applyTables(image, table, table, table);
}

Table offsetTable(int offset) {
    Table t;
    for (int v = 0; v < 256; ++v)
        t[size_t(v)] = offset == 0 ? uint8_t(v) : clampByte(v + offset);
    return t;
}

void hueSaturationOf(uint8_t& blue, uint8_t& green, uint8_t& red, int kh, int ks) {
    Hls hls = rgbToHls(uint32_t(blue) | uint32_t(green) << 8 | uint32_t(red) << 16);
    if (kh != 128)
        hls.hue = kh * hls.hue * 0.0078125;
    if (ks != 128)
        hls.saturation = ks * hls.saturation * 0.0078125;
    const Bgr out = hlsToRgb(hls);
    blue = out.blue;
    green = out.green;
    red = out.red;
}

} // namespace

void brightness(DibImage& image, int percent) {
    const int k = percent * 128 / 100;
    Table t;
    for (int v = 0; v < 256; ++v)
        t[size_t(v)] = uint8_t(std::min(v * k / 128, 255));
    applyTable(image, t);
}

void contrast(DibImage& image, int percent) {
    const int k = percent * 128 / 100;
    Table t;
    for (int v = 0; v < 256; ++v)
        t[size_t(v)] = clampByte((v - 128) * k / 128 + 128);
    applyTable(image, t);
}

void rgbOffsets(DibImage& image, int red, int green, int blue) {
    applyTables(image, offsetTable(blue), offsetTable(green), offsetTable(red));
}

void hueSaturation(DibImage& image, int huePercent, int saturationPercent) {
    const int kh = huePercent * 128 / 100;
    const int ks = saturationPercent * 128 / 100;
    // Pixels of a photo often share their colour with one met shortly before. The result of
    // the exact conversion is kept for the colours met last, so it runs once a colour rather
    // than once a pixel; a small table stays in the cache.
    struct Remembered {
        uint32_t colour = 0xFFFFFFFF; // no colour has the top byte set
        uint8_t blue = 0, green = 0, red = 0;
    };
    std::vector<Remembered> remembered(size_t(1) << 16);
    changeColours(image, [&](uint8_t& b, uint8_t& g, uint8_t& r) {
        const uint32_t colour = uint32_t(b) | uint32_t(g) << 8 | uint32_t(r) << 16;
        Remembered& m = remembered[(colour * 2654435761u) >> 16];
        if (m.colour != colour) {
            m = {colour, b, g, r};
            hueSaturationOf(m.blue, m.green, m.red, kh, ks);
        }
        b = m.blue;
        g = m.green;
        r = m.red;
    });
}

int greyValue(const uint8_t* bgr) {
    return int(0.3 * bgr[0] + 0.59 * bgr[1] + 0.11 * bgr[2]);
}

void shadowOptimize(DibImage& image, int alphaPercent, int brightPercent) {
    if (image.bitsPerPixel() != 32)
        return;
    // What depends on the channel alone, and what on the darkness alone, worked out once.
    Table kept;
    for (int v = 0; v < 256; ++v)
        kept[size_t(v)] = uint8_t(v * (100 - alphaPercent) / 100);
    std::array<int, 256> mix{}, scale{};
    for (int d = 150; d < 256; ++d) {
        mix[size_t(d)] = d * alphaPercent / 100;
        scale[size_t(d)] = d * brightPercent * 256 / 22500;
    }
    for (int y = 0; y < image.height(); ++y) {
        uint8_t* p = image.row(y);
        for (int x = 0; x < image.width(); ++x, p += 4) {
            const int d = 255 - greyValue(p);
            if (d < 150)
                continue;
            for (int c = 0; c < 3; ++c) {
                const int w = kept[p[c]] + mix[size_t(d)];
                p[c] = uint8_t(std::min(w * scale[size_t(d)] / 128, 255));
            }
        }
    }
}

} // namespace imaging
