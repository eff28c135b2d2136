#pragma once
#include "editor/model/LayerRecord.h"
#include "imaging/DibImage.h"

#include <QString>

namespace editor {

// Turns a picture file into the makings of a photo layer: the full-size copy written as a
// 24-bit BMP into the project folder, the working picture fitted into 600 x 450, and the
// 32 x 24 thumbnail of the layer list.
class PhotoImporter {
  public:
    static constexpr int kWorkingWidth = 600;
    static constexpr int kWorkingHeight = 450;

    enum class Status { Ok, UnknownFormat, Unreadable, CannotWrite };
    struct Result {
        Status status = Status::Unreadable;
        imaging::DibImage working;
        imaging::DibImage thumbnail;
        int fullWidth = 0;
        int fullHeight = 0;
    };

    // A full-size picture reduced to fit 600 x 450 keeping its shape, never below 1 x 1;
    // smaller pictures stay as they are.
    static imaging::DibImage workingPicture(const imaging::DibImage& full);
    // The layer list's 32 x 24 picture of a working picture.
    static imaging::DibImage thumbnail(const imaging::DibImage& working);

    // Writes projectFolder + fileName. Nothing is written unless the picture could be read.
    static Result import(const QString& path, const QString& projectFolder,
                         const QString& fileName);
};

} // namespace editor
