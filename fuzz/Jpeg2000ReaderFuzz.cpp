// Feeds arbitrary bytes to the JPEG 2000 reader: it must refuse or decode, never crash or read
// past the input.
#include "fuzz/TouchPixels.h"
#include "shared/codecs/Jpeg2000Codec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    (void)codecs::peekJpeg2000(bytes);
    if (auto image = codecs::decodeJpeg2000(bytes))
        fuzzing::touchPixels(*image);
    return 0;
}
