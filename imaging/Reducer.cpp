#include "imaging/Resampling.h"

#include <vector>

namespace imaging {

DibImage reduceBitmap(const DibImage& source, int newWidth, int newHeight) {
    DibImage out;
    if (source.isEmpty() || newWidth <= 0 || newHeight <= 0)
        return out;
    DibImage converted;
    const DibImage* src = &as24Bits(source, converted);
    if (!out.create(newWidth, newHeight, 24))
        return out;

    const int oldW = src->width();
    const int oldH = src->height();
    const size_t accStride = size_t(newWidth) * 3;
    std::vector<float> acc(accStride * size_t(newHeight), 0.0f);

    int ay = 0;
    int ty = 0;
    for (int sy = 0; sy < oldH; ++sy) {
        ay += newHeight;
        const bool straddleY = ay > oldH && ty + 1 < newHeight;
        const float fy2 = straddleY ? float(ay - oldH) / float(newHeight) : 0.0f;
        const float fy1 = 1.0f - fy2;
        float* row1 = acc.data() + size_t(ty) * accStride;
        float* row2 = straddleY ? row1 + accStride : nullptr;

        const uint8_t* s = src->row(sy);
        int ax = 0;
        int tx = 0;
        for (int sx = 0; sx < oldW; ++sx, s += 3) {
            ax += newWidth;
            const bool straddleX = ax > oldW && tx + 1 < newWidth;
            float* c1 = row1 + size_t(tx) * 3;
            if (!straddleX) {
                if (!straddleY) {
                    c1[0] += s[0];
                    c1[1] += s[1];
                    c1[2] += s[2];
                } else {
                    float* c3 = row2 + size_t(tx) * 3;
                    for (int k = 0; k < 3; ++k) {
                        c1[k] += s[k] * fy1;
                        c3[k] += s[k] * fy2;
                    }
                }
                if (ax == oldW)
                    ++tx;
            } else {
                const float fx2 = float(ax - oldW) / float(newWidth);
                const float fx1 = 1.0f - fx2;
                float* c2 = c1 + 3;
                if (!straddleY) {
                    for (int k = 0; k < 3; ++k) {
                        c1[k] += s[k] * fx1;
                        c2[k] += s[k] * fx2;
                    }
                } else {
                    float* c3 = row2 + size_t(tx) * 3;
                    float* c4 = c3 + 3;
                    for (int k = 0; k < 3; ++k) {
                        c1[k] += s[k] * fy1 * fx1;
                        c2[k] += s[k] * fy1 * fx2;
                        c3[k] += s[k] * fy2 * fx1;
                        c4[k] += s[k] * fy2 * fx2;
                    }
                }
                ++tx;
            }
            if (ax >= oldW)
                ax -= oldW;
        }
        if (straddleY || ay == oldH)
            ++ty;
        if (ay >= oldH)
            ay -= oldH;
    }

    const double scale = double(newWidth) * double(newHeight) / (double(oldW) * double(oldH));
    for (int y = 0; y < newHeight; ++y) {
        const float* a = acc.data() + size_t(y) * accStride;
        uint8_t* d = out.row(y);
        for (size_t i = 0; i < accStride; ++i) {
            const int v = int(double(a[i]) * scale + 0.5);
            d[i] = uint8_t(v > 255 ? 255 : v);
        }
    }
    return out;
}

} // namespace imaging
