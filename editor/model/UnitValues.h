#pragma once

namespace editor {

// Page pixels shown in the user's unit, as the position and size edits show them.
// f is the canvas unit factor (page pixels per unit of the canvas size).
class UnitValues {
  public:
    // The rows of the unit list.
    enum Unit { kMillimetre = 0, kInch = 1, kPixel = 2 };

    // Page pixels per unit: 4.7244 a millimetre, 120 an inch, 1 a pixel.
    static double windowUnitFactor(int unit);
    // What a value in `from` is multiplied by to be in `to`. The factors are the editor's
    // own, rounded: millimetres to inches and back is not exactly the same value again.
    static double conversionFactor(int from, int to);
    // A value in `from` in `to`: multiplied by the factor, truncated to whole pixels.
    static double convert(double value, int from, int to);

    // Positions truncate to a tenth of the unit.
    static double position(int pageValue, double f);
    // Sizes round to a tenth, an exact half going down.
    static double size(int pageValue, double f);
    // With millimetres, values within 0.12 of a whole number become that number.
    static double snapToWhole(double value, double windowUnitFactor);
    // A canvas size as the Paper page shows it: to a tenth of a millimetre, a hundredth of an
    // inch or a whole pixel, so that the factors' rounding (215.9 mm is 8.499983 inches)
    // does not show.
    static double shown(double value, int unit);
};

} // namespace editor
