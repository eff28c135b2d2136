#include "editor/model/PageComposer.h"

#include "imaging/BmpFile.h"
#include "imaging/Resampling.h"
#include "shared/codecs/ByteReader.h"

#include <algorithm>

namespace editor {

imaging::DibImage PageComposer::fitted(const imaging::DibImage& picture, int width, int height) {
    if (picture.isEmpty() || width <= 0 || height <= 0)
        return {};
    const bool larger = width > picture.width() || height > picture.height();
    return larger ? imaging::stretchHalftone(picture, width, height)
                  : imaging::reduceBitmap(picture, width, height);
}

int PageComposer::printedHeight(int pageWidth, int pageHeight, int printableWidth) {
    if (pageWidth <= 0)
        return 0;
    return int(int64_t(printableWidth) * pageHeight / pageWidth);
}

imaging::DibImage PageComposer::printed(const imaging::DibImage& page, int printableWidth) {
    const int height = printedHeight(page.width(), page.height(), printableWidth);
    if (!codecs::isSaneSize(printableWidth, height))
        return {};
    return fitted(page, printableWidth, height);
}

bool PageComposer::composeLayers(imaging::EffectImage& target, const LayerStack& stack,
                                 double scale, int skipId, const PictureOf& pictureOf) {
    for (const LayerRecord& layer : stack.layers()) {
        if (!layer.visible || layer.id == skipId)
            continue;
        const imaging::DibImage* picture = pictureOf(layer);
        if (picture == nullptr)
            return false;
        if (picture->isEmpty())
            continue;
        const int left = int(layer.x * scale);
        const int top = int(layer.y * scale);
        const imaging::PixelRect box{left, top, left + std::max(1, int(layer.boxWidth() * scale)),
                                     top + std::max(1, int(layer.boxHeight() * scale))};
        if (layer.backgroundHidden) {
            imaging::stretchKeyed(target, *picture, box,
                                  layer.isPhoto() ? layer.color : kCaptionFill);
            continue;
        }
        target.paste(fitted(*picture, box.width(), box.height()), box.left, box.top);
    }
    return true;
}

std::optional<imaging::DibImage> PageComposer::compose(const LayerStack& stack, int pageWidth,
                                                       int pageHeight, bool portrait,
                                                       const QString& projectFolder) {
    if (stack.isEmpty())
        return std::nullopt;
    imaging::EffectImage page;
    if (!page.create(pageWidth, pageHeight, 24))
        return std::nullopt;
    imaging::fill(page, 0x00FFFFFF);
    // Photos come from their full-size files, one at a time; captions from their pictures.
    std::optional<imaging::DibImage> full;
    const bool composed = composeLayers(
        page, stack, 1.0, -1, [&](const LayerRecord& layer) -> const imaging::DibImage* {
            if (!layer.isPhoto())
                return &layer.bitmap;
            full = imaging::readBmp((projectFolder + layer.content).toStdString());
            return full ? &*full : nullptr;
        });
    if (!composed)
        return std::nullopt;
    if (!portrait)
        page.turnClockwise();
    return imaging::DibImage(std::move(page));
}

} // namespace editor
