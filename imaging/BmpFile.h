#pragma once
#include "imaging/DibImage.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace imaging {

// Writes the picture as a BMP file: 14-byte file header, 40-byte information header, then
// four colour-table slots of room (masks or zeros) for deep pictures or the whole colour
// table for palette pictures, then the bottom-up rows. False when the picture is empty or
// the file cannot be written completely; a failed write leaves no half-written file behind.
[[nodiscard]] bool saveAsBmp(const DibImage& image, const std::string& path);

// The bytes saveAsBmp would write.
std::string encodeBmp(const DibImage& image);

// Reads a BMP file: 1, 4, 8, 16, 24 and 32 bits, bottom-up or top-down, plain or bit fields,
// and 8- and 4-bit run-length encoding. Deep bit-field pictures whose masks are not the usual
// ones come back as 24 bits. Nothing on a truncated, corrupt or absurdly large file.
std::optional<DibImage> decodeBmp(std::span<const uint8_t> bytes);
std::optional<DibImage> readBmp(const std::string& path);

struct BmpInfo {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};
// Just the header's size and depth, without reading the pixels.
std::optional<BmpInfo> peekBmp(std::span<const uint8_t> bytes);

} // namespace imaging
