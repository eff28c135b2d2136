#pragma once
#include "imaging/DibHeader.h"
#include "imaging/DibImage.h"

namespace editor {

// The colour a click on the transparent-colour dialog's picture picks: the click is mapped
// from the `controlWidth` x `controlHeight` control to the full-size picture, and the pixel
// 4 to the right and 2 below is read, as the dialog always has; near the right and bottom
// edges the nearest pixel inside the picture is read instead. Black for an empty picture.
imaging::ColorRef backgroundColourAt(const imaging::DibImage& full, int controlWidth,
                                     int controlHeight, int clickX, int clickY);

} // namespace editor
