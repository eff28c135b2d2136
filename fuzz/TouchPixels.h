#pragma once
#include "imaging/DibImage.h"

#include <cstdint>

namespace fuzzing {

// Reads every byte of every row of a decoded picture, so a row table or a size that
// disagrees with the memory behind it shows up as a read out of bounds.
inline void touchPixels(const imaging::DibImage& image) {
    uint32_t sum = 0;
    const int rowBytes = (image.width() * image.bitsPerPixel() + 7) / 8;
    for (int y = 0; y < image.height(); ++y)
        for (int i = 0; i < rowBytes; ++i)
            sum += image.row(y)[i];
    volatile uint32_t sink = sum;
    (void)sink;
}

} // namespace fuzzing
