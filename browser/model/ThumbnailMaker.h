#pragma once
#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>

namespace browser {

class ThumbnailCache;

// Makes the 100 x 90 cell of one picture file: white, the picture fitted in, a light-grey
// frame. Reads as little as it can: the shared cache's thumbnail of the file as it is now,
// else a JPEG's own EXIF thumbnail when it is big enough, else a JPEG decoded at a fraction of
// its size, else the whole picture. What it decodes it leaves in the cache for next time.
class ThumbnailMaker {
  public:
    // A null image when the file cannot be read as a picture. Without a cache, nothing is
    // looked up or written.
    static QImage makeCell(const QString& path, const ThumbnailCache* cache = nullptr);
    // The cell of a picture whose photo is `original` large, by the grid's own rule.
    static QImage drawCell(const QImage& picture, QSize original);
    // What making the cell of `path` may hold in memory at once, from the file's header: a
    // JPEG is decoded at the fraction the decoder picks, anything else whole at 32 bits. 0
    // when the header cannot be read, as nothing will be decoded then.
    static int64_t decodingBytes(const QString& path);
};

} // namespace browser
