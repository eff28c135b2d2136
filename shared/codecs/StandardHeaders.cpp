#include "shared/codecs/StandardHeaders.h"

#include <cctype>
#include <cstring>

namespace codecs {

namespace {

int paletteDepth(int bits) {
    if (bits <= 1)
        return 1;
    if (bits <= 4)
        return 4;
    return 8;
}

} // namespace

std::optional<ImageHeader> peekPng(std::span<const uint8_t> b) {
    static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (b.size() < 26 || std::memcmp(b.data(), signature, 8) != 0 ||
        std::memcmp(b.data() + 12, "IHDR", 4) != 0)
        return std::nullopt;
    ByteReader r(b);
    r.seek(16);
    ImageHeader h;
    h.width = int(r.u32be() & 0x7FFFFFFF);
    h.height = int(r.u32be() & 0x7FFFFFFF);
    const int depth = r.u8();
    const int colourType = r.u8();
    if (colourType == 3 || colourType == 0)
        h.bitsPerPixel = depth == 16 ? 16 : paletteDepth(depth);
    else
        h.bitsPerPixel = 24;
    return h;
}

std::optional<ImageHeader> peekGif(std::span<const uint8_t> b) {
    if (b.size() < 13 ||
        (std::memcmp(b.data(), "GIF87a", 6) != 0 && std::memcmp(b.data(), "GIF89a", 6) != 0))
        return std::nullopt;
    ByteReader r(b);
    r.seek(6);
    ImageHeader h;
    h.width = r.u16le();
    h.height = r.u16le();
    const int packed = r.u8();
    h.bitsPerPixel = (packed & 0x80) ? paletteDepth((packed & 7) + 1) : 8;
    return h;
}

std::optional<ImageHeader> peekJpeg(std::span<const uint8_t> b) {
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8)
        return std::nullopt;
    ByteReader r(b);
    r.seek(2);
    while (!r.failed()) {
        if (r.u8() != 0xFF)
            return std::nullopt;
        int marker = r.u8();
        while (marker == 0xFF && !r.failed())
            marker = r.u8();
        if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01)
            continue;
        const int length = r.u16be();
        if (length < 2)
            return std::nullopt;
        const bool startOfFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            r.u8(); // precision
            ImageHeader h;
            h.height = r.u16be();
            h.width = r.u16be();
            h.bitsPerPixel = r.u8() == 1 ? 8 : 24;
            if (r.failed())
                return std::nullopt;
            return h;
        }
        r.skip(size_t(length - 2));
    }
    return std::nullopt;
}

std::optional<ImageHeader> peekTiff(std::span<const uint8_t> b) {
    if (b.size() < 8)
        return std::nullopt;
    const bool little = b[0] == 'I' && b[1] == 'I';
    const bool big = b[0] == 'M' && b[1] == 'M';
    if (!little && !big)
        return std::nullopt;
    ByteReader r(b);
    auto u16 = [&] { return little ? r.u16le() : r.u16be(); };
    auto u32 = [&] { return little ? r.u32le() : r.u32be(); };
    r.seek(2);
    if (u16() != 42)
        return std::nullopt;
    if (!r.seek(u32()))
        return std::nullopt;
    const int entries = u16();
    ImageHeader h;
    int samples = 1;
    int bitsPerSample = 1;
    for (int i = 0; i < entries && !r.failed(); ++i) {
        const int tag = u16();
        const int type = u16();
        const uint32_t count = u32();
        const size_t valueAt = r.position();
        const uint32_t value = type == 3 ? uint32_t(u16()) : u32();
        if (type == 3)
            u16();
        switch (tag) {
        case 256:
            h.width = int(value);
            break;
        case 257:
            h.height = int(value);
            break;
        case 258: {
            // One or two shorts sit in the field itself; more are found at the offset it holds.
            ByteReader at(b);
            at.seek(valueAt);
            if (count > 2)
                at.seek(little ? at.u32le() : at.u32be());
            bitsPerSample = little ? at.u16le() : at.u16be();
            break;
        }
        case 277:
            samples = int(value);
            break;
        default:
            break;
        }
        r.seek(valueAt + 4);
    }
    if (r.failed() || h.width <= 0 || h.height <= 0)
        return std::nullopt;
    if (samples >= 3)
        h.bitsPerPixel = 24;
    else
        h.bitsPerPixel = bitsPerSample == 16 ? 16 : paletteDepth(bitsPerSample);
    return h;
}

