#pragma once
#include "imaging/PixelRect.h"

namespace quillax {

// The part of a full-screen picture that is shown, and how dragging zooms it: a drag away
// from the screen's centre doubles the zoom, one towards it halves it, always about where
// the drag started. Shared by the editor's preview and the browser's viewer.
class ZoomView {
  public:
    struct Size {
        int width = 0;
        int height = 0;
        bool operator==(const Size&) const = default;
    };
    using Rect = imaging::PixelRect;

    // The size a picture is shown at on a screen of W x H: its own when it fits, else reduced
    // to fill the side that limits it. Never enlarged.
    static Size fit(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight);

    // A picture fitted to `base` on a screen of W x H, shown whole and centred. The zoom
    // starts at 2.0 although the fitted picture is what shows, as the viewers always have.
    ZoomView(int screenWidth, int screenHeight, Size base);

    static constexpr double kLeastZoom = 1.0 / 256;
    static constexpr double kMostZoom = 256;

    enum class Release { Click, Zoomed };
    // The left button went down at (sx, sy) and up at (ex, ey): 4 pixels or less apart is a
    // click; else a zoom about the start.
    Release release(int sx, int sy, int ex, int ey);

    double zoom() const { return zoom_; }
    // The part of the fitted picture shown, and where on screen it is stretched to.
    const Rect& source() const { return source_; }
    Rect view() const;

  private:
    void zoomAbout(int sx, int sy);

    int screenWidth_;
    int screenHeight_;
    Size base_;
    Size view_;
    Rect source_;
    double zoom_ = 2.0;
};

} // namespace quillax
