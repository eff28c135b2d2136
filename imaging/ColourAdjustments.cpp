#include "imaging/ColourAdjustments.h"

#include "imaging/HlsColour.h"

#include <algorithm>
#include <array>
#include <vector>

namespace imaging {

namespace {

using Table = std::array<uint8_t, 256>;

uint8_t clampByte(int v) {
    return uint8_t(std::clamp(v, 0, 255));
}

// change(blue, green, red) on every pixel of a 24- or 32-bit picture, or on the colour table
// of a paletted one, which changes its colours rather than its pixels.
template <typename Change> void changeColours(DibImage& image, Change change) {
    const int depth = image.bitsPerPixel();
    if (depth <= 8) {
        const int entryCount = image.colourTableSize();
        std::vector<RgbQuad> entries(static_cast<size_t>(entryCount));
        image.readColourTable(0, entryCount, entries.data());
        for (RgbQuad& e : entries)
            change(e.blue, e.green, e.red);
        image.writeColourTable(0, entryCount, entries.data());
        return;
    }
    if (depth != 24 && depth != 32)
        return;
    const int step = depth / 8;
    for (int y = 0; y < image.height(); ++y) {
        uint8_t* p = image.row(y);
        uint8_t* const end = p + size_t(image.width()) * size_t(step);
        for (; p != end; p += step)
            change(p[0], p[1], p[2]);
    }
}

// The formulas are per channel, so a lookup table a channel gives their exact results.
void applyTables(DibImage& image, const Table& blue, const Table& green, const Table& red) {
    changeColours(image, [&](uint8_t& b, uint8_t& g, uint8_t& r) {
        b = blue[b];
        g = green[g];
        r = red[r];
    });
}

void applyTable(DibImage& image, const Table& table) {
    applyTables(image, table, table, table);
}

Table offsetTable(int offset) {
    Table t;
    for (int v = 0; v < 256; ++v)
        t[size_t(v)] = offset == 0 ? uint8_t(v) : clampByte(v + offset);
    return t;
}

} // namespace

void brightness(DibImage& image, int percent) {
    const int k = percent * 128 / 100;
    Table t;
    for (int v = 0; v < 256; ++v)
        t[size_t(v)] = uint8_t(std::min(v * k / 128, 255));
    applyTable(image, t);
}

void contrast(DibImage& image, int percent) {
    const int k = percent * 128 / 100;
    Table t;
    for (int v = 0; v < 256; ++v)
        t[size_t(v)] = clampByte((v - 128) * k / 128 + 128);
    applyTable(image, t);
}

void rgbOffsets(DibImage& image, int red, int green, int blue) {
    applyTables(image, offsetTable(blue), offsetTable(green), offsetTable(red));
}

namespace {

// The hue and saturation of a photo's colours, remembered. Many pixels share their colour with
// one met shortly before, so a row looks its colours up first and converts only those it has
// not met, all at once; a colour met twice in one row is converted once. In a grainy photo
// colours never repeat and the look-ups only cost time, so rows after one that found few of
// its colours are converted whole, until a later row tries the look-ups again.
class RememberedHueSaturation {
  public:
    RememberedHueSaturation(int hueScale, int saturationScale)
        : hueScale_(hueScale), saturationScale_(saturationScale), slots_(kSlotCount) {}

    void changeRow(uint8_t* pixels, int width, int step) {
        if (rowsWithoutLookUp_ > 0) {
            --rowsWithoutLookUp_;
            convertWhole(pixels, width, step);
            return;
        }
        waiting_.clear();
        toConvert_.clear();
        int found = 0;
        uint8_t* const end = pixels + size_t(width) * size_t(step);
        for (uint8_t* p = pixels; p != end; p += step) {
            const uint32_t colour = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
            Slot& slot = slotOf(colour);
            if (slot.colour == colour) {
                p[0] = slot.result.blue;
                p[1] = slot.result.green;
                p[2] = slot.result.red;
                ++found;
            } else {
                if (slot.colour == (colour | kBeingConverted)) {
                    ++found; // met earlier in this row
                } else {
                    slot.colour = colour | kBeingConverted;
                    slot.index = uint32_t(toConvert_.size());
                    toConvert_.push_back({p[0], p[1], p[2]});
                }
                waiting_.push_back({p, slot.index});
            }
        }
        converted_ = toConvert_;
        scaleHueSaturation(converted_.data(), converted_.size(), hueScale_, saturationScale_);
        for (const Waiting& w : waiting_) {
            const Bgr& c = converted_[w.index];
            w.pixel[0] = c.blue;
            w.pixel[1] = c.green;
            w.pixel[2] = c.red;
        }
        for (size_t i = 0; i < toConvert_.size(); ++i) {
            const Bgr& in = toConvert_[i];
            const uint32_t colour =
                uint32_t(in.blue) | uint32_t(in.green) << 8 | uint32_t(in.red) << 16;
            Slot& slot = slotOf(colour);
            if (slot.colour == (colour | kBeingConverted))
                slot = {colour, uint32_t(i), converted_[i]};
        }
        if (found < width / 4)
            rowsWithoutLookUp_ = kRowsBetweenTries;
    }

