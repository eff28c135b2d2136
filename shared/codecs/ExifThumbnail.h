#pragma once
#include <cstdint>
#include <span>

namespace codecs {

// The small JPEG a camera embeds in its EXIF block (IFD1's JPEGInterchangeFormat), as a view
// into `jpeg`; empty when there is none or the block is damaged. Only the segments before the
// first scan are looked at, so the start of a file is enough.
std::span<const uint8_t> exifThumbnail(std::span<const uint8_t> jpeg);

} // namespace codecs
