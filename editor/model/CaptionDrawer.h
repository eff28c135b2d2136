#pragma once
#include "editor/model/CaptionLayout.h"
#include "imaging/DibImage.h"

namespace editor {

// Draws a caption's text into its picture: the one step that needs fonts and a painter, kept
// behind this seam so that everything else about captions is plain arithmetic.
class CaptionDrawer {
  public:
    virtual ~CaptionDrawer() = default;
    // A 24-bit picture of layout.width x layout.height filled with layout.fill, the text at
    // (layout.textX, layout.textY) in the caption's face, size, style and colour; vertical
    // text runs bottom to top from there. An empty picture when it cannot be made.
    virtual imaging::DibImage draw(const CaptionSettings& caption,
                                   const CaptionLayout& layout) const = 0;
};

} // namespace editor
