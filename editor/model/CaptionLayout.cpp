#include "editor/model/CaptionLayout.h"

#include "editor/model/Rounding.h"
#include "shared/codecs/ByteReader.h"

#include <algorithm>
#include <utility>

namespace editor {

bool CaptionLayout::fitsAPicture() const {
    return codecs::isSaneSize(width, height);
}

CaptionLayout CaptionLayout::of(const CaptionSettings& caption, double windowUnitFactor) {
    const int size = caption.size;
    const int n = int(caption.text.size());
    int lead = 0;
    while (lead < n && caption.text.at(lead) == QLatin1Char(' '))
        ++lead;
    const bool vertical = caption.style.vertical;

    CaptionLayout layout;
    // Sizes are worked in 64 bits: a long text at a large size must come out too large to
    // draw, not wrapped round to something small.
    const int64_t across = int64_t(size) * n;
    int64_t w = across >= 510 ? across : 500;
    int64_t h = int64_t(size) + 12;
    if (vertical)
        std::swap(w, h);
    if (caption.opaque) {
        w = int64_t(roundHalfUp(caption.backgroundWidth * windowUnitFactor));
        h = int64_t(roundHalfUp(caption.backgroundHeight * windowUnitFactor));
        layout.fill = caption.backgroundColour;
        // The text's length is guessed at four fifths of the font size a character.
        const int64_t e = int64_t(n - lead) * size * 4 / 5;
        if (!vertical) {
            layout.textX = int(std::max<int64_t>(0, (w - e) / 2));
            layout.textY = int(std::max<int64_t>(0, (h - size) / 2 - 2));
        } else {
            layout.textX = int(std::max<int64_t>(0, (w - size) / 2 - 2));
            layout.textY = int(std::max<int64_t>(0, h - (h - e) / 2));
        }
    } else if (!vertical) {
        layout.textX = 6;
        layout.textY = 2;
    } else {
        layout.textX = 4;
        layout.textY = int(std::max<int64_t>(0, h - 6));
    }
    constexpr int64_t kLimit = int64_t(1) << 30; // clamped; the page refuses what is too large
    layout.width = int(std::clamp<int64_t>(w, 0, kLimit));
    layout.height = int(std::clamp<int64_t>(h, 0, kLimit));
    return layout;
}

CaptionLayout::Size CaptionLayout::backgroundAlongText(Size background, bool vertical) {
    const bool across = background.width >= background.height;
    if (vertical == across && background.width != background.height)
        return {background.height, background.width};
    return background;
}

} // namespace editor
