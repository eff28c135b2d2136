#pragma once
#include "editor/model/PageRect.h"

namespace editor {

// Where a new photo goes when it is not arranged: 2 x id + 10 page pixels from the corner,
// at half the size at which the picture would just fit the page.
PageRect defaultPhotoRegion(int id, int pictureWidth, int pictureHeight, int pageWidth,
                            int pageHeight);

} // namespace editor
