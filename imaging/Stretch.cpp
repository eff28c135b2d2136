#include "imaging/Resampling.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace imaging {

DibImage stretchNearest(const DibImage& source, int newWidth, int newHeight) {
    DibImage out;
    if (source.isEmpty() || source.bitsPerPixel() < 8 || newWidth <= 0 || newHeight <= 0)
        return out;
    const BitMasks m = source.masks();
    if (!out.create(newWidth, newHeight, source.bitsPerPixel(), source.compression(),
                    source.compression() == kBitFields ? &m : nullptr))
        return out;
    if (source.bitsPerPixel() == 8) {
        RgbQuad table[256];
        source.readColourTable(0, 256, table);
        out.writeColourTable(0, 256, table);
    }
    const size_t bpp = size_t(source.bitsPerPixel() / 8);
    auto columnOffset = std::vector<size_t>(size_t(newWidth));
    for (int x = 0; x < newWidth; ++x)
        columnOffset[size_t(x)] = size_t(int64_t(x) * source.width() / newWidth) * bpp;
    for (int y = 0; y < newHeight; ++y) {
        const uint8_t* s = source.row(int(int64_t(y) * source.height() / newHeight));
        uint8_t* d = out.row(y);
        for (int x = 0; x < newWidth; ++x, d += bpp)
            std::memcpy(d, s + columnOffset[size_t(x)], bpp);
    }
    return out;
}

namespace {

// Bilinear weights in 1/256 steps for one axis, sampling at pixel centres.
struct Tap {
    int i0;
    int i1;
    int w1; // weight of i1, 0..256
};
std::vector<Tap> tapsFor(int from, int to) {
    auto taps = std::vector<Tap>(size_t(to));
    for (int i = 0; i < to; ++i) {
        const double pos = std::max(0.0, (i + 0.5) * from / to - 0.5);
        const int i0 = std::min(int(pos), from - 1);
        const int i1 = std::min(i0 + 1, from - 1);
        taps[size_t(i)] = {i0, i1, int((pos - i0) * 256.0 + 0.5)};
    }
    return taps;
}

} // namespace

DibImage stretchHalftone(const DibImage& source, int newWidth, int newHeight) {
    if (source.isEmpty() || newWidth <= 0 || newHeight <= 0)
        return {};
    if (newWidth <= source.width() && newHeight <= source.height())
        return reduceBitmap(source, newWidth, newHeight);
    DibImage converted;
    const DibImage* src = &as24Bits(source, converted);
    DibImage out;
    if (!out.create(newWidth, newHeight, 24))
        return out;
    const std::vector<Tap> xs = tapsFor(src->width(), newWidth);
    const std::vector<Tap> ys = tapsFor(src->height(), newHeight);
    for (int y = 0; y < newHeight; ++y) {
        const Tap ty = ys[size_t(y)];
        const uint8_t* r0 = src->row(ty.i0);
        const uint8_t* r1 = src->row(ty.i1);
        uint8_t* d = out.row(y);
        for (int x = 0; x < newWidth; ++x, d += 3) {
            const Tap tx = xs[size_t(x)];
            const uint8_t* a = r0 + tx.i0 * 3;
            const uint8_t* b = r0 + tx.i1 * 3;
            const uint8_t* c = r1 + tx.i0 * 3;
            const uint8_t* e = r1 + tx.i1 * 3;
            for (int k = 0; k < 3; ++k) {
                const int top = a[k] * (256 - tx.w1) + b[k] * tx.w1;
                const int bottom = c[k] * (256 - tx.w1) + e[k] * tx.w1;
                d[k] = uint8_t((top * (256 - ty.w1) + bottom * ty.w1 + 32768) >> 16);
            }
        }
    }
    return out;
}

void stretchKeyed(DibImage& destination, const DibImage& source, PixelRect target, ColorRef key) {
    if (destination.isEmpty() || source.isEmpty() || destination.bitsPerPixel() != 24 ||
        target.isEmpty())
        return;
    DibImage converted;
    const DibImage* src = &as24Bits(source, converted);
    const uint8_t kb = blueOf(key), kg = greenOf(key), kr = redOf(key);
    const int left = std::max(target.left, 0);
    const int top = std::max(target.top, 0);
    const int right = std::min(target.right, destination.width());
    const int bottom = std::min(target.bottom, destination.height());
    for (int y = top; y < bottom; ++y) {
        const uint8_t* s = src->row(int(int64_t(y - target.top) * src->height() / target.height()));
        uint8_t* d = destination.row(y) + size_t(left) * 3;
        for (int x = left; x < right; ++x, d += 3) {
            const uint8_t* p = s + int64_t(x - target.left) * src->width() / target.width() * 3;
            if (p[0] == kb && p[1] == kg && p[2] == kr)
                continue;
            d[0] = p[0];
            d[1] = p[1];
            d[2] = p[2];
        }
    }
}

const DibImage& as24Bits(const DibImage& picture, DibImage& holder) {
    if (picture.bitsPerPixel() == 24)
        return picture;
    holder = picture;
    holder.toDepth24();
    return holder;
}

void fill(DibImage& image, ColorRef colour) {
    if (image.isEmpty() || image.bitsPerPixel() < 24)
        return;
    const int bpp = image.bitsPerPixel() / 8;
    const uint8_t px[4] = {blueOf(colour), greenOf(colour), redOf(colour), 0};
    for (int y = 0; y < image.height(); ++y) {
        uint8_t* d = image.row(y);
        if (y > 0) {
            std::memcpy(d, image.row(0), size_t(image.width()) * size_t(bpp));
            continue;
        }
        for (int x = 0; x < image.width(); ++x, d += bpp)
            std::memcpy(d, px, size_t(bpp));
    }
}

} // namespace imaging
