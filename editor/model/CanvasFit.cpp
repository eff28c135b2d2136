#include "editor/model/CanvasFit.h"

#include "editor/model/PageMetrics.h"
#include "imaging/DibImage.h"

#include <cmath>

namespace editor {

int CanvasFit::pageWidth(double canvasWidth, double windowUnitFactor) {
    return int(std::ceil(canvasWidth * windowUnitFactor));
}

int CanvasFit::pageHeight(int pageWidth, double canvasWidth, double canvasHeight) {
    return int(pageWidth * canvasHeight / canvasWidth);
}

CanvasWindow CanvasFit::fit(double canvasWidth, double canvasHeight, int pageWidth,
                            int pageHeight) {
    CanvasWindow window;
    if (kPageBoxHeight / canvasHeight <= kPageBoxWidth / canvasWidth) {
        window.canvasUnitFactor = pageHeight / canvasHeight;
        window.height = kPageBoxHeight;
        window.width = int(canvasWidth * kPageBoxHeight / canvasHeight);
        window.left = kBoxLeft + (kPageBoxWidth - window.width) / 2;
        window.top = kBoxTop;
    } else {
        window.canvasUnitFactor = pageWidth / canvasWidth;
        window.width = kPageBoxWidth;
        window.height = int(canvasHeight * kPageBoxWidth / canvasWidth);
        window.left = kBoxLeft;
        window.top = kBoxTop + (kPageBoxHeight - window.height) / 2;
    }
    return window;
}

const char* CanvasFit::problemWith(double canvasWidth, double canvasHeight,
                                   double windowUnitFactor) {
    if (!(canvasWidth > 0) || !(canvasHeight > 0))
        return "The canvas width and height must be greater than 0.";
    // The whole page is composed as one picture for printing and export.
    const double width = std::ceil(canvasWidth * windowUnitFactor);
    const double height = width * canvasHeight / canvasWidth;
    if (width > imaging::DibImage::kMaxSide || height > imaging::DibImage::kMaxSide ||
        width * height > double(imaging::DibImage::kMaxPixels))
        return "The canvas is too large to be printed.";
    if (height < 1)
        return "The canvas must be at least a page pixel high.";
    return nullptr;
}

} // namespace editor
