#include "imaging/HlsColour.h"

#include <gtest/gtest.h>

TEST(HlsColour, KnownColours) {
    const imaging::Hls red = imaging::rgbToHls(0xFF0000);
    EXPECT_DOUBLE_EQ(red.hue, 0.0);
    EXPECT_DOUBLE_EQ(red.lightness, 0.5);
    EXPECT_DOUBLE_EQ(red.saturation, 1.0);

    EXPECT_NEAR(imaging::rgbToHls(0x0000FF).hue, 2.0 / 3.0, 1e-12) << "blue";

    const imaging::Hls grey = imaging::rgbToHls(0x808080);
    EXPECT_EQ(std::pair(grey.saturation, grey.hue), std::pair(0.0, 0.0));
    EXPECT_EQ(imaging::hlsToRgb(grey), (imaging::Bgr{128, 128, 128}));

    EXPECT_EQ(imaging::hlsToRgb({0.0, 0.5, 1.0}), (imaging::Bgr{0, 0, 255}));
    EXPECT_EQ(imaging::hlsToRgb({1.0 / 3.0, 0.5, 1.0}), (imaging::Bgr{0, 255, 0}));
    EXPECT_EQ(imaging::hlsToRgb({0.0, 1.0, 0.0}), (imaging::Bgr{255, 255, 255}));
    EXPECT_EQ(imaging::hlsToRgb({0.0, 0.0, 0.0}), (imaging::Bgr{0, 0, 0}));
}

// The many-at-once conversion must give the bytes of the one-at-a-time one, which the tests
// above pin down by hand, for every kind of colour: greys, each channel the largest, ties,
// lightness on either side of one half, and a group of colours shorter than the vector.
TEST(HlsColour, ScalingManyColoursGivesTheBytesOfOneAtATime) {
    std::vector<imaging::Bgr> lattice;
    for (int r = 0; r < 256; r += 5)
        for (int g = 0; g < 256; g += 5)
            for (int b = 0; b < 256; b += 5)
                lattice.push_back({uint8_t(b), uint8_t(g), uint8_t(r)});
    lattice.pop_back(); // an odd count
    for (const auto& [hueScale, saturationScale] :
         {std::pair{128, 153}, {0, 128}, {128, 0}, {200, 77}, {255, 1}}) {
        std::vector<imaging::Bgr> scaled = lattice;
        imaging::scaleHueSaturation(scaled.data(), scaled.size(), hueScale, saturationScale);
        for (size_t i = 0; i < lattice.size(); ++i) {
            const imaging::Bgr c = lattice[i];
            imaging::Hls hls = imaging::rgbToHls(uint32_t(c.blue) | uint32_t(c.green) << 8 |
                                                 uint32_t(c.red) << 16);
            hls.hue = hueScale * hls.hue / 128;
            hls.saturation = saturationScale * hls.saturation / 128;
            ASSERT_EQ(scaled[i], imaging::hlsToRgb(hls))
                << hueScale << "/" << saturationScale << " on " << int(c.red) << "," << int(c.green)
                << "," << int(c.blue);
        }
    }
}
