#pragma once
#include "imaging/DibImage.h"

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

namespace quillax {

// Toolbar pictures are stored as strips of equal-width pictures in 24-bit BMP files. The
// colour of the first stored pixel (the bottom-left one of a bottom-up file) is transparent.
class ToolbarStrip {
  public:
    // Cuts a strip into pictures pictureWidth wide, keyed on the first stored pixel.
    static QList<QImage> cut(const imaging::DibImage& strip, int pictureWidth);
    // Reads a strip from a file or resource path; an empty list when it cannot be read.
    static QList<QImage> load(const QString& path, int pictureWidth);
    // Icons from a normal strip, its disabled strip and, when present, "@2x" strips of both
    // for high-density screens.
    static QList<QIcon> icons(const QString& normalPath, const QString& disabledPath,
                              int pictureWidth);
};

} // namespace quillax
