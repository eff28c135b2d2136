#include "shared/ZoomView.h"

#include <algorithm>
#include <cmath>

namespace quillax {

ZoomView::Size ZoomView::fit(int pictureWidth, int pictureHeight, int screenWidth,
                             int screenHeight) {
    if (pictureWidth <= screenWidth && pictureHeight <= screenHeight)
        return {pictureWidth, pictureHeight};
    const double aspect = double(pictureWidth) / std::max(pictureHeight, 1);
    Size fitted = screenWidth < screenHeight * aspect
                      ? Size{screenWidth, int(screenWidth / aspect)}
                      : Size{int(screenHeight * aspect), screenHeight};
    fitted.width = std::max(fitted.width, 1);
    fitted.height = std::max(fitted.height, 1);
    return fitted;
}

ZoomView::ZoomView(int screenWidth, int screenHeight, Size base)
    : screenWidth_(screenWidth), screenHeight_(screenHeight), base_(base),
      view_(base), source_{0, 0, base.width, base.height} {
}

ZoomView::Rect ZoomView::view() const {
    const int left = (screenWidth_ - view_.width) / 2;
    const int top = (screenHeight_ - view_.height) / 2;
    return {left, top, left + view_.width, top + view_.height};
}

ZoomView::Release ZoomView::release(int sx, int sy, int ex, int ey) {
    if (std::hypot(ex - sx, ey - sy) <= 4.0)
        return Release::Click;
    const double cx = screenWidth_ / 2;
    const double cy = screenHeight_ / 2;
    const bool outwards = std::hypot(ex - cx, ey - cy) >= std::hypot(sx - cx, sy - cy);
    // Bounded both ways: past a pixel a screen, or a picture of a pixel, there is nothing more
    // to see, and the sizes worked out from the zoom must stay within an int.
    zoom_ = std::clamp(outwards ? zoom_ * 2 : zoom_ * 0.5, kLeastZoom, kMostZoom);
    zoomAbout(sx, sy);
    return Release::Zoomed;
}

void ZoomView::zoomAbout(int sx, int sy) {
    // The drag start, in the picture as it is shown now.
    if (view_.width < screenWidth_)
        sx -= (screenWidth_ - view_.width) / 2;
    if (view_.height < screenHeight_)
        sy -= (screenHeight_ - view_.height) / 2;
    const int px = int((long long)source_.width() * sx / std::max(view_.width, 1) + source_.left);
    const int py = int((long long)source_.height() * sy / std::max(view_.height, 1) + source_.top);

    const int zw = int(base_.width * zoom_);
    const int zh = int(base_.height * zoom_);
    view_ = {std::max(std::min(zw, screenWidth_), 1), std::max(std::min(zh, screenHeight_), 1)};
    const int sw = std::max(int(view_.width / zoom_), 1);
    const int sh = std::max(int(view_.height / zoom_), 1);
    const int left = px + sw / 2 > base_.width ? base_.width - sw : std::max(px - sw / 2, 0);
    const int top = py + sh / 2 > base_.height ? base_.height - sh : std::max(py - sh / 2, 0);
    source_ = {left, top, left + sw, top + sh};
}

} // namespace quillax
