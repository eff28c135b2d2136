// Feeds arbitrary bytes to the BMP reader: it must refuse or decode, never crash or read
// past the input.
#include "imaging/BmpFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    (void)imaging::peekBmp(bytes);
    if (auto image = imaging::decodeBmp(bytes)) {
        // Touch every pixel through the same accessors the program uses.
        uint32_t sum = 0;
        for (int y = 0; y < image->height(); ++y)
            for (int x = 0; x < image->width(); ++x)
                sum += image->pixelColour(x, y).red;
        (void)sum;
    }
    return 0;
}
