#pragma once

namespace editor {

// Where the canvas window sits in the editor window, in screen pixels, and how many page
// pixels a unit of the canvas size is on it.
struct CanvasWindow {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    double canvasUnitFactor = 0;
    bool operator==(const CanvasWindow&) const = default;
};

// The page's size in page pixels and the canvas window that shows it, from the canvas size:
// the window fills the 461 x 494 box at (10, 45) along the side that limits it, centred along
// the other.
class CanvasFit {
  public:
    static constexpr int kBoxLeft = 10;
    static constexpr int kBoxTop = 45;

    // Page pixels across: the canvas width in page pixels, rounded up when not whole.
    static int pageWidth(double canvasWidth, double windowUnitFactor);
    // Page pixels down, in the canvas's proportions, truncated.
    static int pageHeight(int pageWidth, double canvasWidth, double canvasHeight);
    static CanvasWindow fit(double canvasWidth, double canvasHeight, int pageWidth, int pageHeight);
    // Whether a page of this canvas size can be made at all: both sides above 0 and the page
    // no larger than a picture may be. Otherwise the reason, to show.
    static const char* problemWith(double canvasWidth, double canvasHeight,
                                   double windowUnitFactor);
};

} // namespace editor
