#include "editor/model/PhotoEdits.h"

#include "editor/model/PhotoImporter.h"
#include "imaging/BmpFile.h"
#include "imaging/EditName.h"
#include "imaging/EffectImage.h"

#include <cstdlib>

namespace editor {

PhotoEdits::PhotoEdits(const QString& projectFolder, const QString& projectName,
                       std::set<QString> inUse)
    : projectFolder_(projectFolder), projectName_(projectName), inUse_(std::move(inUse)) {
}

// What follows the project's name and the layer's id in its file names is the edit suffix.
std::string PhotoEdits::editBase(const LayerRecord& layer) const {
    return (projectName_ + QString::number(layer.id)).toStdString();
}

std::optional<imaging::EffectImage> PhotoEdits::fullSizePicture(const QString& name) const {
    auto file = imaging::readBmp((projectFolder_ + name).toStdString());
    if (!file)
        return std::nullopt;
    imaging::EffectImage picture(std::move(*file));
    picture.toDepth24();
    return picture;
}

QString PhotoEdits::writeNextEdit(const LayerRecord& layer, const imaging::DibImage& full) const {
    // The names cycle through six: after an undo the next one may still be the file of the
    // edit undone, which Undo can bring back, so it is passed over while another is free.
    const std::string base = editBase(layer);
    std::string next = imaging::nextEditName(layer.content.toStdString(), base);
    const std::string first = next;
    for (int tries = 1; tries < 6 && inUse_.count(QString::fromStdString(next)) > 0; ++tries)
        next = imaging::nextEditName(next, base);
    if (inUse_.count(QString::fromStdString(next)) > 0)
        next = first;
    const QString name = QString::fromStdString(next);
    return imaging::saveAsBmp(full, (projectFolder_ + name).toStdString()) ? name : QString();
}

PhotoEdits::Outcome
PhotoEdits::edited(const LayerRecord& layer, bool turned,
                   const std::function<bool(imaging::EffectImage&)>& change) const {
    if (!layer.isPhoto())
        return {};
    auto full = fullSizePicture(layer.content);
    if (!full)
        return {Status::Unreadable, {}, {}, false};
    if (!change(*full))
        return {Status::Unusable, {}, {}, false};
    // Full-size files stay 24 bits whatever depth the edit worked in.
    full->toDepth24();
    const QString name = writeNextEdit(layer, *full);
    if (name.isEmpty())
        return {Status::CannotWrite, {}, {}, false};
    const int width = turned ? layer.bitmapHeight : layer.bitmapWidth;
    const int height = turned ? layer.bitmapWidth : layer.bitmapHeight;
    full->resize(width, height, imaging::EffectImage::Shape::KeepAspect,
                 imaging::EffectImage::Scaling::Smooth);
    return {Status::Done, std::move(*full), name, turned};
}

PhotoEdits::Outcome PhotoEdits::crop(const LayerRecord& layer, const PageGeometry& g) const {
    if (!layer.isPhoto() || layer.boxWidth() <= 0 || layer.boxHeight() <= 0)
        return {};
    const auto full = fullSizePicture(layer.content);
    if (!full)
        return {Status::Unreadable, {}, {}, false};
    // The frame maps onto the full-size picture in proportion to the box it was drawn in.
    const int64_t fw = full->width();
    const int64_t fh = full->height();
    const int64_t bw = layer.boxWidth();
    const int64_t bh = layer.boxHeight();
    const int left = int(std::abs(g.x - layer.x) * fw / bw);
    const int top = int(std::abs(g.y - layer.y) * fh / bh);
    const imaging::PixelRect area{left, top, left + int(g.width * fw / bw),
                                  top + int(g.height * fh / bh)};
    imaging::DibImage part;
    if (!full->extract(&part, area))
        return {};
    const QString name = writeNextEdit(layer, part);
    if (name.isEmpty())
        return {Status::CannotWrite, {}, {}, false};
    // The cropped photo is reduced like an added one; its box is the frame.
    return {Status::Done, PhotoImporter::workingPicture(part), name, false};
}

PhotoEdits::Outcome PhotoEdits::applyEffect(const LayerRecord& layer, const EffectSpec& effect,
                                            const EffectValues& values,
                                            const EffectInputs& inputs) const {
    if (!effect.takesValueCount(values.size()))
        return {};
    Outcome outcome = edited(layer, false, [&](imaging::EffectImage& picture) {
        return effect.full(picture, values, inputs);
    });
    outcome.resized = effect.setsPictureSize;
    return outcome;
}

PhotoEdits::Outcome PhotoEdits::turnClockwise(const LayerRecord& layer) const {
    return edited(layer, true, [](imaging::EffectImage& picture) {
        picture.turnClockwise();
        return true;
    });
}

PhotoEdits::Outcome PhotoEdits::mirror(const LayerRecord& layer) const {
    return edited(layer, false, [](imaging::EffectImage& picture) {
        picture.mirror();
        return true;
    });
}

PhotoEdits::Outcome PhotoEdits::originalSource(const LayerRecord& layer) const {
    if (!layer.isPhoto())
        return {};
    const QString name =
        QString::fromStdString(imaging::uneditedName(layer.content.toStdString(), editBase(layer)));
    auto picture = fullSizePicture(name);
    if (!picture)
        return {Status::Unreadable, {}, {}, false};
    picture->resize(layer.bitmapWidth, layer.bitmapHeight, imaging::EffectImage::Shape::KeepAspect,
                    imaging::EffectImage::Scaling::Smooth);
    return {Status::Done, std::move(*picture), name, false};
}

} // namespace editor