  private:
    void convertWhole(uint8_t* pixels, int width, int step) {
        converted_.clear();
        uint8_t* const end = pixels + size_t(width) * size_t(step);
        for (uint8_t* p = pixels; p != end; p += step)
            converted_.push_back({p[0], p[1], p[2]});
        scaleHueSaturation(converted_.data(), converted_.size(), hueScale_, saturationScale_);
        const Bgr* c = converted_.data();
        for (uint8_t* p = pixels; p != end; p += step, ++c) {
            p[0] = c->blue;
            p[1] = c->green;
            p[2] = c->red;
        }
    }

    static constexpr int kRowsBetweenTries = 15;
    static constexpr size_t kSlotCount = size_t(1) << 16;
    static constexpr uint32_t kBeingConverted = 0x80000000; // colours have no top byte
    struct Slot {
        uint32_t colour = 0xFFFFFFFF; // matches no colour, converted or not
        uint32_t index = 0;           // in toConvert_ while being converted
        Bgr result;
    };
    struct Waiting {
        uint8_t* pixel;
        uint32_t index;
    };

    Slot& slotOf(uint32_t colour) { return slots_[(colour * 2654435761u) >> 16]; }

    int hueScale_;
    int saturationScale_;
    int rowsWithoutLookUp_ = 0;
    std::vector<Slot> slots_;
    std::vector<Bgr> toConvert_;
    std::vector<Bgr> converted_;
    std::vector<Waiting> waiting_;
};

} // namespace

void hueSaturation(DibImage& image, int huePercent, int saturationPercent) {
    const int kh = huePercent * 128 / 100;
    const int ks = saturationPercent * 128 / 100;
    const int depth = image.bitsPerPixel();
    if (depth <= 8) { // at most 256 colours, in the colour table
        changeColours(image, [&](uint8_t& b, uint8_t& g, uint8_t& r) {
            Bgr c{b, g, r};
            scaleHueSaturation(&c, 1, kh, ks);
            b = c.blue;
            g = c.green;
            r = c.red;
        });
        return;
    }
    if (depth != 24 && depth != 32)
        return;
    RememberedHueSaturation remembered(kh, ks);
    for (int y = 0; y < image.height(); ++y)
        remembered.changeRow(image.row(y), image.width(), depth / 8);
}

int greyValue(const uint8_t* bgr) {
    return int(0.3 * bgr[0] + 0.59 * bgr[1] + 0.11 * bgr[2]);
}

void shadowOptimize(DibImage& image, int alphaPercent, int brightPercent) {
    if (image.bitsPerPixel() != 32)
        return;
    // What depends on the channel alone, and what on the darkness alone, worked out once.
    Table kept;
    for (int v = 0; v < 256; ++v)
        kept[size_t(v)] = uint8_t(v * (100 - alphaPercent) / 100);
    std::array<int, 256> mix{}, scale{};
    for (int d = 150; d < 256; ++d) {
        mix[size_t(d)] = d * alphaPercent / 100;
        scale[size_t(d)] = d * brightPercent * 256 / 22500;
    }
    for (int y = 0; y < image.height(); ++y) {
        uint8_t* p = image.row(y);
        for (int x = 0; x < image.width(); ++x, p += 4) {
            const int d = 255 - greyValue(p);
            if (d < 150)
                continue;
            for (int c = 0; c < 3; ++c) {
                const int w = kept[p[c]] + mix[size_t(d)];
                p[c] = uint8_t(std::min(w * scale[size_t(d)] / 128, 255));
            }
        }
    }
}

} // namespace imaging
