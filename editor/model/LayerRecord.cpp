#include "editor/model/LayerRecord.h"

namespace editor {

bool LayerRecord::setBitmap(const imaging::DibImage& picture) {
    if (picture.isEmpty())
        return false;
    imaging::DibImage copy(picture);
    copy.toDepth24();
    if (copy.bitsPerPixel() != 24)
        return false;
    bitmap = std::move(copy);
    bitmapWidth = bitmap.width();
    bitmapHeight = bitmap.height();
    return true;
}

} // namespace editor
