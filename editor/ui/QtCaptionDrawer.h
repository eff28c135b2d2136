#pragma once
#include "editor/model/CaptionDrawer.h"

namespace editor {

// Draws captions with QPainter on a QImage, in the font fontconfig resolves the face to
// ("Arial" is Liberation Sans where Arial is not installed).
class QtCaptionDrawer : public CaptionDrawer {
  public:
    imaging::DibImage draw(const CaptionSettings& caption,
                           const CaptionLayout& layout) const override;
};

} // namespace editor
