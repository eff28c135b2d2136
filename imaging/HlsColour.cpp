#include "imaging/HlsColour.h"

#include <algorithm>

namespace imaging {

Hls rgbToHls(uint32_t pixel) {
    constexpr double kByte = 0.00392156862745098;
    const double r = double((pixel >> 16) & 0xFF) * kByte;
    const double g = double((pixel >> 8) & 0xFF) * kByte;
    const double b = double(pixel & 0xFF) * kByte;
    const double mx = std::max({r, g, b});
    const double mn = std::min({r, g, b});
    Hls out;
    out.lightness = (mx + mn) * 0.5;
    if (mx == mn)
        return out;
    const double d = mx - mn;
    out.saturation = out.lightness < 0.5 ? d / (mx + mn) : d / (2.0 - mx - mn);
    double h;
    if (r == mx)
        h = (g - b) / d;
    else if (g != mx)
        h = 4.0 + (r - g) / d;
    else
        h = 2.0 + (b - r) / d;
    h *= 0.16666666666666666;
    if (h < 0)
        h += 1.0;
    out.hue = h;
    return out;
}

namespace {

double channel(double m1, double m2, double h) {
    if (h < 0)
        h += 1.0;
    if (h > 1)
        h -= 1.0;
    if (6.0 * h < 1.0)
        return m1 + (m2 - m1) * 6.0 * h;
    if (2.0 * h < 1.0)
        return m2;
    if (3.0 * h < 2.0)
        return m1 + (m2 - m1) * (2.0 / 3.0 - h) * 6.0;
    return m1;
}

uint8_t toByte(double v) {
    const double scaled = v * 255.0;
    if (scaled >= 255.0)
        return 255;
    if (scaled < 1.0)
        return 0;
    return uint8_t(scaled);
}

} // namespace

Bgr hlsToRgb(Hls c) {
    double r, g, b;
    if (c.saturation == 0) {
        r = g = b = c.lightness;
    } else {
        const double m2 = c.lightness <= 0.5
                              ? c.lightness * (1.0 + c.saturation)
                              : c.lightness + c.saturation - c.lightness * c.saturation;
        const double m1 = 2.0 * c.lightness - m2;
        r = channel(m1, m2, c.hue + 1.0 / 3.0);
        g = channel(m1, m2, c.hue);
        b = channel(m1, m2, c.hue - 1.0 / 3.0);
    }
    return {toByte(b), toByte(g), toByte(r)};
}

} // namespace imaging
