#pragma once
#include "imaging/DibImage.h"
#include "imaging/RandomSource.h"

namespace imaging {

// Filters that look at neighbouring pixels, in integer arithmetic truncating toward zero.
// They change the three colour bytes of 24- and 32-bit pictures and leave other depths, and
// parameters out of their range, as they are.

// Each colour byte that differs from the one to its right moves away from it: u + (u - w) x a,
// kept within 0..255. The last pixel of a row stays. Nothing for an amount below 1.
void sharpen(DibImage& image, int amount);
// A grey relief: each pixel becomes 128 + trunc((its sum - its right neighbour's) / 3) x
// depth; the last pixel of a row is 128.
void emboss(DibImage& image, int depth);
// Every pixel becomes the mean of the n x n block around it, the picture's edges repeated
// outwards: n / 2 pixels to the left and above, the rest to the right and below. Nothing
// unless 2 <= n < width and n < height.
void smooth(DibImage& image, int n);

enum class WindFrom { Left, Right };
enum class WindLength { Random, Even };
// Each row smeared along the wind over a window of length + 1 pixels, its far edge's colour
// flowing in at the end; with Random lengths each row draws its own below `strength` from
// `random`. Nothing unless 1 <= strength <= width - 2.
void wind(DibImage& image, int strength, WindFrom from, WindLength lengths, RandomSource& random);

} // namespace imaging
