#pragma once
#include "editor/model/PageRect.h"

#include <optional>

namespace editor {

// The grid of equal cells photos are arranged in: as many cells of the layer images size as
// fit the canvas, each picture area centred in its cell. Values are in the unit.
struct ArrangeGrid {
    double rows = 0;
    double columns = 0;
    double horizontalMargin = 0;
    double verticalMargin = 0;
    double cellWidth = 0; // the layer images size
    double cellHeight = 0;

    // The grid for a canvas; nothing when not even one row fits.
    static std::optional<ArrangeGrid> make(double canvasWidth, double canvasHeight,
                                           double cellWidth, double cellHeight);
    int capacity() const { return int(rows * columns); }
    // The region of the n-th photo (from 1), fitted into its cell keeping the picture's
    // proportions, at the cell's top-left; f is the canvas unit factor.
    PageRect cellRegion(int n, int pictureWidth, int pictureHeight, double f) const;
};

} // namespace editor
