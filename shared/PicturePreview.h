#pragma once
#include "shared/ImageFile.h"

#include <QImage>
#include <QRect>
#include <QString>

namespace quillax {

// What the picture open dialog's preview panel shows of one file: its four texts from the
// header and the file's size, and the thumbnail fitted into the panel's picture area.
class PicturePreview {
  public:
    // The picture area, 90 x 77 dialog units of the classic dialog font.
    static constexpr QSize kAreaSize{135, 125};

    struct Texts {
        QString width, height, colours, size;
        bool operator==(const Texts&) const = default;
    };

    // The texts of a picture `fileBytes` long; all empty when the header could not be read.
    static Texts textsFor(const ImageInfo& info, qint64 fileBytes);
    // The texts of the file at `path`: empty for a name of no picture type, a file that is not
    // a regular one (a FIFO would hang the dialog) and an unreadable header.
    static Texts textsOf(const QString& path);
    static QString colourText(int bitsPerPixel);

    // Where a `picture`-sized thumbnail goes in `area`: as tall as the area when upright or
    // square, else as wide, centred the other way; and when that would overflow the area (a
    // picture just wider than the area's shape), fitted by the other side instead.
    static QRect thumbnailRect(QRect area, QSize picture);

    // The thumbnail of the file, already at its size in an area of kAreaSize: a JPEG decoded
    // at a fraction of its size, anything else whole, then scaled smoothly. Null when the
    // file cannot be read as a picture. Safe on any thread.
    static QImage thumbnailOf(const QString& path);
};

} // namespace quillax
