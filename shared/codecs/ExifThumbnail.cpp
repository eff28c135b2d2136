#include "shared/codecs/ExifThumbnail.h"

#include "shared/codecs/ByteReader.h"

#include <cstring>

namespace codecs {

namespace {

std::span<const uint8_t> fromTiff(std::span<const uint8_t> tiff) {
    ByteReader t(tiff);
    const uint16_t order = t.u16le();
    if (order != 0x4949 && order != 0x4D4D)
        return {};
    const bool little = order == 0x4949;
    auto u16 = [&] { return little ? t.u16le() : t.u16be(); };
    auto u32 = [&] { return little ? t.u32le() : t.u32be(); };
    u16();
    if (!t.seek(u32()))
        return {};
    t.skip(size_t(u16()) * 12); // IFD0's entries
    const uint32_t ifd1 = u32();
    if (t.failed() || ifd1 == 0 || !t.seek(ifd1))
        return {};
    uint32_t offset = 0, size = 0;
    for (int n = u16(), i = 0; i < n && !t.failed(); ++i) {
        const int tag = u16();
        u16();
        u32();
        const uint32_t value = u32();
        if (tag == 0x0201)
            offset = value;
        else if (tag == 0x0202)
            size = value;
    }
    // Compared apart, so a forged offset near 4 GB cannot wrap round into the buffer.
    if (t.failed() || size == 0 || offset > tiff.size() || size > tiff.size() - offset)
        return {};
    return tiff.subspan(offset, size);
}

} // namespace

std::span<const uint8_t> exifThumbnail(std::span<const uint8_t> jpeg) {
    ByteReader r(jpeg);
    if (r.u16be() != 0xFFD8)
        return {};
    while (!r.failed()) {
        const int marker = r.u16be();
        if ((marker & 0xFF00) != 0xFF00 || marker == 0xFFDA || marker == 0xFFD9)
            return {};
        const int length = r.u16be();
        if (length < 2)
            return {};
        const auto segment = r.take(size_t(length - 2));
        if (r.failed())
            return {};
        if (marker == 0xFFE1 && segment.size() > 6 &&
            std::memcmp(segment.data(), "Exif\0\0", 6) == 0)
            return fromTiff(segment.subspan(6));
        // Other APP1 blocks (XMP) and every other segment: go on to the next.
    }
    return {};
}

} // namespace codecs
