#pragma once
#include "imaging/DibHeader.h"
#include "imaging/DibImage.h"
#include "imaging/EffectImage.h"

namespace imaging {

// Area-averaging reduction to newWidth x newHeight, 24 bits. Every source pixel spreads over
// the one, two or four target cells it covers, so the mean of the picture is kept. Meant for
// targets not larger than the source; empty on bad sizes.
DibImage reduceBitmap(const DibImage& source, int newWidth, int newHeight);

// Colour-on-colour stretch: rows and columns are dropped or repeated, no filtering. Keeps the
// source's depth (8 bits or more) and colour table.
DibImage stretchNearest(const DibImage& source, int newWidth, int newHeight);

// Half-tone stretch for screen and paper, 24 bits: area averaging when shrinking in both
// directions, bilinear interpolation otherwise, so enlarged photos do not show blocks.
DibImage stretchHalftone(const DibImage& source, int newWidth, int newHeight);

// Stretches source (nearest) into target on a 24-bit destination; source pixels whose colour
// equals key (0x00BBGGRR) leave the destination as it was.
void stretchKeyed(DibImage& destination, const DibImage& source, PixelRect target, ColorRef key);

// The picture as 24 bits: itself when it already is, else a converted copy kept in `holder`.
const DibImage& as24Bits(const DibImage& picture, DibImage& holder);

// Fills the whole picture (24 or 32 bits) with one colour.
void fill(DibImage& image, ColorRef colour);

} // namespace imaging
