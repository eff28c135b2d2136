#pragma once
#include "editor/model/LayerSelection.h"

#include <optional>

namespace editor {

// Where the pointer is against the selection frame.
enum HitZone : int {
    kOutside = 0,
    kBody = 1,
    kTopLeft = 2,
    kTopMiddle = 3,
    kTopRight = 4,
    kRightMiddle = 5,
    kBottomRight = 6,
    kBottomMiddle = 7,
    kBottomLeft = 8,
    kLeftMiddle = 9,
};

inline bool isHandle(int zone) {
    return zone >= kTopLeft && zone <= kLeftMiddle;
}

// A rectangle on screen while a handle is dragged; width and height may run through zero.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ScreenRect&) const = default;
};

// A layer's new place and size in page pixels.
struct PageGeometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PageGeometry&) const = default;
};

// The arithmetic of the canvas: which handle the pointer is over, what dragging a handle does,
// and how page values snap to the unit's grid.
class CanvasGeometry {
  public:
    // A coordinate is near a value when they differ by less than 3 pixels.
    static HitZone hitZone(int px, int py, const ScreenFrame& frame);

    // The frame after dragging `zone` to (mx, my); corner handles keep the picture's
    // proportions (aspect = picture width / height). Nothing for the top corners while the
    // pointer is below the frame's bottom edge.
    static std::optional<ScreenRect> resizeStep(int zone, int mx, int my, const ScreenFrame& frame,
                                                double aspect);
    // Whether dragging this handle leaves the layer's top-left corner where it was.
    static bool keepsPosition(int zone) {
        return zone == kRightMiddle || zone == kBottomRight || zone == kBottomMiddle;
    }

    // The page geometry a resized screen rectangle stands for: positions truncated, sizes
    // rounded, all snapped; at least one page pixel each way, so a handle dragged past the
    // opposite edge never makes an empty or inverted layer.
    static PageGeometry pageGeometry(int zone, const ScreenRect& rect, int layerX, int layerY,
                                     double displayScale, double unitFactor);

    // Snaps a page value to whole millimetres or tenths of an inch; pixels do not snap.
    static int snap(double pageValue, double unitFactor);
};

} // namespace editor
