#pragma once

#include "Rounding.h"

#include <QString>

// The integer arithmetic the editor's layout and picking rules are stated
// in: "div" rounds both operands to whole numbers (halves to even) and
// truncates the quotient; "half of" truncates to a whole number first.
namespace VbMath {

// Round half to even, clamped to the int range so that huge drawn sizes at
// high zoom cannot overflow.
inline long long roundEven(double value) {
    if (!(value == value))
        return 0;
    if (value > 9.0e18)
        return 9000000000000000000LL;
    if (value < -9.0e18)
        return -9000000000000000000LL;
    return static_cast<long long>(roundHalfEven(value));
}

// a div b; a divisor that rounds to 0 gives 0 instead of a fault.
inline long long div(double a, double b) {
    const long long divisor = roundEven(b);
    if (divisor == 0)
        return 0;
    return roundEven(a) / divisor;
}

inline long long halfOf(double value) {
    return static_cast<long long>(value) / 2;
}

// A number as the position label and the selection labels write it: a
// leading space when it is not negative, a minus sign otherwise.
inline QString numberText(long long value) {
    return value < 0 ? QString::number(value) : QStringLiteral(" ") + QString::number(value);
}

} // namespace VbMath
