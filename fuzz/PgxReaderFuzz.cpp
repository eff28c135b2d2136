// Feeds arbitrary bytes to the PGX reader: it must refuse or decode, never crash or read
// past the input.
#include "fuzz/TouchPixels.h"
#include "shared/codecs/PgxCodec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    (void)codecs::peekPgx(bytes);
    if (auto image = codecs::decodePgx(bytes))
        fuzzing::touchPixels(*image);
    return 0;
}
