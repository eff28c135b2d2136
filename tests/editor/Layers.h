#pragma once
#include "editor/model/CaptionDrawer.h"
#include "editor/model/LayerRecord.h"
#include "editor/model/LayerSelection.h"
#include "imaging/Resampling.h"
#include "tests/support/Pictures.h"

#include <ostream>

namespace editor {
inline void PrintTo(const PageRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ") - (" << r.right << ", " << r.bottom << ")";
}
inline void PrintTo(const ScreenFrame& f, std::ostream* os) {
    *os << f.width << " x " << f.height << " at (" << f.left << ", " << f.top << ")";
}
} // namespace editor

namespace testsupport {

// A visible photo layer with a working picture of w x h, shown at its own size at (x, y).
inline editor::LayerRecord photoLayer(int id, int x, int y, int w, int h, uint32_t rgb = 0x808080) {
    editor::LayerRecord r;
    r.id = id;
    r.thumbIndex = 8 + id;
    r.content = QString("newPrj1%1.bmp").arg(id);
    r.x = x;
    r.y = y;
    r.setBitmap(solid24(w, h, rgb));
    r.hasRegion = true;
    r.region = {x, y, x + w, y + h};
    return r;
}

// A caption layer whose picture is light yellow with a band of colour in its middle row.
inline editor::LayerRecord captionLayer(int id, int x, int y, int w, int h) {
    editor::LayerRecord r = photoLayer(id, x, y, w, h, 0xFFFFA5);
    r.thumbIndex = 0;
    r.fontSize = 36;
    r.content = "Arial, Hello";
    r.backgroundHidden = true;
    r.color = 0x000000FF;
    paint(r.bitmap, 0, h / 2, 0xFF0000, w);
    return r;
}

// Draws a caption as its fill only: its picture has the size and colour the rules give it,
// without fonts or a display.
class FillingCaptionDrawer : public editor::CaptionDrawer {
  public:
    imaging::DibImage draw(const editor::CaptionSettings&,
                           const editor::CaptionLayout& layout) const override {
        imaging::DibImage picture;
        picture.create(layout.width, layout.height, 24);
        imaging::fill(picture, layout.fill);
        return picture;
    }
};

} // namespace testsupport
