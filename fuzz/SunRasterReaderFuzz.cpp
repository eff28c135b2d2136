// Feeds arbitrary bytes to the RAS reader: it must refuse or decode, never crash or read
// past the input.
#include "shared/codecs/SunRasterCodec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    (void)codecs::peekSunRaster(bytes);
    (void)codecs::decodeSunRaster(bytes);
    return 0;
}
