#include "LineCells.h"

#include <algorithm>
#include <cstdlib>

namespace {

// numerator / denominator rounded to the nearest whole number, halves away
// from zero; the denominator is positive.
long long roundedQuotient(long long numerator, long long denominator) {
    const long long twice = 2 * std::llabs(numerator) + denominator;
    const long long magnitude = twice / (2 * denominator);
    return numerator < 0 ? -magnitude : magnitude;
}

} // namespace

std::vector<QPoint> LineCells(QPoint from, QPoint to) {
    const long long dx = static_cast<long long>(to.x()) - from.x();
    const long long dy = static_cast<long long>(to.y()) - from.y();
    const long long steps = std::max(std::llabs(dx), std::llabs(dy));
    std::vector<QPoint> cells;
    cells.reserve(static_cast<std::size_t>(steps) + 1);
    cells.push_back(from);
    for (long long t = 1; t <= steps; ++t) {
        cells.emplace_back(from.x() + static_cast<int>(roundedQuotient(t * dx, steps)),
                           from.y() + static_cast<int>(roundedQuotient(t * dy, steps)));
    }
    return cells;
}
