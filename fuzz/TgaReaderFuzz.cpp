// Feeds arbitrary bytes to the TGA reader: it must refuse or decode, never crash or read
// past the input.
#include "fuzz/TouchPixels.h"
#include "shared/codecs/TgaCodec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    (void)codecs::peekTga(bytes);
    if (auto image = codecs::decodeTga(bytes))
        fuzzing::touchPixels(image->image);
    return 0;
}
