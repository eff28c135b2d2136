#include "editor/model/CanvasGeometry.h"
#include "editor/model/PageMetrics.h"

#include "editor/model/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace editor {

HitZone CanvasGeometry::hitZone(int px, int py, const ScreenFrame& f) {
    const auto near = [](int a, int b) { return std::abs(a - b) < 3; };
    const int L = f.left, T = f.top, W = f.width, H = f.height;
    if (px < L || py >= T + H || (px >= L + W && py < T))
        return kOutside;
    if (near(px, L) && near(py, T))
        return kTopLeft;
    if (near(px, L + W / 2) && near(py, T))
        return kTopMiddle;
    if (near(px, L + W)) {
        if (near(py, T))
            return kTopRight;
        if (near(py, T + H / 2))
            return kRightMiddle;
        if (near(py, T + H))
            return kBottomRight;
    }
    if (near(px, L + W / 2) && near(py, T + H))
        return kBottomMiddle;
    if (!near(px, L))
        return kBody;
    if (near(py, T + H))
        return kBottomLeft;
    if (near(py, T + H / 2))
        return kLeftMiddle;
    return kBody;
}

std::optional<ScreenRect> CanvasGeometry::resizeStep(int zone, int mx, int my, const ScreenFrame& f,
                                                     double r) {
    const int L = f.left, T = f.top, W = f.width, H = f.height;
    const auto heightFor = [r](int w) { return r > 0 ? int(w / r) : 0; };
    switch (zone) {
    case kTopLeft: {
        if (my > T + H)
            return std::nullopt;
        const int w = L + W - mx;
        return ScreenRect{mx, T + H - heightFor(w), w, heightFor(w)};
    }
    case kTopMiddle:
        return ScreenRect{L, my, W, H - (my - T)};
    case kTopRight: {
        if (my > T + H)
            return std::nullopt;
        const int w = mx - L;
        return ScreenRect{L, T + H - heightFor(w), w, heightFor(w)};
    }
    case kRightMiddle:
        return ScreenRect{L, T, mx - L, H};
    case kBottomRight:
        return ScreenRect{L, T, mx - L, heightFor(mx - L)};
    case kBottomMiddle:
        return ScreenRect{L, T, W, my - T};
    case kBottomLeft: {
        const int w = L + W - mx;
        return ScreenRect{mx, T, w, heightFor(w)};
    }
    case kLeftMiddle:
        return ScreenRect{mx, T, L + W - mx, H};
    default:
        return std::nullopt;
    }
}

int CanvasGeometry::snap(double v, double unitFactor) {
    if (unitFactor == 1.0)
        return int(v);
    // Inches snap to tenths, millimetres to whole ones.
    const double step = unitFactor > 100 ? kPixelsPerInch / 10 : kPixelsPerMillimetre;
    const double k = roundHalfDown(v / step);
    return int(roundHalfDown(k * step));
}

PageGeometry CanvasGeometry::pageGeometry(int zone, const ScreenRect& rect, int layerX, int layerY,
                                          double scale, double unitFactor) {
    PageGeometry g;
    if (keepsPosition(zone)) {
        g.x = layerX;
        g.y = layerY;
    } else {
        g.x = snap(int(rect.left / scale), unitFactor);
        g.y = snap(int(rect.top / scale), unitFactor);
    }
    g.width = std::max(1, snap(roundHalfUp(rect.width / scale), unitFactor));
    g.height = std::max(1, snap(roundHalfUp(rect.height / scale), unitFactor));
    return g;
}

} // namespace editor
