#pragma once
#include "imaging/DibImage.h"

#include <QString>

namespace editor {

// What a photo layer shows when its file is gone: grey, with the file's name, in the shape of
// the layer's box, so that the page keeps its layout and the user sees which photo to bring
// back. The layer keeps its record and is saved back as it was.
class MissingPhoto {
  public:
    // A picture fitting the working size in the shape of a `boxWidth` x `boxHeight` box.
    static imaging::DibImage picture(const QString& fileName, int boxWidth, int boxHeight);
};

} // namespace editor
