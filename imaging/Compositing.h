#pragma once
#include "imaging/DibHeader.h"
#include "imaging/EffectImage.h"

namespace imaging {

// Effects that combine a photo with other pictures or change its shape. They work on 32-bit
// pictures (blue, green, red, a fourth byte) and leave other depths as they are; a second
// picture is placed with its top-left at (x, y) and only the overlap changes.

// Each colour byte v becomes trunc(v x (100 - a) / 100) + trunc(s x a / 100); the fourth
// byte stays. Nothing for an alpha outside 0..100.
void mix(DibImage& image, const DibImage& second, int alpha, int x = 0, int y = 0);

// Whole 32-bit words, the fourth byte included, combined with the second picture's.
enum class Combine { And = 1, Or = 2, Xor = 4 };
void combine(DibImage& image, const DibImage& second, Combine operation);

// The mask's grey g keeps g / 255 of the photo and paints (255 - g) / 255 of the colour:
// white keeps the photo, black becomes the colour.
void mask(DibImage& image, const DibImage& maskPicture, ColorRef colour, int x = 0, int y = 0);

// Where the second picture's pixel is at least as light ((max + min) / 2 of its colour
// bytes), it replaces the photo's colour bytes: ties go to the second picture.
void lighten(DibImage& image, const DibImage& second);

// Turned clockwise by whole degrees: the right-angle turns, then the rest up to 89 degrees
// as a parallelogram in a picture grown to hold it, with black corners. 0 and 360 do
// nothing. False, nothing changed, when the grown picture would be too large to make.
bool turnByAngle(EffectImage& image, int degrees);

// The run of pixels near `colour` at each end of every row is set to exactly that colour,
// up to the first pixel that clearly differs, so that a background can be hidden by it.
void fillRowEnds(DibImage& image, ColorRef colour);

} // namespace imaging
