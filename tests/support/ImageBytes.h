#pragma once
#include "imaging/DibImage.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

// Files built byte by byte, for the readers' tests and the fuzzers' seed corpus: the exact
// layouts that cameras and other programs write, small enough to check by hand.
namespace testsupport {

std::span<const uint8_t> asSpan(const std::string& s);
// A string of the given byte values.
std::string bytes(std::initializer_list<int> values);

// One 12-byte TIFF directory entry whose value fits in its own four bytes.
struct TiffEntry {
    uint16_t tag = 0;
    uint16_t type = 0;
    uint32_t count = 0;
    uint32_t value = 0;
};
// An APP1 payload: "Exif\0\0", then a little-endian TIFF whose first directory holds `ifd0`
// and, when `ifd1` is not empty, links to a second directory holding it; `data` follows
// right after the directories.
std::string exifPayload(const std::vector<TiffEntry>& ifd0, const std::vector<TiffEntry>& ifd1,
                        const std::string& data);
// An EXIF payload whose second directory names `thumbnail` as the embedded JPEG thumbnail.
std::string exifWithThumbnail(const std::string& thumbnail);
// `jpeg` with one APP1 segment holding `payload` right after its start marker.
std::string withApp1(const std::string& jpeg, const std::string& payload);

// A 4 x 2 8-bit run-length encoded BMP: bottom row three pixels of colour 1 (red) and one of
// colour 2 (green), top row the absolute run 2, 1, 2, 1.
std::string rle8Bmp();

// A TGA header (18 bytes) with no image id.
std::string tgaHeader(int imageType, int mapType, int mapLength, int mapBits, int width, int height,
                      int depth, int descriptor);
// A Sun raster header (32 bytes, big-endian).
std::string sunRasterHeader(int width, int height, int depth, int type, int mapType, int mapLength);

} // namespace testsupport
