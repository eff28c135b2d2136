#include "imaging/Filters.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace imaging {

namespace {

bool isFilterable(const DibImage& image) {
    return !image.isEmpty() && (image.bitsPerPixel() == 24 || image.bitsPerPixel() == 32);
}

uint8_t clampByte(int v) {
    return uint8_t(std::clamp(v, 0, 255));
}

// Truncating division by one divisor used many times, as a multiply by its reciprocal. For
// a sum k x d + r (0 <= r < d) the product of sum + 1/2 lies between k + 1/(2d) and
// k + 1 - 1/(2d); a double's error on quotients up to a few hundred is far below 1/(2d) for
// any divisor we use (below 2^33), so the truncation lands on k.
class Divider {
  public:
    explicit Divider(double divisor) : reciprocal_(1.0 / divisor) {}
    int operator()(double sum) const { return int((sum + 0.5) * reciprocal_); }

  private:
    double reciprocal_;
};

// Truncating division of sums below 2^25 by a divisor up to 2^16 as a multiply and a shift:
// with l = ceil(log2 d) and m = floor(2^(25 + l) / d) + 1, (s x m) >> (25 + l) is s / d for
// every such s. Where each quotient feeds the next sum, a multiply is far quicker than a
// division.
class SmallDivider {
  public:
    explicit SmallDivider(uint32_t divisor) {
        while ((uint32_t(1) << bits_) < divisor)
            ++bits_;
        bits_ += 25;
        multiplier_ = (uint64_t(1) << bits_) / divisor + 1;
    }
    uint32_t operator()(uint32_t sum) const { return uint32_t((sum * multiplier_) >> bits_); }

  private:
    int bits_ = 0;
    uint64_t multiplier_ = 0;
};

} // namespace

void sharpen(DibImage& image, int amount) {
    if (amount < 1 || !isFilterable(image))
        return;
    // Past 256 any difference already pushes a byte out of 0..255: the same result, and no
    // overflow for absurd amounts.
    amount = std::min(amount, 256);
    const int step = image.bitsPerPixel() / 8;
    for (int y = 0; y < image.height(); ++y) {
        uint8_t* p = image.row(y);
        // The right neighbour is read before it is changed itself.
        for (int x = 0; x + 1 < image.width(); ++x, p += step)
            for (int c = 0; c < 3; ++c) {
                const int u = p[c], w = p[c + step];
                if (u != w)
                    p[c] = clampByte(u + (u - w) * amount);
            }
    }
}

void emboss(DibImage& image, int depth) {
    if (!isFilterable(image))
        return;
    depth = std::clamp(depth, -256, 256); // as in sharpen: beyond it every step saturates
    const int step = image.bitsPerPixel() / 8;
    for (int y = 0; y < image.height(); ++y) {
        uint8_t* p = image.row(y);
        for (int x = 0; x + 1 < image.width(); ++x, p += step) {
            const int here = p[0] + p[1] + p[2];
            const int right = p[step] + p[step + 1] + p[step + 2];
            const uint8_t v = clampByte((here - right) / 3 * depth + 128);
            p[0] = p[1] = p[2] = v;
        }
        p[0] = p[1] = p[2] = 128;
    }
}

