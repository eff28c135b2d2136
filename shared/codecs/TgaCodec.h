#pragma once
#include "imaging/DibImage.h"
#include "shared/codecs/ByteReader.h"

#include <optional>
#include <string>

namespace codecs {

struct DecodedPicture {
    imaging::DibImage image;
    // The fourth byte of a 32-bit picture is an alpha channel to respect.
    bool hasAlpha = false;
};

// Truevision TGA, with or without the version-2 footer: colour-mapped, true colour (15, 16,
// 24, 32 bits) and grey, plain or run-length encoded, any corner of origin.
std::optional<ImageHeader> peekTga(std::span<const uint8_t> bytes);
std::optional<DecodedPicture> decodeTga(std::span<const uint8_t> bytes);
// Writes 24-bit run-length encoded true colour, top row first, with the version-2 footer.
std::string encodeTga(const imaging::DibImage& image);

} // namespace codecs
