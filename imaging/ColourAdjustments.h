#pragma once
#include "imaging/DibImage.h"

namespace imaging {

// Pixel-by-pixel colour changes in integer arithmetic, truncating toward zero. They change
// 24- and 32-bit pictures (the fourth byte is left alone) and the colour table of pictures
// of up to 8 bits; other depths are left as they are.

// Each channel times trunc(b x 128 / 100) / 128: 100 keeps, 200 doubles, 0 is black.
void brightness(DibImage& image, int percent);
// Each channel's distance from 128 times trunc(c x 128 / 100) / 128: 100 keeps, 0 is grey.
void contrast(DibImage& image, int percent);
// Hue and saturation scaled (not shifted) by the percentages, through lightness, hue and
// saturation and back.
void hueSaturation(DibImage& image, int huePercent, int saturationPercent);
// An offset added to each channel whose offset is not 0, kept within 0..255.
void rgbOffsets(DibImage& image, int red, int green, int blue);
// Lifts the dark pixels (grey value 105 or less) of a 32-bit picture: alpha mixes them
// toward their darkness, bright scales them up the more the darker they are.
void shadowOptimize(DibImage& image, int alphaPercent, int brightPercent);

// trunc(0.3 x blue + 0.59 x green + 0.11 x red): the weights as the editor has always had
// them, 0.3 on blue.
int greyValue(const uint8_t* bgr);

} // namespace imaging
