#pragma once
#include "shared/ImageFormat.h"

#include <QImage>
#include <QString>

namespace quillax {

// A picture read from a file: the image upright (EXIF orientation applied), with the depth the
// file itself stores: 1, 4 or 8 for palette and grey pictures, 16 for 16-bit files, 24 for
// true colour with or without alpha.
struct DecodedImage {
    QImage image;
    int bitsPerPixel = 0;
    bool isValid() const { return !image.isNull(); }
};

struct ImageInfo {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    bool isValid() const { return width > 0 && height > 0; }
};

// Reading and writing picture files by format number, for both programs.
class ImageFile {
  public:
    // Largest file we read into memory at all.
    static constexpr qint64 kMaxFileBytes = qint64(1) << 30;

    // An invalid result for a missing, unreadable, corrupt or absurdly large file, for WMF/EMF
    // and for format 0. Never crashes.
    static DecodedImage decode(const QString& path, ImageFormat format);
    // The picture brought down to fit inside `box`, upright, never enlarged: a JPEG is decoded
    // at the largest fraction that still covers the size it is shown at, anything else whole
    // and then reduced smoothly. Null when the file cannot be read as a picture.
    static QImage decodeToFit(const QString& path, QSize box);
    // A decoded picture scaled smoothly to `size` in true colour. Qt keeps a palette picture's
    // depth when it scales, and draws a two-colour one in black and white whatever its colours.
    static QImage scaledSmoothly(QImage picture, QSize size);
    // Size and depth from the file's header, without decoding the pixels where the format lets us.
    static ImageInfo info(const QString& path, ImageFormat format);
    // Writes BMP, GIF, JPEG, PNG, ICO, TIFF, PCX, TGA, WBMP and PNM; false for the rest and
    // when the file could not be written completely.
    static bool save(const QImage& image, const QString& path, ImageFormat format);

    // Decodes from memory; `bytes` is the whole file.
    static DecodedImage decodeBytes(const QByteArray& bytes, ImageFormat format);
    static ImageInfo infoBytes(const QByteArray& bytes, ImageFormat format);
};

} // namespace quillax
