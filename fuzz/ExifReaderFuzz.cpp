// Feeds arbitrary bytes to the EXIF reader that finds a JPEG's embedded thumbnail: it must
// find nothing or a view that lies inside the input, never crash or read past it.
#include "shared/codecs/ExifThumbnail.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const auto thumbnail = codecs::exifThumbnail(bytes);
    volatile uint8_t sink = 0;
    for (uint8_t byte : thumbnail)
        sink = sink + byte;
    return 0;
}
