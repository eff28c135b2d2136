#include "shared/codecs/GifWriter.h"

#include <gif_lib.h>
#include <unordered_map>
#include <vector>

namespace codecs {

namespace {

int appendTo(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::string*>(gif->UserData);
    out->append(reinterpret_cast<const char*>(data), size_t(length));
    return length;
}

// Indexes the picture by its own colours when there are at most 256 of them.
bool exactPalette(const std::vector<GifByteType>& red, const std::vector<GifByteType>& green,
                  const std::vector<GifByteType>& blue, std::vector<GifByteType>& indices,
                  GifColorType* palette) {
    std::unordered_map<uint32_t, int> seen;
    for (size_t i = 0; i < red.size(); ++i) {
        const uint32_t key = (uint32_t(red[i]) << 16) | (uint32_t(green[i]) << 8) | blue[i];
        auto it = seen.find(key);
        if (it == seen.end()) {
            if (seen.size() == 256)
                return false;
            const int index = int(seen.size());
            palette[index] = {red[i], green[i], blue[i]};
            it = seen.emplace(key, index).first;
        }
        indices[i] = GifByteType(it->second);
    }
    return true;
}

} // namespace

std::string encodeGif(const imaging::DibImage& source) {
    if (source.isEmpty())
        return {};
    imaging::DibImage image(source);
    image.toDepth24();
    const int w = image.width();
    const int h = image.height();
    const size_t count = size_t(w) * size_t(h);
    std::vector<GifByteType> red(count), green(count), blue(count), indices(count);
    for (int y = 0; y < h; ++y) {
        const uint8_t* s = image.row(y);
        for (int x = 0; x < w; ++x, s += 3) {
            const size_t i = size_t(y) * size_t(w) + size_t(x);
            blue[i] = s[0];
            green[i] = s[1];
            red[i] = s[2];
        }
    }
    GifColorType palette[256] = {};
    // Pictures of up to 256 colours keep them exactly; others are reduced by median cut.
    if (!exactPalette(red, green, blue, indices, palette)) {
        int colours = 256;
        if (GifQuantizeBuffer(unsigned(w), unsigned(h), &colours, red.data(), green.data(),
                              blue.data(), indices.data(), palette) != GIF_OK)
            return {};
    }

    std::string out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendTo, &error);
    if (gif == nullptr)
        return {};
    EGifSetGifVersion(gif, false);
    ColorMapObject* map = GifMakeMapObject(256, palette);
    bool ok = map != nullptr && EGifPutScreenDesc(gif, w, h, 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < h; ++y)
        ok = EGifPutLine(gif, indices.data() + size_t(y) * size_t(w), w) == GIF_OK;
    if (map != nullptr)
        GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK)
        ok = false;
    return ok ? out : std::string();
}

} // namespace codecs
