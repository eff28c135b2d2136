#pragma once
#include "editor/model/LayerStack.h"
#include "imaging/DibImage.h"

#include <QString>
#include <optional>

namespace editor {

// The light yellow that fills caption pictures and counts as transparent for them.
inline constexpr imaging::ColorRef kCaptionFill = 0x00A5FFFF;

// Builds the whole page at page resolution, the source of printing, export and the previews.
// Photos are read again from their full-size files in the project folder so that a photo
// shown larger than its working picture still prints sharp.
class PageComposer {
  public:
    // Nothing for an empty stack or when a photo's full-size file cannot be read. A landscape
    // page comes back turned a quarter clockwise.
    static std::optional<imaging::DibImage> compose(const LayerStack& stack, int pageWidth,
                                                    int pageHeight, bool portrait,
                                                    const QString& projectFolder);
};

} // namespace editor
