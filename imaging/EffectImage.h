#pragma once
#include "imaging/DibImage.h"
#include "imaging/PixelRect.h"

namespace imaging {

// The picture every effect works on: a DibImage with whole-picture operations.
class EffectImage : public DibImage {
  public:
    EffectImage() = default;
    explicit EffectImage(const DibImage& image) : DibImage(image) {}
    explicit EffectImage(DibImage&& image) : DibImage(std::move(image)) {}

    // Copies the part of this picture inside rect (clipped) into destination, top row first.
    // False for an empty intersection, a missing destination or this object itself.
    bool extract(DibImage* destination, PixelRect rect) const;
    // Copies source's rows in with its top-left at (x, y), clipped to this picture.
    void paste(const DibImage& source, int x, int y);
    // Scales to width x height, or to fit inside it keeping its proportions. Smooth shrinking
    // averages areas and gives 24 bits; otherwise rows and columns are dropped or repeated.
    // False, nothing changed, below 8 bits or for a zero size.
    enum class Shape { Exact, KeepAspect };
    enum class Scaling { Nearest, Smooth };
    bool resize(int width, int height, Shape shape, Scaling scaling);
    // Reverses every row in place (8 bits or more).
    void mirror();
    void turnClockwise();
    void turnCounterClockwise();

  private:
    template <typename Source> void turn(Source sourceOf);
};

} // namespace imaging
