#include "editor/model/PageComposer.h"

#include "imaging/BmpFile.h"
#include "imaging/EffectImage.h"
#include "imaging/Resampling.h"

namespace editor {

std::optional<imaging::DibImage> PageComposer::compose(const LayerStack& stack, int pageWidth,
                                                       int pageHeight, bool portrait,
                                                       const QString& projectFolder) {
    if (stack.isEmpty())
        return std::nullopt;
    imaging::EffectImage page;
    if (!page.create(pageWidth, pageHeight, 24))
        return std::nullopt;
    imaging::fill(page, 0x00FFFFFF);

    for (const LayerRecord& layer : stack.layers()) {
        if (!layer.visible)
            continue;
        const imaging::PixelRect box{layer.x, layer.y, layer.x + layer.boxWidth(),
                                     layer.y + layer.boxHeight()};
        std::optional<imaging::DibImage> source;
        if (layer.isPhoto())
            source = imaging::readBmp((projectFolder + layer.content).toStdString());
        else
            source = layer.bitmap;
        if (!source || source->isEmpty())
            return std::nullopt;
        if (box.isEmpty())
            continue;

        if (layer.backgroundHidden) {
            const imaging::ColorRef key = layer.isPhoto() ? layer.color : kCaptionFill;
            imaging::stretchKeyed(page, *source, box, key);
            continue;
        }
        const bool notLarger = box.width() <= source->width() && box.height() <= source->height();
        const imaging::DibImage fitted =
            notLarger ? imaging::reduceBitmap(*source, box.width(), box.height())
                      : imaging::stretchHalftone(*source, box.width(), box.height());
        imaging::blit(page, fitted, layer.x, layer.y);
    }
    if (!portrait)
        page.turnClockwise();
    return imaging::DibImage(std::move(page));
}

} // namespace editor
