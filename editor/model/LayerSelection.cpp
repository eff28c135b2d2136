#include "editor/model/LayerSelection.h"

namespace editor {

void LayerSelection::setCurrentId(int id) {
    currentId_ = id;
    refreshCopy();
}

void LayerSelection::refreshCopy() {
    const LayerRecord* record = selected();
    copy_ = record ? *record : LayerRecord{};
}

ScreenFrame LayerSelection::frameOf(const LayerRecord& r) const {
    return {int(r.x * displayScale_), int(r.y * displayScale_), int(r.boxWidth() * displayScale_),
            int(r.boxHeight() * displayScale_)};
}

bool LayerSelection::place(int x, int y, int width, int height) {
    LayerRecord* r = selected();
    if (r == nullptr)
        return false;
    r->x = x;
    r->y = y;
    r->region = {x, y, x + width, y + height};
    r->hasRegion = true;
    frame_ = {int(x * displayScale_), int(y * displayScale_), int(width * displayScale_),
              int(height * displayScale_)};
    refreshCopy();
    return true;
}

bool LayerSelection::setContent(const QString& content) {
    LayerRecord* r = selected();
    if (r == nullptr)
        return false;
    r->content = content;
    refreshCopy();
    return true;
}

bool LayerSelection::setBackground(bool hidden, imaging::ColorRef colour) {
    LayerRecord* r = selected();
    if (r == nullptr)
        return false;
    r->backgroundHidden = hidden;
    if (hidden)
        r->color = colour;
    refreshCopy();
    return true;
}

bool LayerSelection::setPictureSize(int width, int height) {
    LayerRecord* r = selected();
    if (r == nullptr || width == 0)
        return false;
    r->bitmapWidth = width;
    r->bitmapHeight = height;
    const int shownWidth = r->boxWidth();
    r->region.bottom = r->region.top + height * shownWidth / width;
    refreshCopy();
    return true;
}

bool LayerSelection::replacePicture(const imaging::DibImage& picture, bool turnedBy90) {
    LayerRecord* r = selected();
    if (r == nullptr)
        return false;
    if (turnedBy90) {
        const int oldWidth = r->boxWidth();
        const int oldHeight = r->boxHeight();
        r->region = {r->x, r->y, r->x + oldHeight, r->y + oldWidth};
        std::swap(r->bitmapWidth, r->bitmapHeight);
    }
    // The record keeps its own idea of its size; the copy only brings the pixels.
    const int w = r->bitmapWidth;
    const int h = r->bitmapHeight;
    if (!r->setBitmap(picture)) {
        refreshCopy();
        return false;
    }
    if (w > 0 && h > 0) {
        r->bitmapWidth = w;
        r->bitmapHeight = h;
    }
    refreshCopy();
    return true;
}

} // namespace editor
