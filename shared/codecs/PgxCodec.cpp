#include "shared/codecs/PgxCodec.h"

#include <cctype>
#include <string>
#include <vector>

namespace codecs {

namespace {

struct PgxHeader {
    bool bigEndian = true;
    bool isSigned = false;
    int depth = 0;
    int width = 0;
    int height = 0;
    size_t dataAt = 0;
};

std::optional<PgxHeader> readHeader(std::span<const uint8_t> b) {
    // The header is one short text line.
    size_t end = 0;
    while (end < b.size() && end < 256 && b[end] != '\n')
        ++end;
    if (end >= b.size() || end >= 256)
        return std::nullopt;
    const std::string line(reinterpret_cast<const char*>(b.data()), end);
    PgxHeader h;
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
    };
    auto word = [&] {
        skipBlanks();
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
            ++i;
        return line.substr(start, i - start);
    };
    auto number = [&](int& out) {
        skipBlanks();
        if (i >= line.size() || !std::isdigit(static_cast<unsigned char>(line[i])))
            return false;
        long v = 0;
        while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])) && v < 1000000)
            v = v * 10 + (line[i++] - '0');
        out = int(v);
        return true;
    };
    if (word() != "PG")
        return std::nullopt;
    const std::string order = word();
    if (order != "ML" && order != "LM")
        return std::nullopt;
    h.bigEndian = order == "ML";
    skipBlanks();
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) {
        h.isSigned = line[i] == '-';
        ++i;
    }
    if (!number(h.depth) || !number(h.width) || !number(h.height))
        return std::nullopt;
    if (h.depth < 1 || h.depth > 32 || !isSaneSize(h.width, h.height))
        return std::nullopt;
    h.dataAt = end + 1;
    return h;
}

} // namespace

std::optional<ImageHeader> peekPgx(std::span<const uint8_t> bytes) {
    const auto h = readHeader(bytes);
    if (!h)
        return std::nullopt;
    return ImageHeader{h->width, h->height, h->depth <= 8 ? 8 : 16};
}

std::optional<imaging::DibImage> decodePgx(std::span<const uint8_t> bytes) {
    const auto h = readHeader(bytes);
    if (!h)
        return std::nullopt;
    const size_t sampleBytes = h->depth <= 8 ? 1 : h->depth <= 16 ? 2 : 4;
    const size_t count = size_t(h->width) * size_t(h->height);
    if (bytes.size() - h->dataAt < count * sampleBytes)
        return std::nullopt;
    imaging::DibImage image;
    if (!image.create(h->width, h->height, 8))
        return std::nullopt;
    imaging::RgbQuad grey[256];
    for (int i = 0; i < 256; ++i)
        grey[i] = {uint8_t(i), uint8_t(i), uint8_t(i), 0};
    image.writeColourTable(0, 256, grey);

    const uint8_t* s = bytes.data() + h->dataAt;
    const int64_t offset = h->isSigned ? (int64_t(1) << (h->depth - 1)) : 0;
    for (int y = 0; y < h->height; ++y) {
        uint8_t* d = image.row(y);
        for (int x = 0; x < h->width; ++x, s += sampleBytes) {
            uint64_t raw = 0;
            for (size_t k = 0; k < sampleBytes; ++k)
                raw |= uint64_t(s[h->bigEndian ? k : sampleBytes - 1 - k])
                       << (8 * (sampleBytes - 1 - k));
            raw &= (h->depth == 32) ? 0xFFFFFFFFull : ((uint64_t(1) << h->depth) - 1);
            int64_t value = int64_t(raw);
            if (h->isSigned && (raw >> (h->depth - 1)) & 1)
                value -= int64_t(1) << h->depth;
            const uint64_t unsignedValue = uint64_t(value + offset); // 0 .. 2^depth - 1
            d[x] = h->depth >= 8 ? uint8_t(unsignedValue >> (h->depth - 8))
                                 : uint8_t(unsignedValue * 255 / ((1u << h->depth) - 1));
        }
    }
    return image;
}

} // namespace codecs
