#pragma once
#include "imaging/DibImage.h"
#include "shared/codecs/ByteReader.h"

#include <optional>
#include <string>

namespace codecs {

// ZSoft PCX: 1-bit, 16-colour (4 planes or 4 bits), 256-colour with the palette at the end,
// 24-bit (3 planes) and 32-bit (4 planes, the fourth dropped), run-length encoded.
std::optional<ImageHeader> peekPcx(std::span<const uint8_t> bytes);
std::optional<imaging::DibImage> decodePcx(std::span<const uint8_t> bytes);
// Writes 8-bit palette pictures as 256 colours and everything else as 24 bits.
std::string encodePcx(const imaging::DibImage& image);

} // namespace codecs
