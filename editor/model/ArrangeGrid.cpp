#include "editor/model/ArrangeGrid.h"

#include <algorithm>

namespace editor {

std::optional<ArrangeGrid> ArrangeGrid::make(double canvasWidth, double canvasHeight,
                                             double cellWidth, double cellHeight) {
    if (cellWidth <= 0 || cellHeight <= 0)
        return std::nullopt;
    ArrangeGrid g;
    g.rows = int(canvasHeight / cellHeight);
    g.columns = int(canvasWidth / cellWidth);
    if (g.columns == 0)
        g.columns = 1;
    if (g.rows <= 0)
        return std::nullopt;
    g.cellWidth = cellWidth;
    g.cellHeight = cellHeight;
    g.horizontalMargin = (canvasWidth - cellWidth * g.columns) / g.columns / 2;
    g.verticalMargin = (canvasHeight - g.rows * cellHeight) / g.rows / 2;
    return g;
}

PageRect ArrangeGrid::cellRegion(int n, int pictureWidth, int pictureHeight, double f) const {
    const int cols = int(columns);
    int m = n % cols;
    if (m == 0)
        m = cols;
    int row = 0;
    if (n > cols)
        row = (m != cols) ? n / cols : n / cols - 1;
    const int x = int(((2 * horizontalMargin + cellWidth) * (m - 1) + horizontalMargin) * f);
    const int y = int((row * (2 * verticalMargin + cellHeight) + verticalMargin) * f);
    // The fit compares the cell's own sizes; truncating them first would make a picture of
    // the cell's exact shape lose a pixel of width.
    const double cw = cellWidth * f;
    const double ch = cellHeight * f;
    const double a = pictureHeight > 0 ? double(pictureWidth) / pictureHeight : 1.0;
    int w, h;
    if (a * ch >= cw) {
        w = int(cw);
        h = int(cw / a);
    } else {
        w = int(a * ch);
        h = int(ch);
    }
    return {x, y, x + std::max(1, w), y + std::max(1, h)};
}

} // namespace editor
