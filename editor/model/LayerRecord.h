#pragma once
#include "editor/model/PageRect.h"
#include "imaging/DibImage.h"

#include <QString>
#include <cstdint>

namespace editor {

// One layer of the page: a photo (thumbIndex != 0) or a caption (thumbIndex == 0). Copies are
// deep. Positions and sizes are page pixels.
struct LayerRecord {
    int id = 0;
    int zOrder = 0;
    int thumbIndex = 0;
    int fontSize = -1;
    int listRow = 0;
    // Photo: file name of the full-size copy in the project folder. Caption: "face,text".
    QString content;
    // Photo: the picture it was added from, as the Source edit shows it.
    QString sourcePath;
    bool visible = true;
    bool hasRegion = false;
    bool backgroundHidden = false;
    imaging::ColorRef color = 0;
    int x = 0;
    int y = 0;
    imaging::DibImage bitmap;
    int bitmapWidth = 0;
    int bitmapHeight = 0;
    // The only outline ever made is a rectangle; its box is the displayed size.
    PageRect region;
    int textStyle = 0;

    bool isPhoto() const { return thumbIndex != 0; }
    int boxWidth() const { return region.width(); }
    int boxHeight() const { return region.height(); }

    // Copies any picture into `bitmap` as 24 bits and records its size. False, and the old
    // picture kept, when the source is empty.
    bool setBitmap(const imaging::DibImage& picture);
};

} // namespace editor
