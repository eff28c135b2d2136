#pragma once
#include <cmath>

namespace editor {

// Nearest whole number, an exact half going down (2.5 -> 2).
inline double roundHalfDown(double v) {
    return std::ceil(v - 0.5);
}
// Nearest whole number, an exact half going up (2.5 -> 3).
inline double roundHalfUp(double v) {
    return std::floor(v + 0.5);
}

} // namespace editor
