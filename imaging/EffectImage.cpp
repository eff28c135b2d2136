#include "imaging/EffectImage.h"

#include "imaging/Resampling.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace imaging {

bool EffectImage::extract(DibImage* destination, PixelRect rect) const {
    if (destination == nullptr || destination == this || isEmpty())
        return false;
    const PixelRect clip{std::max(rect.left, 0), std::max(rect.top, 0),
                         std::min(rect.right, width()), std::min(rect.bottom, height())};
    if (clip.isEmpty())
        return false;
    DibImage out;
    if (compression() == kBitFields) {
        const BitMasks m = masks();
        if (!out.create(clip.width(), clip.height(), bitsPerPixel(), kBitFields, &m))
            return false;
    } else if (!out.create(clip.width(), clip.height(), bitsPerPixel())) {
        return false;
    }
    if (bitsPerPixel() <= 8) {
        auto table = std::vector<RgbQuad>(size_t(colourTableSize()));
        readColourTable(0, colourTableSize(), table.data());
        out.writeColourTable(0, int(table.size()), table.data());
    }
    const int bits = bitsPerPixel();
    for (int y = 0; y < clip.height(); ++y) {
        const uint8_t* s = row(clip.top + y);
        uint8_t* d = out.row(y);
        if (bits >= 8) {
            std::memcpy(d, s + size_t(clip.left) * size_t(bits / 8),
                        size_t(clip.width()) * size_t(bits / 8));
        } else {
            // Sub-byte pixels do not start on byte borders: move them one by one.
            const int perByte = 8 / bits;
            const int mask = (1 << bits) - 1;
            for (int x = 0; x < clip.width(); ++x) {
                const int sx = clip.left + x;
                const int v = (s[sx / perByte] >> (8 - bits * (sx % perByte + 1))) & mask;
                const int shift = 8 - bits * (x % perByte + 1);
                d[x / perByte] = uint8_t((d[x / perByte] & ~(mask << shift)) | (v << shift));
            }
        }
    }
    *destination = std::move(out);
    return true;
}

void EffectImage::paste(const DibImage& source, int x, int y) {
    if (isEmpty() || source.isEmpty() || source.bitsPerPixel() != bitsPerPixel() ||
        bitsPerPixel() < 8)
        return;
    const int bpp = bitsPerPixel() / 8;
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + source.width(), width());
    const int bottom = std::min(y + source.height(), height());
    if (right <= left || bottom <= top)
        return;
    const size_t bytes = size_t(right - left) * size_t(bpp);
    for (int ty = top; ty < bottom; ++ty) {
        const uint8_t* s = source.row(ty - y) + size_t(left - x) * size_t(bpp);
        std::memcpy(row(ty) + size_t(left) * size_t(bpp), s, bytes);
    }
}

bool EffectImage::resize(int w, int h, Shape shape, Scaling scaling) {
    if (isEmpty() || bitsPerPixel() < 8 || w <= 0 || h <= 0)
        return false;
    // Both scalers build a new picture from this one, so no copy of the source is needed.
    const DibImage& source = *this;
    if (shape == Shape::KeepAspect) {
        const double r = double(source.width()) / double(source.height());
        if (int(std::trunc(h * r)) >= w) {
            h = int(std::trunc(w / r));
        } else {
            w = int(std::trunc(h * r));
        }
        if (w <= 0 || h <= 0)
            return false;
    }
    if (scaling == Scaling::Smooth && source.width() >= w && source.height() >= h) {
        DibImage reduced = reduceBitmap(source, w, h);
        if (reduced.isEmpty())
            return false;
        DibImage::operator=(std::move(reduced));
        return true;
    }
    DibImage stretched = stretchNearest(source, w, h);
    if (stretched.isEmpty())
        return false;
    DibImage::operator=(std::move(stretched));
    return true;
}

void EffectImage::mirror() {
    if (isEmpty() || bitsPerPixel() < 8)
        return;
    const int bpp = bitsPerPixel() / 8;
    uint8_t tmp[4];
    for (int y = 0; y < height(); ++y) {
        uint8_t* a = row(y);
        uint8_t* b = a + size_t(width() - 1) * size_t(bpp);
        for (; a < b; a += bpp, b -= bpp) {
            std::memcpy(tmp, a, size_t(bpp));
            std::memcpy(a, b, size_t(bpp));
            std::memcpy(b, tmp, size_t(bpp));
        }
    }
}

template <typename Source> void EffectImage::turn(Source sourceOf) {
    if (isEmpty() || bitsPerPixel() < 8)
        return;
    const DibImage old(*this);
    DibImage out;
    const BitMasks m = masks();
    if (!out.create(old.height(), old.width(), old.bitsPerPixel(), old.compression(),
                    old.compression() == kBitFields ? &m : nullptr))
        return;
    if (old.bitsPerPixel() == 8) {
        std::vector<RgbQuad> table(256);
        old.readColourTable(0, 256, table.data());
        out.writeColourTable(0, 256, table.data());
    }
    const size_t bpp = size_t(old.bitsPerPixel() / 8);
    for (int y = 0; y < out.height(); ++y) {
        uint8_t* d = out.row(y);
        for (int x = 0; x < out.width(); ++x, d += bpp) {
            const auto [sx, sy] = sourceOf(x, y, old.width(), old.height());
            std::memcpy(d, old.row(sy) + size_t(sx) * bpp, bpp);
        }
    }
    DibImage::operator=(std::move(out));
}

void EffectImage::turnClockwise() {
    // new (x', y') = old (y', old height - 1 - x')
    turn([](int x, int y, int, int oldH) { return std::pair{y, oldH - 1 - x}; });
}

void EffectImage::turnCounterClockwise() {
    // new (x', y') = old (old width - 1 - y', x')
    turn([](int x, int y, int oldW, int) { return std::pair{oldW - 1 - y, x}; });
}

} // namespace imaging
