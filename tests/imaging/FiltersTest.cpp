// The neighbourhood filters on tiny pictures, each expected value worked out by hand; the
// running-sum box mean against the plain sum over every block.
#include "imaging/Filters.h"
#include "tests/support/Pictures.h"

#include <deque>
#include <gtest/gtest.h>
#include <random>

using imaging::emboss;
using imaging::sharpen;
using testsupport::picture24;
using testsupport::rgbGrid;
using Grid = std::vector<uint32_t>;

namespace {

// Hands out the numbers it was given, then zeros.
class ScriptedRandom : public imaging::RandomSource {
  public:
    explicit ScriptedRandom(std::deque<int> numbers) : numbers_(std::move(numbers)) {}
    int next() override {
        if (numbers_.empty())
            return 0;
        const int n = numbers_.front();
        numbers_.pop_front();
        return n;
    }

  private:
    std::deque<int> numbers_;
};

uint32_t grey(int v) {
    return uint32_t(v) * 0x010101u;
}

// The pixels of a picture of these rows after `filter` with `amount`.
Grid filtered(void (*filter)(imaging::DibImage&, int),
              std::initializer_list<std::initializer_list<uint32_t>> rows, int amount) {
    imaging::DibImage image = picture24(rows);
    filter(image, amount);
    return rgbGrid(image);
}

} // namespace

TEST(Filters, SharpenPushesEachByteAwayFromItsRightNeighbour) {
    EXPECT_EQ(filtered(sharpen, {{grey(100), grey(150)}}, 1), (Grid{grey(50), grey(150)}))
        << "100 + (100 - 150); the last stays";
    // Bytes blue, green, red: 10 + (10 - 40) x 2 = -50 is 0; green equals its neighbour;
    // 30 + (30 - 0) x 2 = 90.
    EXPECT_EQ(filtered(sharpen, {{0x1E140A, 0x001428}}, 2), (Grid{0x5A1400, 0x001428}));
    for (int amount : {0, 1, 50, 1000000})
        EXPECT_EQ(filtered(sharpen, {{0x336699, 0x336699, 0x336699}}, amount), Grid(3, 0x336699))
            << "a uniform picture stays, amount " << amount;
    EXPECT_EQ(filtered(sharpen, {{grey(100), grey(101)}}, 1000000), (Grid{grey(0), grey(101)}))
        << "no overflow, just black";
}

TEST(Filters, EmbossIsAGreyReliefAroundAFlat128) {
    // 0 + 0 + 0 against 30 + 60 + 90: d = -60, -60 x 2 + 128 = 8.
    EXPECT_EQ(filtered(emboss, {{0x000000, 0x5A3C1E}}, 2), (Grid{grey(8), grey(128)}));
    // 0 against 100: trunc(-100 / 3) = -33, toward zero; then 33 the other way.
    EXPECT_EQ(filtered(emboss, {{0x000000, 0x000064, 0x000000}}, 1),
              (Grid{grey(95), grey(161), grey(128)}));
    EXPECT_EQ(filtered(emboss, {{0x123456, 0x123456}, {0xFFFFFF, 0xFFFFFF}}, 100),
              Grid(4, grey(128)))
        << "uniform rows become 128, not unchanged";
    EXPECT_EQ(filtered(emboss, {{0x000000, 0xFFFFFF}}, 1), (Grid{grey(0), grey(128)}))
        << "black to white: d = -255";
}

