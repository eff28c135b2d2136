#pragma once
#include "imaging/DibImage.h"
#include "shared/codecs/ByteReader.h"

#include <optional>

namespace codecs {

// PGX, the single-component grey format of the JPEG 2000 test suite: "PG ML|LM [+|-]depth
// width height" and then the samples, big- (ML) or little-endian (LM). Shown as 8-bit grey.
std::optional<ImageHeader> peekPgx(std::span<const uint8_t> bytes);
std::optional<imaging::DibImage> decodePgx(std::span<const uint8_t> bytes);

} // namespace codecs
