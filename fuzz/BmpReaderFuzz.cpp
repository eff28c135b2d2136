// Feeds arbitrary bytes to the BMP reader: it must refuse or decode, never crash or read
// past the input.
#include "fuzz/TouchPixels.h"
#include "imaging/BmpFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    (void)imaging::peekBmp(bytes);
    if (auto image = imaging::decodeBmp(bytes)) {
        fuzzing::touchPixels(*image);
        // The colour lookup the program uses must stay inside the colour table.
        uint32_t sum = 0;
        for (int y = 0; y < image->height(); ++y)
            for (int x = 0; x < image->width(); ++x)
                sum += image->pixelColour(x, y).red;
        volatile uint32_t sink = sum;
        (void)sink;
    }
    return 0;
}
