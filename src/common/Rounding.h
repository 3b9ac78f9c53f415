#pragma once

#include <cmath>

// Rounds to the nearest whole number, halves to the even one (2.5 gives 2,
// 3.5 gives 4), the rounding the drawing and layout rules are stated in.
inline double roundHalfEven(double v) {
    const double down = std::floor(v);
    const double rest = v - down;
    if (rest > 0.5)
        return down + 1;
    if (rest < 0.5)
        return down;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}
