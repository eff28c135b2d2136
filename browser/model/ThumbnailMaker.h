#pragma once
#include <QImage>
#include <QString>
#include <cstdint>

namespace browser {

// Makes the 100 x 90 cell of one picture file: white, the picture fitted in, a light-grey
// frame. Reads as little of the file as it can: a JPEG's own EXIF thumbnail when it is big
// enough, else a JPEG decoded at a fraction of its size, else the whole picture.
class ThumbnailMaker {
  public:
    // A null image when the file cannot be read as a picture.
    static QImage makeCell(const QString& path);
    // What making the cell of `path` may hold in memory at once, from the file's header: a
    // JPEG is decoded at an eighth of its size or more, anything else whole at 32 bits. 0
    // when the header cannot be read, as nothing will be decoded then.
    static int64_t decodingBytes(const QString& path);
    // Only the fitted picture, without the cell around it (for tests and measurements).
    static QImage readReduced(const QString& path, int cellWidth, int cellHeight);
};

} // namespace browser
