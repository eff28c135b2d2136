#pragma once
#include "imaging/DibImage.h"

#include <QColor>
#include <QImage>

namespace quillax {

// Pictures cross between the pixel code and Qt only here, at the edge.
QImage toQImage(const imaging::DibImage& image);
// A 24-bit (or 32-bit) DibImage of the picture; alpha is dropped onto white.
imaging::DibImage fromQImage(const QImage& image, int bitsPerPixel = 24);
// Reads a BMP file or resource (":/...") as it is stored; empty when it cannot be read.
imaging::DibImage loadBmp(const QString& path);
// A COLORREF (0x00BBGGRR) as Qt's colour.
QColor toQColor(imaging::ColorRef colour);

} // namespace quillax
