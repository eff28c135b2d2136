#include "imaging/DibImage.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace imaging {

namespace {

struct DisplayMetrics {
    int width = 1920;
    int height = 1080;
    int bitsPerPixel = 32;
};
DisplayMetrics& display() {
    static DisplayMetrics metrics;
    return metrics;
}

bool isSupportedDepth(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Spreads a masked field over a full byte, as a 5-bit field becomes value * 8.
uint8_t expandField(uint32_t value, uint32_t mask) {
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const int width = std::popcount(mask);
    uint32_t field = (value & mask) >> shift;
    if (width >= 8)
        return uint8_t(field >> (width - 8));
    return uint8_t(field << (8 - width));
}

} // namespace

void DibImage::setDisplayMetrics(int width, int height, int bitsPerPixel) {
    display() = {width, height, bitsPerPixel};
}

DibImage::DibImage(const DibImage& other) {
    copyFrom(other);
}

DibImage& DibImage::operator=(const DibImage& other) {
    copyFrom(other);
    return *this;
}

DibImage::DibImage(DibImage&& other) noexcept
    : header_(other.header_), pixels_(std::move(other.pixels_)), rows_(std::move(other.rows_)),
      colourTable_(std::move(other.colourTable_)), stride_(other.stride_) {
    other.header_ = {};
    other.stride_ = 0;
    other.rows_.clear();
}

DibImage& DibImage::operator=(DibImage&& other) noexcept {
    if (this != &other) {
        header_ = other.header_;
        pixels_ = std::move(other.pixels_);
        rows_ = std::move(other.rows_);
        colourTable_ = std::move(other.colourTable_);
        stride_ = other.stride_;
        other.header_ = {};
        other.stride_ = 0;
        other.rows_.clear();
    }
    return *this;
}

bool DibImage::create(int width, int height, int bitsPerPixel, uint32_t compression,
                      const BitMasks* masks) {
    release();
    if (width == 0)
        width = display().width;
    if (height == 0)
        height = display().height;
    if (bitsPerPixel == 0)
        bitsPerPixel = display().bitsPerPixel;
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide ||
        int64_t(width) * height > kMaxPixels || !isSupportedDepth(bitsPerPixel))
        return false;
    if (compression == kBitFields &&
        (masks == nullptr || (bitsPerPixel != 16 && bitsPerPixel != 32)))
        return false;
    if (compression != kPlainRgb && compression != kBitFields)
        return false;

    header_.size = 108;
    header_.width = width;
    header_.height = height;
    header_.planes = 1;
    header_.bitCount = uint16_t(bitsPerPixel);
    header_.compression = compression;
    if (compression == kBitFields) {
        header_.redMask = masks->red;
        header_.greenMask = masks->green;
        header_.blueMask = masks->blue;
    }
    stride_ = strideFor(width, bitsPerPixel);
    header_.sizeImage = uint32_t(size_t(stride_) * size_t(height));
    pixels_.assign(header_.sizeImage, 0);
    if (bitsPerPixel <= 8)
        colourTable_.assign(size_t(1) << bitsPerPixel, RgbQuad{});
    buildRowTable();
    return true;
}

void DibImage::buildRowTable() {
    rows_.resize(size_t(header_.height));
    if (header_.height == 0)
        return;
    // Memory is bottom-up: the top row is the last one stored.
    uint8_t* p = pixels_.data() + size_t(header_.height - 1) * size_t(stride_);
    for (auto& r : rows_) {
        r = p;
        p -= stride_;
    }
}

void DibImage::release() {
    header_ = {};
    pixels_.clear();
    pixels_.shrink_to_fit();
    rows_.clear();
    colourTable_.clear();
    stride_ = 0;
}

