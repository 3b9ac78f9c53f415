#pragma once

#include <cmath>

// The rounding and whole-number division the drawing and layout rules are
// stated in.

// Rounds to the nearest whole number, halves to the even one (2.5 gives 2,
// 3.5 gives 4).
inline double roundHalfEven(double v) {
    const double down = std::floor(v);
    const double rest = v - down;
    if (rest > 0.5)
        return down + 1;
    if (rest < 0.5)
        return down;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

// roundHalfEven as a whole number, held within +-9e18 so that huge drawn
// sizes at high zoom cannot overflow; not a number gives 0.
inline long long roundToInteger(double value) {
    if (std::isnan(value))
        return 0;
    if (value > 9.0e18)
        return 9000000000000000000LL;
    if (value < -9.0e18)
        return -9000000000000000000LL;
    return static_cast<long long>(roundHalfEven(value));
}

// `a` divided by `b` after both are rounded to whole numbers (halves to
// even), the quotient cut toward zero: 7.5 by 2.5 is 8 by 2, 4; -7 by 2 is
// -3. A divisor that rounds to 0 gives 0 instead of a fault.
inline long long quotientOfRounded(double a, double b) {
    const long long divisor = roundToInteger(b);
    if (divisor == 0)
        return 0;
    return roundToInteger(a) / divisor;
}

// Half of `value` after it is cut toward zero to a whole number, the half
// cut toward zero as well: 7.9 gives 3, -7.9 gives -3. Held within +-9e18
// like roundToInteger; not a number gives 0.
inline long long halfOfTruncated(double value) {
    if (std::isnan(value))
        return 0;
    return static_cast<long long>(std::fmax(-9.0e18, std::fmin(9.0e18, value))) / 2;
}
