#pragma once
#include "imaging/DibImage.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace testsupport {

// A 24-bit picture from rows of 0xRRGGBB values, top row first.
imaging::DibImage picture24(std::initializer_list<std::initializer_list<uint32_t>> rows);
// A width x height 24-bit picture of one colour (0xRRGGBB).
imaging::DibImage solid24(int width, int height, uint32_t rgb);
// A picture with a smooth gradient and some texture, for shrink and round-trip tests.
imaging::DibImage pattern24(int width, int height);
// A 13 x 7 picture of any depth whose bytes run through many values, with a colour table
// of distinct colours where the depth has one: round trips show every byte.
imaging::DibImage everyValuePicture(int bitsPerPixel);
// Paints the width x height block whose top-left pixel is (x, y) in 0xRRGGBB, on a 24- or
// 32-bit picture.
void paint(imaging::DibImage& image, int x, int y, uint32_t rgb, int width = 1, int height = 1);
// Colour of pixel (x, y) as 0xRRGGBB, through the palette where there is one.
uint32_t rgbAt(const imaging::DibImage& image, int x, int y);
// All pixels as 0xRRGGBB, top row first, for readable comparisons.
std::vector<uint32_t> rgbGrid(const imaging::DibImage& image);

} // namespace testsupport
