#pragma once
#include <cstdint>

namespace imaging {

struct Hls {
    double hue = 0;        // 0..1
    double lightness = 0;  // 0..1
    double saturation = 0; // 0..1
};

struct Bgr {
    uint8_t blue = 0;
    uint8_t green = 0;
    uint8_t red = 0;
    bool operator==(const Bgr&) const = default;
};

// The classic double-precision conversions; pixel is B + G*256 + R*65536.
Hls rgbToHls(uint32_t pixel);
Bgr hlsToRgb(Hls hls);

} // namespace imaging
