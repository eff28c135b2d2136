#pragma once
#include <QRect>

namespace browser {

// Where a picture is drawn inside a 100 x 90 thumbnail cell: full width when it is wide
// (height / width at most 0.9), else full height, centred the other way.
class ThumbnailGeometry {
  public:
    static constexpr int kCellWidth = 100;
    static constexpr int kCellHeight = 90;
    static QRect drawRect(int imageWidth, int imageHeight);
};

// Where the preview bar's canvas goes: the picture as large as the bar allows, centred, its
// proportions kept. Empty without a picture.
class PreviewLayout {
  public:
    static QRect fit(int imageWidth, int imageHeight, int barWidth, int barHeight);
};

} // namespace browser
