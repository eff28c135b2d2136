#include "editor/model/BackgroundPick.h"

#include <algorithm>

namespace editor {

imaging::ColorRef backgroundColourAt(const imaging::DibImage& full, int controlWidth,
                                     int controlHeight, int clickX, int clickY) {
    const int bytes = full.bitsPerPixel() / 8;
    if (full.isEmpty() || controlWidth <= 0 || controlHeight <= 0 || bytes < 3)
        return 0;
    const int x = int(int64_t(full.width()) * clickX / controlWidth) + 4;
    const int y = int(int64_t(full.height()) * clickY / controlHeight) + 2;
    const uint8_t* p = full.row(std::clamp(y, 0, full.height() - 1)) +
                       size_t(std::clamp(x, 0, full.width() - 1)) * size_t(bytes);
    return imaging::makeColorRef(p[2], p[1], p[0]);
}

} // namespace editor
