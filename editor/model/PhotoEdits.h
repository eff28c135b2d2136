#pragma once
#include "editor/model/CanvasGeometry.h"
#include "editor/model/EffectCatalogue.h"
#include "editor/model/LayerRecord.h"
#include "imaging/DibImage.h"

#include <QString>
#include <functional>
#include <optional>
#include <set>

namespace imaging {
class EffectImage;
}

namespace editor {

// What an edit makes of a photo layer: an effect, a crop, a quarter turn, a mirror or the way
// back to the photo as it was added. Each works on the layer's full-size file and writes the
// result under the layer's next edit name ("_1" to "_6"), so that print, export, undo and a
// reopened project all see the edit; the working picture comes out at the layer's size. The
// layer itself is left alone: the document puts the outcome in place and records it.
class PhotoEdits {
  public:
    // `projectFolder` holds the full-size files, named after `projectName` and the layer id.
    // `inUse` names the files the page and its undo history still show; an edit is not
    // written over one of them while another edit name is free.
    PhotoEdits(const QString& projectFolder, const QString& projectName,
               std::set<QString> inUse = {});

    // Unusable: the effect had nothing to work with (a second picture gone or unreadable), or
    // its result could not be made (a turn too large).
    enum class Status { Done, Unreadable, CannotWrite, Refused, Unusable };
    struct Outcome {
        Status status = Status::Refused;
        imaging::DibImage working; // the layer's new working picture
        QString content;           // the layer's new full-size file
        bool turned = false;       // the box turns with the picture
        bool resized = false;      // the picture's own size becomes the layer's picture size
    };

    // Only the part of the photo under `frame` (page pixels, where the crop handle left it),
    // reduced to fit like an added photo.
    [[nodiscard]] Outcome crop(const LayerRecord& layer, const PageGeometry& frame) const;
    [[nodiscard]] Outcome applyEffect(const LayerRecord& layer, const EffectSpec& effect,
                                      const EffectValues& values, const EffectInputs& inputs) const;
    [[nodiscard]] Outcome turnClockwise(const LayerRecord& layer) const;
    [[nodiscard]] Outcome mirror(const LayerRecord& layer) const;
    // The file from before any edit; Unreadable when there is none.
    [[nodiscard]] Outcome originalSource(const LayerRecord& layer) const;

  private:
    // The layer's full-size file at 24 bits, or nothing when it cannot be read.
    std::optional<imaging::EffectImage> fullSizePicture(const QString& name) const;
    // Writes the layer's next edit; its file name, or empty when it could not be written.
    QString writeNextEdit(const LayerRecord& layer, const imaging::DibImage& full) const;
    // The full-size file changed by `change` and written as the layer's next edit; the working
    // picture is the result at the layer's size (turned with the picture when `turned`).
    // `change` says false when it could not be made, and nothing is written.
    Outcome edited(const LayerRecord& layer, bool turned,
                   const std::function<bool(imaging::EffectImage&)>& change) const;
    std::string editBase(const LayerRecord& layer) const;

    QString projectFolder_;
    QString projectName_;
    std::set<QString> inUse_;
};

} // namespace editor
