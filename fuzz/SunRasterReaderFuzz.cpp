// Feeds arbitrary bytes to the Sun raster reader: it must refuse or decode, never crash or read
// past the input.
#include "fuzz/TouchPixels.h"
#include "shared/codecs/SunRasterCodec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    (void)codecs::peekSunRaster(bytes);
    if (auto image = codecs::decodeSunRaster(bytes))
        fuzzing::touchPixels(*image);
    return 0;
}
