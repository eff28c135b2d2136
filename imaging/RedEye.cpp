#include "imaging/RedEye.h"

#include <algorithm>
#include <cmath>

namespace imaging {

bool isRedEyeColour(int r, int g, int b) {
    return (r > 150 && g < 70 && b < 100) || (r > 135 && g < 50 && b < 50) ||
           (r > 190 && g > 50 && g < 100 && b > 80 && b < 130) ||
           (r > 120 && g > 40 && g < 100 && b > 35 && b < 100);
}

namespace {

int bytesPerPixel(const DibImage& picture) {
    const int depth = picture.bitsPerPixel();
    return depth == 24 || depth == 32 ? depth / 8 : 0;
}

bool isHighlight(int r, int g, int b) {
    return r >= 201 && g >= 181 && b >= 177;
}

// The darkest of the eye colours stands for the darkest reds, and so on up.
void paintEyeColour(uint8_t* p) {
    const int g = int(0.11 * p[2] + 0.59 * p[1] + 0.3 * p[0]);
    const auto set = [p](int r, int gr, int b) {
        p[0] = uint8_t(b);
        p[1] = uint8_t(gr);
        p[2] = uint8_t(r);
    };
    if (g > 65)
        set(103, 88, 57);
    else if (g > 38)
        set(76, 44, 49);
    else if (g > 19)
        set(27, 22, 28);
    else
        set(12, 13, 17);
}

} // namespace

int redReach(const DibImage& picture, int x0, int y0, double angle) {
    const int bytes = bytesPerPixel(picture);
    if (bytes == 0)
        return 0;
    const double c = std::cos(angle), s = std::sin(angle);
    int reds = 0, misses = 0;
    for (int i = 0; i < picture.width(); ++i) {
        const int x = x0 + int(i * c);
        const int y = y0 + int(i * s);
        if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height())
            return 0;
        const uint8_t* p = picture.row(y) + size_t(x) * size_t(bytes);
        const int r = p[2], g = p[1], b = p[0];
        if (isRedEyeColour(r, g, b)) {
            ++reds;
            misses = 0;
            continue;
        }
        if (isHighlight(r, g, b))
            continue;
        ++misses;
        if (reds >= 2 && r < 83 && g < 45 && b < 50)
            ++misses;
        if (misses > 3)
            return i - misses + 2;
    }
    return 0;
}

void repairRedEye(DibImage& picture, int x, int y) {
    const int bytes = bytesPerPixel(picture);
    if (bytes == 0 || x < 0 || y < 0 || x >= picture.width() || y >= picture.height())
        return;
    const int right = redReach(picture, x, y, kReachAngles[0]);
    const int down = redReach(picture, x, y, kReachAngles[1]);
    const int left = redReach(picture, x, y, kReachAngles[2]);
    const int up = redReach(picture, x, y, kReachAngles[3]);
    const int boxLeft = std::max(0, x - left - 2);
    const int boxRight = std::min(picture.width() - 1, x + right + 2);
    const int boxTop = std::max(0, y - up - 2);
    const int boxBottom = std::min(picture.height() - 1, y + down + 2);
    for (int row = boxTop; row <= boxBottom; ++row) {
        uint8_t* p = picture.row(row) + size_t(boxLeft) * size_t(bytes);
        for (int column = boxLeft; column <= boxRight; ++column, p += bytes) {
            if (isRedEyeColour(p[2], p[1], p[0])) {
                paintEyeColour(p);
                continue;
            }
            const bool clicked = (column == x || column == x + 1) && (row == y || row == y + 1);
            if (clicked && p[2] > 88) {
                const auto grey = uint8_t((0.59 * p[1] + 0.11 * p[2] + 0.3 * p[0]) * 0.8);
                p[0] = p[1] = p[2] = grey;
            }
        }
    }
}

} // namespace imaging
