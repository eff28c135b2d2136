#include "editor/model/ArrangeGrid.h"

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
    const int cw = int(cellWidth * f);
    const int ch = int(cellHeight * f);
    const double a = pictureHeight > 0 ? double(pictureWidth) / pictureHeight : 1.0;
    int w, h;
    if (int(a * ch) >= cw) {
        w = cw;
        h = int(cw / a);
    } else {
        w = int(a * ch);
        h = ch;
    }
    return {x, y, x + w, y + h};
}

} // namespace editor
