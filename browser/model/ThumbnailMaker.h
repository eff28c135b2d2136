#pragma once
#include <QImage>
#include <QString>

namespace browser {

// Makes the 100 x 90 cell of one picture file: white, the picture fitted in, a light-grey
// frame. Reads as little of the file as it can: a JPEG's own EXIF thumbnail when it is big
// enough, else a JPEG decoded at a fraction of its size, else the whole picture.
class ThumbnailMaker {
  public:
    // A null image when the file cannot be read as a picture.
    static QImage makeCell(const QString& path);
    // Only the fitted picture, without the cell around it (for tests and measurements).
    static QImage readReduced(const QString& path, int cellWidth, int cellHeight);
};

} // namespace browser
