#pragma once
#include "editor/model/LayerStack.h"
#include "imaging/EffectImage.h"

#include <QString>
#include <functional>
#include <optional>

namespace editor {

// The light yellow that fills caption pictures and counts as transparent for them.
inline constexpr imaging::ColorRef kCaptionFill = 0x00A5FFFF;

// Builds the whole page at page resolution, the source of printing, export and the previews.
// Photos are read again from their full-size files in the project folder so that a photo
// shown larger than its working picture still prints sharp.
class PageComposer {
  public:
    // Where a layer's picture comes from: its working picture for the screen, its full-size
    // file for the page. Null when it cannot be had.
    using PictureOf = std::function<const imaging::DibImage*(const LayerRecord&)>;

    // A picture brought to width x height: reduced when it is larger, half-tone stretched
    // when it is smaller either way. Empty for an empty picture or size.
    static imaging::DibImage fitted(const imaging::DibImage& picture, int width, int height);

    // The height a page of pageWidth x pageHeight takes on paper when its width fills the
    // printable width; the printable height plays no part (a relatively taller page is cut off
    // at the bottom by the printer).
    static int printedHeight(int pageWidth, int pageHeight, int printableWidth);
    // The composed page as it goes to the printer: printableWidth x printedHeight, half-tone
    // enlarged or reduced by area. Empty when that picture would be too large to hold.
    static imaging::DibImage printed(const imaging::DibImage& page, int printableWidth);

    // Draws the visible layers, bottom first, into `target` at `scale` target pixels a page
    // pixel, leaving out layer `skipId`: each picture fitted to its box (reduced when it is
    // larger, half-tone stretched when smaller), or stretched with its key colour left out
    // when its background is hidden. A box thinner than a target pixel still gets one.
    // False, with the target partly drawn, when a layer's picture cannot be had.
    static bool composeLayers(imaging::EffectImage& target, const LayerStack& stack, double scale,
                              int skipId, const PictureOf& pictureOf);

    // Nothing for an empty stack or when a photo's full-size file cannot be read. A landscape
    // page comes back turned a quarter clockwise.
    static std::optional<imaging::DibImage> compose(const LayerStack& stack, int pageWidth,
                                                    int pageHeight, bool portrait,
                                                    const QString& projectFolder);
};

} // namespace editor
