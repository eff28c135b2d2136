#include "editor/model/PageComposer.h"

#include "imaging/BmpFile.h"
#include "imaging/EffectImage.h"
#include "imaging/Resampling.h"
#include "shared/codecs/ByteReader.h"

#include <algorithm>
#include <optional>

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

namespace {

bool contains(const imaging::PixelRect& outer, const imaging::PixelRect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

imaging::PixelRect intersection(const imaging::PixelRect& a, const imaging::PixelRect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// The part of `picture`, drawn into `box`, that falls under `shown`; at least a pixel.
std::optional<imaging::DibImage> partUnder(const imaging::DibImage& picture,
                                           const imaging::PixelRect& box,
                                           const imaging::PixelRect& shown) {
    const int64_t pw = picture.width(), ph = picture.height();
    const int64_t bw = box.width(), bh = box.height();
    const auto across = [&](int at, int64_t sourceSize, int64_t boxSize, int origin) {
        return int(std::clamp<int64_t>((at - origin) * sourceSize / boxSize, 0, sourceSize));
    };
    imaging::PixelRect source{
        across(shown.left, pw, bw, box.left), across(shown.top, ph, bh, box.top),
        across(shown.right, pw, bw, box.left), across(shown.bottom, ph, bh, box.top)};
    source.right = std::max(source.right, std::min(source.left + 1, int(pw)));
    source.bottom = std::max(source.bottom, std::min(source.top + 1, int(ph)));
    source.left = std::min(source.left, source.right - 1);
    source.top = std::min(source.top, source.bottom - 1);
    imaging::DibImage part;
    if (!imaging::EffectImage(picture).extract(&part, source))
        return std::nullopt;
    return part;
}

} // namespace

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
        imaging::PixelRect box{left, top, left + std::max(1, int(layer.boxWidth() * scale)),
                               top + std::max(1, int(layer.boxHeight() * scale))};
        // Only the part of a layer that lies on the page is drawn: a box far larger than the
        // page is no larger a picture to make, and one off the page is none at all.
        std::optional<imaging::DibImage> visiblePart;
        const imaging::PixelRect page{0, 0, target.width(), target.height()};
        if (!contains(page, box)) {
            const imaging::PixelRect shown = intersection(page, box);
            if (shown.isEmpty())
                continue;
            visiblePart = partUnder(*picture, box, shown);
            if (!visiblePart)
                return false;
            picture = &*visiblePart;
            box = shown;
        }
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
