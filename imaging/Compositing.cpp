#include "imaging/Compositing.h"

#include "imaging/ColourAdjustments.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace imaging {

namespace {

bool bothIn32Bits(const DibImage& a, const DibImage& b) {
    return a.bitsPerPixel() == 32 && b.bitsPerPixel() == 32;
}

// change(photo pixel, second pixel) over the overlap of the photo with `second` placed at
// (x, y).
template <typename Change>
void overOverlap(DibImage& image, const DibImage& second, int x, int y, Change change) {
    const int left = std::max(0, x), top = std::max(0, y);
    const int right = std::min(image.width(), x + second.width());
    const int bottom = std::min(image.height(), y + second.height());
    for (int row = top; row < bottom; ++row) {
        uint8_t* p = image.row(row) + size_t(left) * 4;
        const uint8_t* s = second.row(row - y) + size_t(left - x) * 4;
        for (int column = left; column < right; ++column, p += 4, s += 4)
            change(p, s);
    }
}

int lightness(const uint8_t* p) {
    return (std::max({p[0], p[1], p[2]}) + std::min({p[0], p[1], p[2]})) / 2;
}

} // namespace

void mix(DibImage& image, const DibImage& second, int alpha, int x, int y) {
    if (!bothIn32Bits(image, second) || alpha < 0 || alpha > 100)
        return;
    overOverlap(image, second, x, y, [alpha](uint8_t* p, const uint8_t* s) {
        for (int c = 0; c < 3; ++c)
            p[c] = uint8_t(p[c] * (100 - alpha) / 100 + s[c] * alpha / 100);
    });
}

void combine(DibImage& image, const DibImage& second, Combine operation) {
    if (!bothIn32Bits(image, second))
        return;
    overOverlap(image, second, 0, 0, [operation](uint8_t* p, const uint8_t* s) {
        uint32_t word, other;
        std::memcpy(&word, p, 4);
        std::memcpy(&other, s, 4);
        switch (operation) {
        case Combine::And:
            word &= other;
            break;
        case Combine::Or:
            word |= other;
            break;
        case Combine::Xor:
            word ^= other;
            break;
        }
        std::memcpy(p, &word, 4);
    });
}

void mask(DibImage& image, const DibImage& maskPicture, ColorRef colour, int x, int y) {
    if (!bothIn32Bits(image, maskPicture))
        return;
    const int paint[3] = {blueOf(colour), greenOf(colour), redOf(colour)};
    overOverlap(image, maskPicture, x, y, [&paint](uint8_t* p, const uint8_t* m) {
        const int g = greyValue(m);
        for (int c = 0; c < 3; ++c)
            p[c] = uint8_t(p[c] * g / 255 + (255 - g) * paint[c] / 255);
    });
}

void lighten(DibImage& image, const DibImage& second) {
    if (!bothIn32Bits(image, second))
        return;
    overOverlap(image, second, 0, 0, [](uint8_t* p, const uint8_t* s) {
        if (lightness(p) <= lightness(s))
            std::memcpy(p, s, 3);
    });
}

namespace {

// The fine turn of 1 to 89 degrees: the picture drawn as a parallelogram into `grown`, each
// pixel of it taking the source pixel its centre falls on, the rest black.
void drawTurned(const DibImage& source, DibImage& grown, double s, double c) {
    const int w = source.width(), h = source.height();
    const double originX = std::trunc(h * s);
    const double acrossX = std::trunc(std::min(grown.width() - 1.0, w * c + h * s)) - originX;
    const double acrossY = std::trunc(w * s);
    const double downX = -originX;
    const double downY = std::trunc(h * c);
    const double determinant = acrossX * downY - downX * acrossY;
    if (determinant == 0)
        return;
    const int bytes = source.bitsPerPixel() / 8;
    for (int y = 0; y < grown.height(); ++y) {
        uint8_t* out = grown.row(y);
        const double dy = y + 0.5;
        for (int x = 0; x < grown.width(); ++x, out += bytes) {
            const double dx = x + 0.5 - originX;
            const double u = (dx * downY - downX * dy) / determinant * w;
            const double v = (acrossX * dy - dx * acrossY) / determinant * h;
            if (u < 0 || v < 0 || u >= w || v >= h)
                continue;
            std::memcpy(out, source.row(int(v)) + size_t(int(u)) * size_t(bytes), size_t(bytes));
        }
    }
}

} // namespace

