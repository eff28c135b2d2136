#include "tests/support/ImageBytes.h"

namespace testsupport {

namespace {

std::string le16(uint32_t v) {
    return bytes({int(v & 0xFF), int((v >> 8) & 0xFF)});
}
std::string le32(uint32_t v) {
    return bytes({int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF), int(v >> 24)});
}

std::string directory(const std::vector<TiffEntry>& entries, uint32_t next) {
    std::string out = le16(uint32_t(entries.size()));
    for (const TiffEntry& e : entries)
        out += le16(e.tag) + le16(e.type) + le32(e.count) + le32(e.value);
    return out + le32(next);
}

uint32_t directorySize(size_t entries) {
    return uint32_t(2 + 12 * entries + 4);
}

// Where the data after the directories starts, from the TIFF header.
uint32_t exifDataOffset(size_t ifd0Entries, size_t ifd1Entries) {
    return 8 + directorySize(ifd0Entries) + (ifd1Entries > 0 ? directorySize(ifd1Entries) : 0);
}

} // namespace

std::span<const uint8_t> asSpan(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out.push_back(char(v));
    return out;
}

std::string exifPayload(const std::vector<TiffEntry>& ifd0, const std::vector<TiffEntry>& ifd1,
                        const std::string& data) {
    const uint32_t ifd1At = ifd1.empty() ? 0 : 8 + directorySize(ifd0.size());
    std::string tiff = std::string("II*\0", 4) + le32(8) + directory(ifd0, ifd1At);
    if (!ifd1.empty())
        tiff += directory(ifd1, 0);
    return std::string("Exif\0\0", 6) + tiff + data;
}

std::string exifWithThumbnail(const std::string& thumbnail) {
    const uint32_t at = exifDataOffset(0, 2);
    return exifPayload({}, {{0x0201, 4, 1, at}, {0x0202, 4, 1, uint32_t(thumbnail.size())}},
                       thumbnail);
}

std::string withApp1(const std::string& jpeg, const std::string& payload) {
    const size_t length = payload.size() + 2;
    return jpeg.substr(0, 2) + bytes({0xFF, 0xE1, int(length >> 8), int(length & 0xFF)}) + payload +
           jpeg.substr(2);
}

std::string rle8Bmp() {
    std::string b(54 + 1024, '\0');
    b.replace(0, 2, "BM");
    // The pixels' offset, the header's size, width, height and compression.
    for (const auto& [at, v] : {std::pair{10, 54 + 1024}, {14, 40}, {18, 4}, {22, 2}, {30, 1}})
        b.replace(at, 4, le32(v));
    b[26] = 1;                  // planes
    b[28] = 8;                  // bits per pixel
    b[54 + 4 + 2] = char(0xFF); // colour 1 red
    b[54 + 8 + 1] = char(0xFF); // colour 2 green
    return b + bytes({3, 1, 1, 2, 0, 0, 0, 4, 2, 1, 2, 1, 0, 0, 0, 1});
}

std::string tgaHeader(int imageType, int mapType, int mapLength, int mapBits, int width, int height,
                      int depth, int descriptor) {
    return bytes({0, mapType, imageType, 0, 0, mapLength & 0xFF, mapLength >> 8, mapBits, 0, 0, 0,
                  0, width & 0xFF, width >> 8, height & 0xFF, height >> 8, depth, descriptor});
}

std::string sunRasterHeader(int width, int height, int depth, int type, int mapType,
                            int mapLength) {
    std::string out;
    for (uint32_t v : {0x59A66A95u, uint32_t(width), uint32_t(height), uint32_t(depth), 0u,
                       uint32_t(type), uint32_t(mapType), uint32_t(mapLength)})
        for (int shift : {24, 16, 8, 0})
            out.push_back(char((v >> shift) & 0xFF));
    return out;
}

} // namespace testsupport
