#include "editor/model/UnitValues.h"

#include "editor/model/PageMetrics.h"
#include "editor/model/Rounding.h"

#include <cmath>

namespace editor {

double UnitValues::windowUnitFactor(int unit) {
    switch (unit) {
    case kInch:
        return kPixelsPerInch;
    case kPixel:
        return 1.0;
    default:
        return kPixelsPerMillimetre;
    }
}

double UnitValues::conversionFactor(int from, int to) {
    static constexpr double kFactors[3][3] = {
        {1, 0.03937, 4.7244},
        {25.4, 1, 120.0},
        {0.211667, 0.008333, 1},
    };
    if (from < 0 || from > 2 || to < 0 || to > 2)
        return 1;
    return kFactors[from][to];
}

double UnitValues::convert(double value, int from, int to) {
    const double converted = value * conversionFactor(from, to);
    return to == kPixel ? std::trunc(converted) : converted;
}

double UnitValues::position(int pageValue, double f) {
    return double(int(pageValue * 10 / f)) * 0.1;
}

double UnitValues::size(int pageValue, double f) {
    return roundHalfDown(pageValue * 10 / f) * 0.1;
}

double UnitValues::snapToWhole(double value, double windowUnitFactor) {
    if (!(windowUnitFactor > 1 && windowUnitFactor < 100))
        return value;
    const double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction <= 0.12 + 1e-9)
        return whole;
    if (fraction >= 0.88 - 1e-9)
        return whole + 1;
    return value;
}

double UnitValues::shown(double value, int unit) {
    const double steps = unit == kMillimetre ? 10.0 : unit == kInch ? 100.0 : 1.0;
    return std::round(value * steps) / steps;
}

} // namespace editor
