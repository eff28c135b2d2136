#include "imaging/BmpFile.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace imaging {

namespace {

void put32(std::string& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[at + size_t(i)] = char((v >> (8 * i)) & 0xFF);
}
uint16_t get16(std::span<const uint8_t> b, size_t at) {
    return uint16_t(b[at] | (b[at + 1] << 8));
}
uint32_t get32(std::span<const uint8_t> b, size_t at) {
    return uint32_t(b[at]) | (uint32_t(b[at + 1]) << 8) | (uint32_t(b[at + 2]) << 16) |
           (uint32_t(b[at + 3]) << 24);
}

struct Layout {
    int slots = 0;
    size_t imageBytes = 0;
    size_t fileSize = 0;
};
Layout layoutOf(const DibImage& image) {
    Layout l;
    l.slots = image.bitsPerPixel() <= 8 ? (1 << image.bitsPerPixel()) : 4;
    l.imageBytes = size_t(image.stride()) * size_t(image.height());
    l.fileSize = l.imageBytes + 4 * size_t(l.slots) + 54;
    return l;
}

} // namespace

namespace {

// Everything before the pixels: file header, 40-byte information header, and the four
// mask slots or the colour table.
std::string headerOf(const DibImage& image, const Layout& l) {
    std::string out(l.fileSize - l.imageBytes, '\0');
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, uint32_t(l.fileSize));
    put32(out, 10, uint32_t(l.fileSize - l.imageBytes));
    // The first 40 bytes of the in-memory header, with its size field saying 40.
    DibHeader h = image.header();
    h.size = 40;
    std::memcpy(out.data() + 14, &h, 40);
    if (image.compression() == kBitFields) {
        put32(out, 54, h.redMask);
        put32(out, 58, h.greenMask);
        put32(out, 62, h.blueMask);
    } else if (image.bitsPerPixel() <= 8) {
        auto table = std::vector<RgbQuad>(size_t(l.slots));
        image.readColourTable(0, l.slots, table.data());
        std::memcpy(out.data() + 54, table.data(), table.size() * 4);
    }
    return out;
}

} // namespace

std::string encodeBmp(const DibImage& image) {
    if (image.isEmpty())
        return {};
    const Layout l = layoutOf(image);
    std::string out = headerOf(image, l);
    out.append(reinterpret_cast<const char*>(image.pixels()), l.imageBytes);
    return out;
}