std::optional<ImageHeader> peekPnm(std::span<const uint8_t> b) {
    if (b.size() < 3 || b[0] != 'P' || b[1] < '1' || b[1] > '6')
        return std::nullopt;
    const int kind = b[1] - '0';
    size_t i = 2;
    auto next = [&](long& out) {
        while (i < b.size()) {
            if (b[i] == '#') {
                while (i < b.size() && b[i] != '\n')
                    ++i;
            } else if (std::isspace(b[i])) {
                ++i;
            } else {
                break;
            }
        }
        if (i >= b.size() || !std::isdigit(b[i]))
            return false;
        out = 0;
        while (i < b.size() && std::isdigit(b[i]) && out < 10000000)
            out = out * 10 + (b[i++] - '0');
        return true;
    };
    long w = 0, h = 0, maxValue = 1;
    if (!next(w) || !next(h))
        return std::nullopt;
    if (kind != 1 && kind != 4 && !next(maxValue))
        return std::nullopt;
    ImageHeader header{int(w), int(h), 24};
    if (kind == 1 || kind == 4)
        header.bitsPerPixel = 1;
    else if (kind == 2 || kind == 5)
        header.bitsPerPixel = maxValue > 255 ? 16 : 8;
    return header;
}

std::optional<ImageHeader> peekIco(std::span<const uint8_t> b) {
    ByteReader r(b);
    if (r.u16le() != 0 || r.u16le() != 1 || r.u16le() == 0)
        return std::nullopt;
    ImageHeader h;
    h.width = r.u8();
    h.height = r.u8();
    const int colours = r.u8();
    r.skip(3);
    const int bits = r.u16le();
    if (r.failed())
        return std::nullopt;
    if (h.width == 0)
        h.width = 256;
    if (h.height == 0)
        h.height = 256;
    if (bits == 1 || bits == 4 || bits == 8)
        h.bitsPerPixel = bits;
    else if (bits == 0 && colours == 2)
        h.bitsPerPixel = 1;
    else if (bits == 0 && colours == 16)
        h.bitsPerPixel = 4;
    else
        h.bitsPerPixel = 24;
    return h;
}

std::optional<ImageHeader> peekWbmp(std::span<const uint8_t> b) {
    ByteReader r(b);
    if (r.u8() != 0)
        return std::nullopt;
    int fixed = r.u8();
    while ((fixed & 0x80) && !r.failed())
        fixed = r.u8();
    auto multiByte = [&r] {
        int value = 0;
        for (int k = 0; k < 4; ++k) {
            const int byte = r.u8();
            value = (value << 7) | (byte & 0x7F);
            if (!(byte & 0x80))
                break;
        }
        return value;
    };
    ImageHeader h;
    h.width = multiByte();
    h.height = multiByte();
    h.bitsPerPixel = 1;
    if (r.failed() || h.width <= 0 || h.height <= 0)
        return std::nullopt;
    return h;
}

bool isCompleteJpeg(std::span<const uint8_t> b) {
    // Walk the segments; after each scan, its entropy-coded data runs to the next marker that
    // is neither a stuffed 0xFF nor a restart. The file is whole when the end-of-image marker
    // follows; anything after it (a camera's trailer) does not matter.
    ByteReader r(b);
    if (r.u16be() != 0xFFD8)
        return false;
    size_t i = 2;
    while (i + 1 < b.size()) {
        if (b[i] != 0xFF)
            return false;
        const uint8_t marker = b[i + 1];
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        if (marker == 0xD9)
            return true;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            i += 2;
            continue;
        }
        if (i + 3 >= b.size())
            return false;
        const size_t length = size_t(b[i + 2]) << 8 | b[i + 3];
        if (length < 2)
            return false;
        i += 2 + length;
        if (marker != 0xDA)
            continue;
        // Entropy-coded data of the scan.
        while (i + 1 < b.size() &&
               !(b[i] == 0xFF && b[i + 1] != 0x00 && (b[i + 1] < 0xD0 || b[i + 1] > 0xD7)))
            ++i;
    }
    return false;
}

bool isCompletePng(std::span<const uint8_t> b) {
    // Walk the chunks up to IEND.
    ByteReader r(b);
    r.seek(8);
    while (!r.failed() && r.remaining() >= 12) {
        const uint32_t length = r.u32be();
        const auto type = r.take(4);
        if (r.failed())
            return false;
        if (std::memcmp(type.data(), "IEND", 4) == 0)
            return true;
        if (!r.skip(size_t(length) + 4))
            return false;
    }
    return false;
}

bool isCompleteGif(std::span<const uint8_t> b) {
    ByteReader r(b);
    r.seek(10);
    const int packed = r.u8();
    r.skip(2);
    if (packed & 0x80)
        r.skip(size_t(3) << ((packed & 7) + 1));
    auto skipSubBlocks = [&r] {
        for (int size = r.u8(); size != 0 && !r.failed(); size = r.u8())
            r.skip(size_t(size));
    };
    while (!r.failed()) {
        const int block = r.u8();
        if (r.failed())
            return false;
        if (block == 0x3B)
            return true;
        if (block == 0x21) {
            r.u8();
            skipSubBlocks();
        } else if (block == 0x2C) {
            r.skip(8);
            const int local = r.u8();
            if (local & 0x80)
                r.skip(size_t(3) << ((local & 7) + 1));
            r.u8(); // code size
            skipSubBlocks();
        } else {
            return false;
        }
    }
    return false;
}

} // namespace codecs
