// Feeds arbitrary bytes to the PCX reader: it must refuse or decode, never crash or read
// past the input.
#include "fuzz/TouchPixels.h"
#include "shared/codecs/PcxCodec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    (void)codecs::peekPcx(bytes);
    if (auto image = codecs::decodePcx(bytes))
        fuzzing::touchPixels(*image);
    return 0;
}