bool saveAsBmp(const DibImage& image, const std::string& path) {
    if (image.isEmpty())
        return false;
    const Layout l = layoutOf(image);
    const std::string header = headerOf(image, l);
    // Write beside the target and rename over it, so a full disk never leaves a torn file
    // where a good picture was. The pixels go out straight from memory, bottom row first.
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(header.data(), std::streamsize(header.size()));
        out.write(reinterpret_cast<const char*>(image.pixels()), std::streamsize(l.imageBytes));
        out.flush();
        if (!out) {
            out.close();
            std::remove(temp.c_str());
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

namespace {

// The depths a BMP may store its pixels in. Any other, 0 above all, would need no pixel data
// and let a header alone pass the check that the data can fill the picture.
bool isStoredDepth(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

} // namespace

std::optional<BmpInfo> peekBmp(std::span<const uint8_t> b) {
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M')
        return std::nullopt;
    const uint32_t headerSize = get32(b, 14);
    if (headerSize == 12) {
        if (!isStoredDepth(get16(b, 24)))
            return std::nullopt;
        return BmpInfo{get16(b, 18), get16(b, 20), get16(b, 24)};
    }
    if (headerSize < 40 || b.size() < 54)
        return std::nullopt;
    const int32_t w = int32_t(get32(b, 18));
    const int32_t h = int32_t(get32(b, 22));
    if (w <= 0 || h == 0 || h == INT32_MIN || !isStoredDepth(get16(b, 28)))
        return std::nullopt;
    return BmpInfo{w, h < 0 ? -h : h, get16(b, 28)};
}

namespace {

// Unpacks 8- or 4-bit run-length data into bottom-up rows; false on malformed data.
bool decodeRle(std::span<const uint8_t> src, DibImage& image, bool fourBit) {
    const int w = image.width();
    const int h = image.height();
    int x = 0;
    int yUp = 0; // row counted from the bottom
    size_t i = 0;
    auto put = [&](int px, int value) {
        if (px < 0 || px >= w || yUp >= h)
            return;
        uint8_t* row = image.row(h - 1 - yUp);
        if (fourBit) {
            uint8_t& byte = row[px / 2];
            byte = (px % 2 == 0) ? uint8_t((byte & 0x0F) | (value << 4))
                                 : uint8_t((byte & 0xF0) | (value & 0x0F));
        } else {
            row[px] = uint8_t(value);
        }
    };
    while (i + 1 < src.size()) {
        const int count = src[i];
        const int value = src[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k)
                put(x + k, fourBit ? ((k % 2 == 0) ? value >> 4 : value & 0x0F) : value);
            x += count;
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++yUp;
        } else if (value == 1) { // end of bitmap
            return true;
        } else if (value == 2) { // delta
            if (i + 1 >= src.size())
                return false;
            x += src[i];
            yUp += src[i + 1];
            i += 2;
        } else { // absolute run of `value` pixels
            const int n = value;
            const size_t bytes = fourBit ? size_t((n + 1) / 2) : size_t(n);
            if (i + bytes > src.size())
                return false;
            for (int k = 0; k < n; ++k) {
                int v = fourBit ? ((k % 2 == 0) ? src[i + size_t(k / 2)] >> 4
                                                : src[i + size_t(k / 2)] & 0x0F)
                                : src[i + size_t(k)];
                put(x + k, v);
            }
            x += n;
            i += bytes + (bytes % 2); // runs are padded to a word
        }
        if (yUp > h)
            return false;
    }
    return true; // a missing end marker is tolerated, as most readers do
}

bool isUsualMasks(int bits, uint32_t r, uint32_t g, uint32_t b) {
    if (bits == 32)
        return r == 0x00FF0000 && g == 0x0000FF00 && b == 0x000000FF;
    return true; // 16-bit pictures keep their masks; pixel colour expands them
}

} // namespace

std::optional<DibImage> decodeBmp(std::span<const uint8_t> b) {
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M')
        return std::nullopt;
    const uint32_t pixelOffset = get32(b, 10);
    const uint32_t headerSize = get32(b, 14);
    int32_t width = 0;
    int32_t height = 0;
    int bits = 0;
    uint32_t compression = kPlainRgb;
    uint32_t coloursUsed = 0;
    size_t tableAt = 14 + headerSize;
    int tableEntrySize = 4;
    if (headerSize == 12) { // OS/2 core header
        width = get16(b, 18);
        height = int16_t(get16(b, 20));
        bits = get16(b, 24);
        tableEntrySize = 3;
    } else if (headerSize >= 40 && headerSize <= 124 && b.size() >= 54) {
        width = int32_t(get32(b, 18));
        height = int32_t(get32(b, 22));
        bits = get16(b, 28);
        compression = get32(b, 30);
        coloursUsed = get32(b, 46);
    } else {
        return std::nullopt;
    }
    if (width <= 0 || height == 0 || height == INT32_MIN || !isStoredDepth(bits))
        return std::nullopt;
    const bool topDown = height < 0;
    const int32_t rows = topDown ? -height : height;
    if (width > DibImage::kMaxSide || rows > DibImage::kMaxSide ||
        int64_t(width) * rows > DibImage::kMaxPixels)
        return std::nullopt;

    BitMasks masks{};
    if (compression == kBitFields) {
        if (bits != 16 && bits != 32)
            return std::nullopt;
        const size_t at = 54; // masks follow a 40-byte header, or sit inside a longer one
        if (b.size() < at + 12)
            return std::nullopt;
        masks = {get32(b, at), get32(b, at + 4), get32(b, at + 8)};
        if (headerSize == 40)
            tableAt += 12;
    } else if (compression == 1 || compression == 2) {
        if ((compression == 1 && bits != 8) || (compression == 2 && bits != 4) || topDown)
            return std::nullopt;
    } else if (compression != kPlainRgb) {
        return std::nullopt;
    }
    if (bits == 16 && compression == kPlainRgb)
        masks = {0x7C00, 0x03E0, 0x001F};

    // Refuse files whose pixel data cannot be there before allocating anything for them.
    if (pixelOffset >= b.size())
        return std::nullopt;
    const size_t available = b.size() - pixelOffset;
    const size_t rowBytes = size_t(DibImage::strideFor(width, bits));
    const size_t lastRowBytes = (size_t(bits) * size_t(width) + 7) / 8;
    if (compression == 1 || compression == 2) {
        // A run of two bytes makes at most 255 pixels.
        if (uint64_t(width) * uint64_t(rows) > uint64_t(available) * 128)
            return std::nullopt;
    } else if (available < rowBytes * size_t(rows - 1) + lastRowBytes) {
        // Many writers drop the padding of the very last row; anything shorter is truncated.
        return std::nullopt;
    }

    DibImage image;
    const bool keepMasks =
        compression == kBitFields && isUsualMasks(bits, masks.red, masks.green, masks.blue);
    const bool ok = (compression == kBitFields && keepMasks && bits == 16)
                        ? image.create(width, rows, bits, kBitFields, &masks)
                        : image.create(width, rows, bits);
    if (!ok)
        return std::nullopt;

    if (bits <= 8) {
        const int maxEntries = 1 << bits;
        int entries = coloursUsed == 0 ? maxEntries
                                       : int(std::min<uint32_t>(coloursUsed, uint32_t(maxEntries)));
        if (tableAt + size_t(entries) * size_t(tableEntrySize) > b.size())
            return std::nullopt;
        auto table = std::vector<RgbQuad>(size_t(maxEntries));
        for (int i = 0; i < entries; ++i) {
            const size_t at = tableAt + size_t(i) * size_t(tableEntrySize);
            table[size_t(i)] = {b[at], b[at + 1], b[at + 2], 0};
        }
        image.writeColourTable(0, maxEntries, table.data());
    }

    const std::span<const uint8_t> data = b.subspan(pixelOffset);
    if (compression == 1 || compression == 2) {
        if (!decodeRle(data, image, compression == 2))
            return std::nullopt;
        return image;
    }

    const size_t stride = rowBytes;
    for (int32_t i = 0; i < rows; ++i) {
        // File row i is the bottom row i for bottom-up files and the top row i otherwise.
        const int y = topDown ? i : rows - 1 - i;
        const size_t at = size_t(i) * stride;
        const size_t n = std::min(stride, data.size() - at);
        std::memcpy(image.row(y), data.data() + at, n);
    }
    if (compression == kBitFields && !keepMasks) {
        // Unusual 32-bit masks: read each pixel through them into plain 24 bits.
        DibImage masked;
        if (!masked.create(width, rows, 32, kBitFields, &masks))
            return std::nullopt;
        std::memcpy(masked.pixels(), image.pixels(), image.imageBytes());
        masked.toDepth24();
        return masked;
    }
    return image;
}

std::optional<DibImage> readBmp(const std::string& path) {
    // Only a regular file of a sane size is read: a folder "opens" and reports an end past
    // any memory, and a FIFO would hold the open until some writer came.
    constexpr std::streamoff kMaxBytes = std::streamoff(1) << 30;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size <= 0 || size > kMaxBytes)
        return std::nullopt;
    in.seekg(0);
    auto bytes = std::vector<uint8_t>(size_t(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size))
        return std::nullopt;
    return decodeBmp(bytes);
}

} // namespace imaging