// The mean over the block is the sum of per-column sums over the block's rows. Both run: a
// row entering below adds to every column's sum and one leaving above subtracts, a column
// entering on the right adds to the block's sum and one leaving on the left subtracts. The
// edges are repeated by clamping the indices, which is what padding would give. Rows are
// written in place, so the originals of the rows still to leave are kept aside.
void smooth(DibImage& image, int n) {
    if (!isFilterable(image) || n < 2 || n >= image.width() || n >= image.height())
        return;
    const int width = image.width(), height = image.height();
    const int step = image.bitsPerPixel() / 8;
    const int before = n / 2, after = n - 1 - before;
    const size_t rowBytes = size_t(width) * size_t(step);

    // The original rows from `before` above the current row down to it.
    const int kept = before + 1;
    std::vector<uint8_t> originals(rowBytes * size_t(kept));
    const auto original = [&](int y) { return originals.data() + size_t(y % kept) * rowBytes; };

    // Column sums of the block's rows, and the same extended by the repeated edge columns:
    // `before` on the left, `after` on the right, three colour sums a column. A column sum
    // is at most 255 n and fits 32 bits; the block's sums, up to 255 n x n, take 64.
    std::vector<uint32_t> columns(size_t(width) * 3, 0);
    std::vector<uint32_t> extended(size_t(width + n - 1) * 3);
    const auto addRow = [&](const uint8_t* p) {
        for (int x = 0; x < width; ++x, p += step)
            for (int c = 0; c < 3; ++c)
                columns[size_t(x) * 3 + size_t(c)] += p[c];
    };
    for (int j = -before; j <= after; ++j)
        addRow(image.row(std::clamp(j, 0, height - 1)));

    const Divider mean(double(n) * double(n));
    for (int y = 0; y < height; ++y) {
        for (int e = 0; e < width + n - 1; ++e) {
            const size_t x = size_t(std::clamp(e - before, 0, width - 1));
            std::copy_n(&columns[x * 3], 3, &extended[size_t(e) * 3]);
        }
        std::memcpy(original(y), image.row(y), rowBytes);
        // Signed: a double is made from a signed integer in one instruction.
        std::array<int64_t, 3> sum{};
        for (int e = 0; e < n; ++e)
            for (int c = 0; c < 3; ++c)
                sum[size_t(c)] += extended[size_t(e) * 3 + size_t(c)];
        uint8_t* out = image.row(y);
        const uint32_t* left = extended.data();
        const uint32_t* right = left + size_t(n) * 3;
        for (int x = 0; x + 1 < width; ++x, out += step, left += 3, right += 3)
            for (int c = 0; c < 3; ++c) {
                out[c] = uint8_t(mean(double(sum[size_t(c)])));
                sum[size_t(c)] += int64_t(right[c]) - int64_t(left[c]);
            }
        for (int c = 0; c < 3; ++c)
            out[c] = uint8_t(mean(double(sum[size_t(c)])));
        if (y + 1 == height)
            break;
        // The row entering lies below this one and is not written yet.
        const uint8_t* entering = image.row(std::min(y + 1 + after, height - 1));
        const uint8_t* leaving = original(std::max(y - before, 0));
        uint32_t* column = columns.data();
        for (int x = 0; x < width; ++x, entering += step, leaving += step, column += 3)
            for (int c = 0; c < 3; ++c)
                column[c] += uint32_t(entering[c]) - leaving[c];
    }
}

void wind(DibImage& image, int strength, WindFrom from, WindLength lengths, RandomSource& random) {
    if (!isFilterable(image) || strength < 1 || strength > image.width() - 2)
        return;
    const int width = image.width();
    const int step = image.bitsPerPixel() / 8;
    // P[k] walks the row with the wind; the colour of its far edge flows in at the end.
    const ptrdiff_t along = from == WindFrom::Left ? step : -step;
    for (int y = 0; y < image.height(); ++y) {
        int length = strength;
        if (lengths == WindLength::Random) {
            const int first = random.next() % strength;
            length = first < 1 ? 1 : random.next() % strength;
            if (length < 1)
                continue;
        }
        uint8_t* row = image.row(y);
        uint8_t* const p = from == WindFrom::Left ? row : row + ptrdiff_t(width - 1) * step;
        const uint8_t* edge = p + ptrdiff_t(width - 1) * along;
        const std::array<uint8_t, 3> far{edge[0], edge[1], edge[2]};
        const int window = length + 1;
        const SmallDivider divide{uint32_t(window)};
        // sum / window truncated toward zero and kept within 0..255; sums can fall below zero,
        // as written values leave the window.
        const auto mean = [&](int sum) {
            return sum <= 0              ? uint8_t(0)
                   : sum >= 256 * window ? uint8_t(255)
                                         : uint8_t(divide(uint32_t(sum)));
        };
        std::array<int, 3> sum{};
        for (int k = 0; k <= length; ++k)
            for (int c = 0; c < 3; ++c)
                sum[size_t(c)] += p[k * along + c];
        for (int c = 0; c < 3; ++c)
            p[c] = mean(sum[size_t(c)]);
        // What leaves the window is the value already written, not the row's original.
        const int inside = width - length - 1;
        std::array<uint8_t, 3> written{p[0], p[1], p[2]}; // kept in hand, not read back
        uint8_t* at = p;
        for (int k = 0; k + 2 < width; ++k, at += along) {
            const uint8_t* entering = k < inside ? at + (length + 1) * along : far.data();
            for (int c = 0; c < 3; ++c) {
                sum[size_t(c)] += entering[c] - written[size_t(c)];
                written[size_t(c)] = mean(sum[size_t(c)]);
                at[along + c] = written[size_t(c)];
            }
        }
    }
}

} // namespace imaging