bool turnByAngle(EffectImage& image, int degrees) {
    int quarterTurns = 0; // clockwise; 3 is done as one counter-clockwise
    int fine = degrees;
    if (degrees >= 270 && degrees < 360) {
        quarterTurns = 3;
        fine = degrees - 270;
    } else if (degrees >= 180 && degrees < 270) {
        quarterTurns = 2;
        fine = degrees - 180;
    } else if (degrees >= 90 && degrees < 180) {
        quarterTurns = 1;
        fine = degrees - 90;
    }
    const int depth = image.bitsPerPixel();
    const bool fineTurn = depth > 8 && fine >= 1 && fine < 90 && !image.isEmpty();
    // The grown picture is made before anything turns, so that one too large to make leaves
    // the photo as it was.
    DibImage grown;
    const double radians = fine * 3.1415926536 / 180;
    const double s = std::sin(radians), c = std::cos(radians);
    if (fineTurn) {
        const bool sidesSwap = quarterTurns % 2 == 1;
        const int w = sidesSwap ? image.height() : image.width();
        const int h = sidesSwap ? image.width() : image.height();
        const double grownWidth = std::trunc(h * s + w * c + 1);
        const double grownHeight = std::trunc(w * s + h * c + 1);
        if (grownWidth > DibImage::kMaxSide || grownHeight > DibImage::kMaxSide ||
            !grown.create(int(grownWidth), int(grownHeight), depth))
            return false;
        std::fill(grown.pixels(), grown.pixels() + grown.imageBytes(), uint8_t(0));
    }
    if (quarterTurns == 3)
        image.turnCounterClockwise();
    for (int i = 0; i < quarterTurns && quarterTurns < 3; ++i)
        image.turnClockwise();
    if (fineTurn) {
        drawTurned(image, grown, s, c);
        static_cast<DibImage&>(image) = std::move(grown);
    }
    return true;
}

namespace {

// What the transparent-colour walk compares with: the colour's bytes and its grey, weighed
// from red to blue as the background test always has.
struct Background {
    int blue, green, red, grey;
    explicit Background(ColorRef c)
        : blue(blueOf(c)), green(greenOf(c)), red(redOf(c)),
          grey(int(0.11 * redOf(c) + 0.59 * greenOf(c) + 0.3 * blueOf(c))) {}

    bool isOff(const uint8_t* p) const {
        return std::abs(greyValue(p) - grey) > 15 || std::abs(p[0] - blue) > 32 ||
               std::abs(p[1] - green) > 32 || std::abs(p[2] - red) >= 33;
    }
    // The mean of three neighbouring pixels, each channel truncated, against the colour.
    bool meanIsFar(const uint8_t* a, const uint8_t* b, const uint8_t* c) const {
        const uint8_t mean[3] = {uint8_t((a[0] + b[0] + c[0]) / 3),
                                 uint8_t((a[1] + b[1] + c[1]) / 3),
                                 uint8_t((a[2] + b[2] + c[2]) / 3)};
        return std::abs(greyValue(mean) - grey) > 9 || std::abs(mean[0] - blue) > 20 ||
               std::abs(mean[1] - green) > 20 || std::abs(mean[2] - red) > 20;
    }
    void paint(uint8_t* p) const {
        p[0] = uint8_t(blue);
        p[1] = uint8_t(green);
        p[2] = uint8_t(red);
    }
};

} // namespace

void fillRowEnds(DibImage& image, ColorRef colour) {
    if (image.bitsPerPixel() != 32)
        return;
    const Background background(colour);
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        uint8_t* row = image.row(y);
        auto at = [row](int x) { return row + size_t(x) * 4; };
        bool reachedTheEnd = true;
        for (int x = 0; x < width; ++x) {
            if (background.isOff(at(x)) && x < width - 3 &&
                background.meanIsFar(at(x), at(x + 1), at(x + 2))) {
                reachedTheEnd = false;
                break;
            }
            background.paint(at(x));
        }
        if (reachedTheEnd)
            continue;
        for (int x = width - 1; x >= 2; --x) {
            if (background.isOff(at(x)) && x > 3 &&
                background.meanIsFar(at(x), at(x - 1), at(x - 2)))
                break;
            background.paint(at(x));
        }
    }
}

} // namespace imaging
