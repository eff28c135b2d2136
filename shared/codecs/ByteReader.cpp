#include "shared/codecs/ByteReader.h"

#include "imaging/DibImage.h"

namespace codecs {

bool isSaneSize(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= imaging::DibImage::kMaxSide &&
           height <= imaging::DibImage::kMaxSide && width * height <= imaging::DibImage::kMaxPixels;
}

} // namespace codecs
