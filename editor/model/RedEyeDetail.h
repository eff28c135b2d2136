#pragma once
#include "imaging/PixelRect.h"

#include <QPoint>
#include <QSize>

namespace editor {

// Where the red-eye dialog looks: the navigator shows the whole photo within 200 x 200, a
// click there centres the 250 x 250 detail window's area, and a click in the detail window
// is a point of the full-size photo.
class RedEyeDetail {
  public:
    static constexpr int kNavigatorBox = 200;
    static constexpr int kDetailSide = 250;

    // The photo fitted into the navigator box, at least a pixel each way.
    static QSize navigatorSize(int width, int height);
    // The part of a width x height photo the detail window shows at `zoom` (detail pixels a
    // photo pixel) around the navigator click (-1, -1 before any: the top-left corner):
    // inside the photo where it fits, and at least a pixel.
    static imaging::PixelRect detailArea(int width, int height, QSize navigator,
                                         QPoint navigatorClick, double zoom);
    // The photo pixel under a click in the detail window showing `area`.
    static QPoint photoPoint(const imaging::PixelRect& area, QPoint detailClick);
};

} // namespace editor
