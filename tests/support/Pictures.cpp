#include "tests/support/Pictures.h"

namespace testsupport {

void paint(imaging::DibImage& image, int x, int y, uint32_t rgb, int width, int height) {
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column) {
            uint8_t* p = image.row(row) + column * (image.bitsPerPixel() / 8);
            p[0] = uint8_t(rgb);
            p[1] = uint8_t(rgb >> 8);
            p[2] = uint8_t(rgb >> 16);
        }
}

imaging::DibImage picture24(std::initializer_list<std::initializer_list<uint32_t>> rows) {
    imaging::DibImage image;
    image.create(int(rows.begin()->size()), int(rows.size()), 24);
    int y = 0;
    for (const auto& row : rows) {
        int x = 0;
        for (uint32_t rgb : row)
            paint(image, x++, y, rgb);
        ++y;
    }
    return image;
}

imaging::DibImage solid24(int width, int height, uint32_t rgb) {
    imaging::DibImage image;
    image.create(width, height, 24);
    paint(image, 0, 0, rgb, width, height);
    return image;
}

imaging::DibImage pattern24(int width, int height) {
    imaging::DibImage image;
    image.create(width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint32_t r = uint32_t(x * 255 / std::max(width - 1, 1));
            const uint32_t g = uint32_t(y * 255 / std::max(height - 1, 1));
            const uint32_t b = uint32_t((x * 7 + y * 13) % 256);
            paint(image, x, y, (r << 16) | (g << 8) | b);
        }
    return image;
}

uint32_t rgbAt(const imaging::DibImage& image, int x, int y) {
    const imaging::RgbQuad c = image.pixelColour(x, y);
    return uint32_t(c.blue) | (uint32_t(c.green) << 8) | (uint32_t(c.red) << 16);
}

std::vector<uint32_t> rgbGrid(const imaging::DibImage& image) {
    std::vector<uint32_t> grid;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            grid.push_back(rgbAt(image, x, y));
    return grid;
}

imaging::DibImage everyValuePicture(int bitsPerPixel) {
    imaging::DibImage image;
    image.create(13, 7, bitsPerPixel);
    if (bitsPerPixel <= 8) {
        imaging::RgbQuad table[256];
        for (int i = 0; i < 256; ++i)
            table[i] = {uint8_t(i * 3), uint8_t(i * 5), uint8_t(i * 7), 0};
        image.writeColourTable(0, 1 << bitsPerPixel, table);
    }
    for (size_t i = 0; i < image.imageBytes(); ++i)
        image.pixels()[i] = uint8_t(i * 37 + 11);
    return image;
}

} // namespace testsupport
