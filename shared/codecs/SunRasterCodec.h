#pragma once
#include "imaging/DibImage.h"
#include "shared/codecs/ByteReader.h"

#include <optional>

namespace codecs {

// Sun raster (.ras): 1, 8, 24 and 32 bits, plain, run-length encoded or RGB ordered, with or
// without a colour map.
std::optional<ImageHeader> peekSunRaster(std::span<const uint8_t> bytes);
std::optional<imaging::DibImage> decodeSunRaster(std::span<const uint8_t> bytes);

} // namespace codecs
