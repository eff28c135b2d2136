#include "editor/model/RedEyeDetail.h"

#include <algorithm>

namespace editor {

QSize RedEyeDetail::navigatorSize(int width, int height) {
    if (width <= 0 || height <= 0)
        return {1, 1};
    const double r = double(width) / height;
    if (kNavigatorBox / r >= kNavigatorBox)
        return {std::max(int(r * kNavigatorBox), 1), kNavigatorBox};
    return {kNavigatorBox, std::max(int(kNavigatorBox / r), 1)};
}

imaging::PixelRect RedEyeDetail::detailArea(int width, int height, QSize navigator,
                                            QPoint navigatorClick, double zoom) {
    const int cx = int(int64_t(width) * navigatorClick.x() / std::max(1, navigator.width()));
    const int cy = int(int64_t(height) * navigatorClick.y() / std::max(1, navigator.height()));
    const int side = std::max(int(kDetailSide / zoom), 1);
    // Near the far edges the area ends at the edge; a photo smaller than the area starts at
    // its own corner, the rest of the window black.
    const auto start = [side](int centre, int extent) {
        const int from = centre + side / 2 > extent ? extent - side : centre - side / 2;
        return std::max(0, from);
    };
    const int left = start(cx, width), top = start(cy, height);
    return {left, top, left + side, top + side};
}

QPoint RedEyeDetail::photoPoint(const imaging::PixelRect& area, QPoint detailClick) {
    return {area.left + area.width() * detailClick.x() / kDetailSide,
            area.top + area.height() * detailClick.y() / kDetailSide};
}

} // namespace editor
