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

namespace {

// Four doubles to a vector. The compiler's vector extension keeps the code free of one
// instruction set's intrinsics; on x86-64 the conversion is built twice, for processors with
// AVX2 and for the rest, and the loader picks one. The vectors never cross a call, so GCC's
// warning that their calling convention depends on the instruction set does not apply; clang
// refuses them even in inlined calls, and gets two doubles, the width every x86-64 has.
#if defined(__clang__)
constexpr size_t kLanes = 2;
#else
constexpr size_t kLanes = 4;
#pragma GCC diagnostic ignored "-Wpsabi"
#endif
using Doubles = double __attribute__((vector_size(8 * kLanes)));
using Mask = long long __attribute__((vector_size(8 * kLanes)));
using Ints = int __attribute__((vector_size(4 * kLanes)));

// The thread sanitizer's runtime is not up yet when the loader picks, so its builds take the
// one version every processor runs.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_THREAD__)
#define FOR_EACH_INSTRUCTION_SET __attribute__((target_clones("avx2", "default")))
#else
#define FOR_EACH_INSTRUCTION_SET
#endif

[[gnu::always_inline]] inline Doubles splat(double v) {
    return Doubles{} + v;
}

[[gnu::always_inline]] inline Doubles pick(Mask condition, Doubles yes, Doubles no) {
    return condition ? yes : no;
}

// channel() above with every branch taken and the right result picked.
[[gnu::always_inline]] inline Doubles channels(Doubles m1, Doubles m2, Doubles h) {
    h = pick(h < 0.0, h + 1.0, h);
    h = pick(h > 1.0, h - 1.0, h);
    const Doubles rising = m1 + (m2 - m1) * 6.0 * h;
    const Doubles falling = m1 + (m2 - m1) * (2.0 / 3.0 - h) * 6.0;
    return pick(6.0 * h < 1.0, rising, pick(2.0 * h < 1.0, m2, pick(3.0 * h < 2.0, falling, m1)));
}

// toByte() above; the value is finite here, so the conversion is defined.
[[gnu::always_inline]] inline Ints toBytes(Doubles v) {
    Doubles scaled = v * 255.0;
    scaled = pick(scaled >= 255.0, splat(255.0), pick(scaled < 1.0, splat(0.0), scaled));
    return __builtin_convertvector(scaled, Ints);
}

} // namespace

FOR_EACH_INSTRUCTION_SET
void scaleHueSaturation(Bgr* colours, size_t count, int hueScale, int saturationScale) {
    constexpr double kByte = 0.00392156862745098;
    const double hueFactor = hueScale;
    const double saturationFactor = saturationScale;
    for (size_t i = 0; i < count; i += kLanes) {
        // A short last group repeats its last colour rather than taking a path of its own.
        Bgr* in[kLanes];
        Doubles r, g, b;
        for (size_t lane = 0; lane < kLanes; ++lane) {
            in[lane] = &colours[std::min(i + lane, count - 1)];
            r[lane] = in[lane]->red * kByte;
            g[lane] = in[lane]->green * kByte;
            b[lane] = in[lane]->blue * kByte;
        }

        // rgbToHls
        const Doubles mx = pick(r > g, pick(r > b, r, b), pick(g > b, g, b));
        const Doubles mn = pick(r < g, pick(r < b, r, b), pick(g < b, g, b));
        const Doubles lightness = (mx + mn) * 0.5;
        const Mask grey = mx == mn;
        const Doubles d = mx - mn;
        Doubles saturation = d / pick(lightness < 0.5, mx + mn, 2.0 - mx - mn);
        const Mask redMost = r == mx;
        const Mask greenMost = g == mx;
        const Doubles numerator = pick(redMost, g - b, pick(greenMost, b - r, r - g));
        const Doubles quotient = numerator / d;
        Doubles hue = pick(redMost, quotient, pick(greenMost, 2.0 + quotient, 4.0 + quotient));
        hue *= 0.16666666666666666;
        hue = pick(hue < 0.0, hue + 1.0, hue);

        // The scaling; by 128 it is exact, as skipping it would be.
        hue = hueFactor * hue * 0.0078125;
        saturation = saturationFactor * saturation * 0.0078125;

        // hlsToRgb
        const Mask flat = grey | (saturation == 0.0);
        const Doubles m2 = pick(lightness <= 0.5, lightness * (1.0 + saturation),
                                lightness + saturation - lightness * saturation);
        const Doubles m1 = 2.0 * lightness - m2;
        const Ints red = toBytes(pick(flat, lightness, channels(m1, m2, hue + 1.0 / 3.0)));
        const Ints green = toBytes(pick(flat, lightness, channels(m1, m2, hue)));
        const Ints blue = toBytes(pick(flat, lightness, channels(m1, m2, hue - 1.0 / 3.0)));
        for (size_t lane = kLanes; lane-- > 0;)
            *in[lane] = {uint8_t(blue[lane]), uint8_t(green[lane]), uint8_t(red[lane])};
    }
}

} // namespace imaging
