#pragma once
#include <cstdint>

namespace imaging {

// Compression values of a device-independent bitmap.
inline constexpr uint32_t kPlainRgb = 0;
inline constexpr uint32_t kBitFields = 3;

// The version-4 bitmap information header as held in memory: 108 bytes, laid out as in
// the BMP file so that its first 40 bytes can be written out unchanged.
struct DibHeader {
    uint32_t size = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint16_t planes = 0;
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t sizeImage = 0;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    uint32_t clrUsed = 0;
    uint32_t clrImportant = 0;
    uint32_t redMask = 0;
    uint32_t greenMask = 0;
    uint32_t blueMask = 0;
    uint32_t alphaMask = 0;
    uint32_t csType = 0;
    int32_t endpoints[9] = {};
    uint32_t gammaRed = 0;
    uint32_t gammaGreen = 0;
    uint32_t gammaBlue = 0;
};
static_assert(sizeof(DibHeader) == 108, "the in-memory header is the 108-byte version-4 layout");

// Red, green and blue masks of a bit-field picture.
struct BitMasks {
    uint32_t red = 0;
    uint32_t green = 0;
    uint32_t blue = 0;
};

// One colour-table entry, in the byte order of the file and of memory.
struct RgbQuad {
    uint8_t blue = 0;
    uint8_t green = 0;
    uint8_t red = 0;
    uint8_t reserved = 0;
    bool operator==(const RgbQuad&) const = default;
};

// A colour value 0x00BBGGRR (red in the low byte), as colour choosers hand them in.
using ColorRef = uint32_t;
inline constexpr ColorRef makeColorRef(uint8_t r, uint8_t g, uint8_t b) {
    return ColorRef(r) | (ColorRef(g) << 8) | (ColorRef(b) << 16);
}
inline constexpr uint8_t redOf(ColorRef c) {
    return uint8_t(c & 0xFF);
}
inline constexpr uint8_t greenOf(ColorRef c) {
    return uint8_t((c >> 8) & 0xFF);
}
inline constexpr uint8_t blueOf(ColorRef c) {
    return uint8_t((c >> 16) & 0xFF);
}

} // namespace imaging
