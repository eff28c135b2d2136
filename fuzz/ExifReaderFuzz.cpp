// Feeds arbitrary bytes to the EXIF thumbnail finder and the JPEG header readers: they must
// refuse or answer, never crash or read past the input.
#include "shared/codecs/ExifThumbnail.h"
#include "shared/codecs/StandardHeaders.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const auto thumbnail = codecs::exifThumbnail(bytes);
    volatile uint8_t sink = 0;
    for (uint8_t byte : thumbnail) // the view must lie inside the input
        sink = sink + byte;
    (void)codecs::peekJpeg(bytes);
    (void)codecs::isCompleteJpeg(bytes);
    (void)codecs::peekTiff(bytes);
    (void)codecs::peekPng(bytes);
    (void)codecs::isCompletePng(bytes);
    (void)codecs::peekGif(bytes);
    (void)codecs::isCompleteGif(bytes);
    return 0;
}
