// Feeds arbitrary bytes to the header readers of the formats Qt decodes for us (JPEG, PNG,
// GIF, TIFF, PNM, ICO, WBMP) and to the end-of-file checks: each must refuse or answer,
// never crash or read past the input.
#include "shared/codecs/StandardHeaders.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    (void)codecs::peekJpeg(bytes);
    (void)codecs::peekPng(bytes);
    (void)codecs::peekGif(bytes);
    (void)codecs::peekTiff(bytes);
    (void)codecs::peekPnm(bytes);
    (void)codecs::peekIco(bytes);
    (void)codecs::peekWbmp(bytes);
    (void)codecs::isCompleteJpeg(bytes);
    (void)codecs::isCompletePng(bytes);
    (void)codecs::isCompleteGif(bytes);
    return 0;
}
