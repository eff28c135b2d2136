#pragma once
#include "imaging/DibImage.h"
#include "shared/codecs/ByteReader.h"

#include <optional>

namespace codecs {

// JPEG 2000 through OpenJPEG: JP2 files and raw J2K code streams, told apart by their first
// bytes. One component gives 8-bit grey, three or more give 24 bits.
std::optional<ImageHeader> peekJpeg2000(std::span<const uint8_t> bytes);
std::optional<imaging::DibImage> decodeJpeg2000(std::span<const uint8_t> bytes);

} // namespace codecs