uint32_t DibImage::pixelValue(int x, int y) const {
    if (isEmpty() || x < 0 || y < 0 || x >= width() || y >= height())
        return 0;
    const uint8_t* p = row(y) + size_t(bitsPerPixel()) * size_t(x) / 8;
    switch (bitsPerPixel()) {
    case 1:
        return (*p >> (7 - x % 8)) & 1u;
    case 4:
        return (x % 2 == 0) ? (*p >> 4) : (*p & 0x0Fu);
    case 8:
        return *p;
    case 16:
        return uint32_t(p[0]) | (uint32_t(p[1]) << 8);
    case 24:
        return uint32_t(p[0]) + uint32_t(p[1]) * 256u + uint32_t(p[2]) * 65536u;
    case 32:
        return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) |
               (uint32_t(p[3]) << 24);
    default:
        return 0;
    }
}

RgbQuad DibImage::pixelColour(int x, int y) const {
    const uint32_t v = pixelValue(x, y);
    const int bits = bitsPerPixel();
    if (bits <= 8) {
        if (v < colourTable_.size())
            return colourTable_[v];
        return {};
    }
    if (bits == 16) {
        if (compression() == kPlainRgb || header_.greenMask == 0x3E0) {
            return {uint8_t(v * 8), uint8_t((v / 4) & 0xF8), uint8_t((v / 128) & 0xF8), 0};
        }
        return {expandField(v, header_.blueMask), expandField(v, header_.greenMask),
                expandField(v, header_.redMask), 0};
    }
    if (bits == 32 && compression() == kBitFields) {
        return {expandField(v, header_.blueMask), expandField(v, header_.greenMask),
                expandField(v, header_.redMask), 0};
    }
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}

int DibImage::readColourTable(int first, int count, RgbQuad* out) const {
    if (isEmpty() || bitsPerPixel() > 8 || first < 0 || count <= 0)
        return 0;
    const int n = std::clamp(colourTableSize() - first, 0, count);
    std::copy_n(colourTable_.begin() + first, n, out);
    return n;
}

int DibImage::writeColourTable(int first, int count, const RgbQuad* entries) {
    if (isEmpty() || bitsPerPixel() > 8 || first < 0 || count <= 0)
        return 0;
    const int n = std::clamp(colourTableSize() - first, 0, count);
    std::copy_n(entries, n, colourTable_.begin() + first);
    return n;
}

void DibImage::copyFrom(const DibImage& other) {
    if (this == &other)
        return;
    header_ = other.header_;
    stride_ = other.stride_;
    pixels_ = other.pixels_;
    colourTable_ = other.colourTable_;
    buildRowTable();
}

void DibImage::toDepth32() {
    if (isEmpty() || bitsPerPixel() == 32)
        return;
    DibImage out;
    if (!out.create(width(), height(), 32))
        return;
    const bool is24 = bitsPerPixel() == 24;
    for (int y = 0; y < height(); ++y) {
        uint8_t* d = out.row(y);
        if (is24) {
            const uint8_t* s = row(y);
            for (int x = 0; x < width(); ++x, s += 3, d += 4) {
                d[0] = s[0];
                d[1] = s[1];
                d[2] = s[2];
                d[3] = 0;
            }
        } else {
            for (int x = 0; x < width(); ++x, d += 4) {
                const RgbQuad c = pixelColour(x, y);
                d[0] = c.blue;
                d[1] = c.green;
                d[2] = c.red;
                d[3] = 0;
            }
        }
    }
    *this = std::move(out);
}

void DibImage::toDepth24() {
    if (isEmpty() || bitsPerPixel() == 24)
        return;
    DibImage out;
    if (!out.create(width(), height(), 24))
        return;
    const bool plain32 = bitsPerPixel() == 32 && compression() == kPlainRgb;
    for (int y = 0; y < height(); ++y) {
        uint8_t* d = out.row(y);
        if (plain32) {
            const uint8_t* s = row(y);
            for (int x = 0; x < width(); ++x, s += 4, d += 3) {
                d[0] = s[0];
                d[1] = s[1];
                d[2] = s[2];
            }
        } else {
            for (int x = 0; x < width(); ++x, d += 3) {
                const RgbQuad c = pixelColour(x, y);
                d[0] = c.blue;
                d[1] = c.green;
                d[2] = c.red;
            }
        }
    }
    *this = std::move(out);
}

} // namespace imaging
