#pragma once

namespace editor {

// Page pixels shown in the user's unit, as the position and size edits show them.
// f is the canvas unit factor (page pixels per unit of the canvas size).
class UnitValues {
  public:
    // Positions truncate to a tenth of the unit.
    static double position(int pageValue, double f);
    // Sizes round to a tenth, an exact half going down.
    static double size(int pageValue, double f);
    // With millimetres, values within 0.12 of a whole number become that number.
    static double snapToWhole(double value, double windowUnitFactor);
};

} // namespace editor
