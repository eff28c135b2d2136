#include "editor/model/UnitValues.h"

#include "editor/model/Rounding.h"

#include <cmath>

namespace editor {

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

} // namespace editor
