#include "browser/model/ThumbnailGeometry.h"

namespace browser {

QRect ThumbnailGeometry::drawRect(int imageWidth, int imageHeight) {
    if (imageWidth <= 0 || imageHeight <= 0)
        return {};
    const double ratio = double(imageHeight) / imageWidth;
    if (ratio <= double(0.9f)) {
        const int h = int(ratio * kCellWidth);
        return {0, (kCellHeight - h) / 2, kCellWidth, h};
    }
    const int w = int(kCellHeight / ratio);
    return {(kCellWidth - w) / 2, 0, w, kCellHeight};
}

QRect PreviewLayout::fit(int imageWidth, int imageHeight, int barWidth, int barHeight) {
    if (imageWidth <= 0 || imageHeight <= 0 || barWidth <= 0 || barHeight <= 0)
        return {};
    const double ratio = double(imageHeight) / imageWidth;
    // The bar's ratio is taken in single precision. A picture of the bar's own shape (500 x 570
    // in 50 x 57) then counts as the taller one and fills the bar, instead of losing a row to
    // 50 x 1.14 = 56.999...
    const float clientRatio = float(barHeight) / float(barWidth);
    if (ratio <= clientRatio) {
        const int h = int(barWidth * ratio);
        return {0, (barHeight - h) / 2, barWidth, h};
    }
    const int w = int(barHeight / ratio);
    return {(barWidth - w) / 2, 0, w, barHeight};
}

} // namespace browser
