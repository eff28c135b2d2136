#pragma once
#include <cstdint>

namespace imaging {

// Where an effect that draws at random takes its numbers: 0 to 32767, as the C library's
// rand() gives them. A seam, so that tests and the command line can repeat a result.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual int next() = 0;
};

// The classic linear congruential generator of the C standard's example rand(): the same
// seed gives the same numbers on every machine, unlike the C library's own.
class SeededRandom : public RandomSource {
  public:
    explicit SeededRandom(uint32_t seed) : state_(seed) {}
    int next() override {
        state_ = state_ * 1103515245u + 12345u;
        return int((state_ / 65536u) % 32768u);
    }

  private:
    uint32_t state_;
};

} // namespace imaging
