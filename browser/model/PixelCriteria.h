#pragma once
#include "shared/ImageFile.h"

#include <optional>

namespace browser {

// The search's tests on a picture's size and colour depth, read from its header. They run
// after the name, size and date tests, on the few files that passed those.
struct PixelCriteria {
    // In the order of the dialog's combos: ">", "<", "=".
    enum class Compare { Greater, Less, Equal };
    struct Dimensions {
        Compare widthCompare = Compare::Greater;
        int width = 0;
        Compare heightCompare = Compare::Greater;
        int height = 0;
    };
    // Depth indices: 0 monochromatic (and any depth not listed), 1 16 colours, 2 256 colours,
    // 3 16 bit, 4 24 bit.
    struct Colours {
        Compare compare = Compare::Greater;
        int depthIndex = 0;
    };

    std::optional<Dimensions> dimensions;
    std::optional<Colours> colours;

    bool isOn() const { return dimensions || colours; }
    // A picture that could not be read fails every test: it has no size to be compared.
    bool passes(const quillax::ImageInfo& info) const;

    static int depthIndex(int bitsPerPixel);
};

} // namespace browser