TEST(Filters, SmoothTakesTheMeanOfTheBlockWithTheEdgesRepeated) {
    // 255 in the top-left corner of a black 4 x 4 picture, n = 3: the corner's block holds
    // it 4 times (1020 / 9), its neighbour's twice (510 / 9), the diagonal's once (255 / 9).
    imaging::DibImage image = testsupport::solid24(4, 4, 0);
    image.row(0)[0] = image.row(0)[1] = image.row(0)[2] = 255;
    imaging::smooth(image, 3);
    EXPECT_EQ(testsupport::rgbAt(image, 0, 0), grey(113));
    EXPECT_EQ(testsupport::rgbAt(image, 1, 0), grey(56));
    EXPECT_EQ(testsupport::rgbAt(image, 1, 1), grey(28));

    const imaging::DibImage pattern = testsupport::pattern24(6, 9);
    for (int n : {1, 6, 9}) {
        image = pattern;
        imaging::smooth(image, n);
        EXPECT_EQ(rgbGrid(image), rgbGrid(pattern)) << "n " << n << ": not 2 <= n < each side";
    }
}

// The mean of each block summed pixel by pixel, with the edge pixels repeated by clamping.
TEST(Filters, SmoothGivesTheBytesOfThePlainBlockMean) {
    std::mt19937 random(7);
    for (int round = 0; round < 12; ++round) {
        const int width = 3 + int(random() % 40), height = 3 + int(random() % 30);
        const int n = 2 + int(random() % uint32_t(std::min(width, height) - 2));
        imaging::DibImage image;
        ASSERT_TRUE(image.create(width, height, round % 2 == 0 ? 24 : 32));
        for (int y = 0; y < height; ++y)
            for (int i = 0; i < image.stride(); ++i)
                image.row(y)[i] = uint8_t(random());
        const imaging::DibImage source = image;
        imaging::smooth(image, n);
        const int step = image.bitsPerPixel() / 8, before = n / 2;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < 3; ++c) {
                    long sum = 0;
                    for (int j = y - before; j < y - before + n; ++j)
                        for (int i = x - before; i < x - before + n; ++i)
                            sum += source.row(std::clamp(
                                j, 0, height - 1))[std::clamp(i, 0, width - 1) * step + c];
                    ASSERT_EQ(image.row(y)[x * step + c], sum / (n * n))
                        << width << " x " << height << ", n " << n << ", at " << x << ", " << y;
                }
    }
}

TEST(Filters, WindSmearsEachRowTowardsItsFarEdge) {
    // Smoothly, s = 1: (0 + 100) / 2 = 50; 100 + 100 - 50 = 150, / 2 = 75; 150 + 100 - 75 =
    // 175, / 2 = 87; the last stays. From the right the same runs the other way.
    ScriptedRandom none({});
    imaging::DibImage image = picture24({{grey(0), grey(100), grey(100), grey(100)}});
    imaging::wind(image, 1, imaging::WindFrom::Left, imaging::WindLength::Even, none);
    EXPECT_EQ(rgbGrid(image), (Grid{grey(50), grey(75), grey(87), grey(100)}));
    image = picture24({{grey(100), grey(100), grey(100), grey(0)}});
    imaging::wind(image, 1, imaging::WindFrom::Right, imaging::WindLength::Even, none);
    EXPECT_EQ(rgbGrid(image), (Grid{grey(100), grey(87), grey(75), grey(50)}));

    // Random lengths, s = 2: row 0 draws 0, so its length is 1; row 1 draws 1 then 0, and
    // a length of 0 leaves it alone.
    ScriptedRandom draws({0, 1, 0});
    image = picture24(
        {{grey(0), grey(100), grey(100), grey(100)}, {grey(0), grey(100), grey(100), grey(100)}});
    imaging::wind(image, 2, imaging::WindFrom::Left, imaging::WindLength::Random, draws);
    EXPECT_EQ(rgbGrid(image), (Grid{grey(50), grey(75), grey(87), grey(100), grey(0), grey(100),
                                    grey(100), grey(100)}));

    for (int strength : {0, 3}) {
        image = picture24({{grey(0), grey(100), grey(100), grey(100)}});
        imaging::wind(image, strength, imaging::WindFrom::Left, imaging::WindLength::Even, none);
        EXPECT_EQ(rgbGrid(image), (Grid{grey(0), grey(100), grey(100), grey(100)}))
            << "not 1 <= " << strength << " <= width - 2";
    }
}
