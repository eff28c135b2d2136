#pragma once
#include "imaging/DibHeader.h"
#include "imaging/PixelAllocator.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace imaging {

// A device-independent bitmap whose pixels are addressed directly. The memory is stored
// bottom row first, as in a BMP file, and a row table maps row index 0 to the top row so
// that every pixel loop walks top to bottom with a plain pointer step.
class DibImage {
  public:
    DibImage() = default;
    DibImage(const DibImage& other);
    DibImage& operator=(const DibImage& other);
    DibImage(DibImage&& other) noexcept;
    DibImage& operator=(DibImage&& other) noexcept;
    virtual ~DibImage() = default;

    // Largest picture we agree to hold; anything bigger is refused before allocating.
    static constexpr int64_t kMaxPixels = int64_t(1) << 28;
    static constexpr int kMaxSide = 65535;

    // Sizes and depth used where create is given 0; the interface sets them from the screen.
    static void setDisplayMetrics(int width, int height, int bitsPerPixel);

    // Releases any previous content and makes a zero-filled picture. Depth must be 1, 4, 8,
    // 16, 24 or 32; bit fields need masks. False (and empty) on bad arguments or sizes.
    bool create(int width, int height, int bitsPerPixel, uint32_t compression = kPlainRgb,
                const BitMasks* masks = nullptr);
    void release();

    bool isEmpty() const { return rows_.empty(); }
    int width() const { return header_.width; }
    int height() const { return header_.height; }
    int bitsPerPixel() const { return header_.bitCount; }
    uint32_t compression() const { return header_.compression; }
    BitMasks masks() const { return {header_.redMask, header_.greenMask, header_.blueMask}; }
    int stride() const { return stride_; }
    const DibHeader& header() const { return header_; }
    static int strideFor(int width, int bitsPerPixel) {
        return int(((int64_t(bitsPerPixel) * width + 31) / 32) * 4);
    }

    // Row y counted from the top.
    uint8_t* row(int y) { return rows_[size_t(y)]; }
    const uint8_t* row(int y) const { return rows_[size_t(y)]; }
    // The pixel memory, bottom row first.
    uint8_t* pixels() { return pixels_.data(); }
    const uint8_t* pixels() const { return pixels_.data(); }
    size_t imageBytes() const { return pixels_.size(); }

    // Raw value by depth: palette index, 16-bit word, B + G*256 + R*65536, or the 32-bit word.
    uint32_t pixelValue(int x, int y) const;
    // Colour of a pixel: the palette entry, the raw value for 24/32 bits, 5-5-5 (or the
    // masks) expanded for 16 bits.
    RgbQuad pixelColour(int x, int y) const;

    int colourTableSize() const { return int(colourTable_.size()); }
    int readColourTable(int first, int count, RgbQuad* out) const;
    int writeColourTable(int first, int count, const RgbQuad* entries);

    void copyFrom(const DibImage& other);
    // Converts to 32 bits in place (fourth byte 0); nothing when empty or already 32 bits.
    void toDepth32();
    // Converts to 24 bits in place; nothing when empty or already 24 bits.
    void toDepth24();

  private:
    void buildRowTable();

    DibHeader header_;
    std::vector<uint8_t, PixelAllocator<uint8_t>> pixels_;
    std::vector<uint8_t*> rows_;
    std::vector<RgbQuad> colourTable_;
    int stride_ = 0;
};

} // namespace imaging
