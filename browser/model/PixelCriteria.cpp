#include "browser/model/PixelCriteria.h"

namespace browser {

namespace {

// The size tests take their bound in: "> 100" lists a picture 100 pixels wide.
bool sizePasses(PixelCriteria::Compare compare, int size, int bound) {
    switch (compare) {
    case PixelCriteria::Compare::Greater:
        return size >= bound;
    case PixelCriteria::Compare::Less:
        return size <= bound;
    case PixelCriteria::Compare::Equal:
        return size == bound;
    }
    return false;
}

// The depth tests are strict: "> monochromatic" leaves the 1-bit pictures out.
bool depthPasses(PixelCriteria::Compare compare, int index, int bound) {
    switch (compare) {
    case PixelCriteria::Compare::Greater:
        return index > bound;
    case PixelCriteria::Compare::Less:
        return index < bound;
    case PixelCriteria::Compare::Equal:
        return index == bound;
    }
    return false;
}

} // namespace

int PixelCriteria::depthIndex(int bitsPerPixel) {
    switch (bitsPerPixel) {
    case 4:
        return 1;
    case 8:
        return 2;
    case 16:
        return 3;
    case 24:
        return 4;
    default:
        return 0;
    }
}

bool PixelCriteria::passes(const quillax::ImageInfo& info) const {
    if (!isOn())
        return true;
    if (!info.isValid())
        return false;
    if (dimensions && !(sizePasses(dimensions->widthCompare, info.width, dimensions->width) &&
                        sizePasses(dimensions->heightCompare, info.height, dimensions->height)))
        return false;
    return !colours ||
           depthPasses(colours->compare, depthIndex(info.bitsPerPixel), colours->depthIndex);
}

} // namespace browser
