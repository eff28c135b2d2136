#pragma once
#include <cstddef>
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

// hlsToRgb(rgbToHls(c)) with the hue and the saturation each multiplied by scale / 128, on
// every colour of the array in place. The arithmetic is the same, operation for operation, so
// the bytes are the same; it has no branches, so colours that differ from one pixel to the
// next cost no mispredicted jumps, and two colours share each instruction.
void scaleHueSaturation(Bgr* colours, size_t count, int hueScale, int saturationScale);

} // namespace imaging
