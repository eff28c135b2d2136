#include "editor/model/PhotoPlacement.h"

#include <algorithm>

namespace editor {

PageRect defaultPhotoRegion(int id, int pictureWidth, int pictureHeight, int pageWidth,
                            int pageHeight) {
    const int at = 2 * id + 10;
    if (pictureWidth <= 0 || pictureHeight <= 0)
        return {at, at, at, at};
    const bool widthLimited =
        double(pictureWidth) / pictureHeight >= double(pageWidth) / pageHeight;
    const double s =
        widthLimited ? double(pageWidth) / pictureWidth : double(pageHeight) / pictureHeight;
    // Never thinner than a page pixel, so a panorama stays visible and can be picked.
    const int w = std::max(1, int(pictureWidth * s / 2));
    const int h = std::max(1, int(pictureHeight * s / 2));
    return {at, at, at + w, at + h};
}

} // namespace editor
