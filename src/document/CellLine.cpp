#include "CellLine.h"

#include <algorithm>
#include <cstdlib>

namespace {

long long kept(long long value) {
    return std::clamp(value, -CellLine::Limit, CellLine::Limit);
}

// numerator / denominator (denominator > 0) rounded to the nearest whole
// number, halves up. Added to a whole start coordinate this rounds the exact
// coordinate itself halves up, which does not depend on the direction the
// line is drawn in.
long long roundedQuotient(long long numerator, long long denominator) {
    const long long twice = 2 * numerator + denominator;
    const long long divisor = 2 * denominator;
    const long long quotient = twice / divisor;
    // Division truncates toward zero; round toward minus infinity instead.
    return twice % divisor < 0 ? quotient - 1 : quotient;
}

} // namespace

CellLine::CellLine(long long x0, long long y0, long long x1, long long y1)
    : m_X0(kept(x0)), m_Y0(kept(y0)), m_Dx(kept(x1) - m_X0), m_Dy(kept(y1) - m_Y0),
      m_Steps(std::max(std::llabs(m_Dx), std::llabs(m_Dy))),
      m_XMajor(std::llabs(m_Dx) >= std::llabs(m_Dy)) {}

QPoint CellLine::At(long long i) const {
    if (m_Steps == 0)
        return QPoint(int(m_X0), int(m_Y0));
    // |i * d| <= 2^30 * 2^30: well within 64 bits.
    const long long x = m_X0 + roundedQuotient(i * m_Dx, m_Steps);
    const long long y = m_Y0 + roundedQuotient(i * m_Dy, m_Steps);
    return QPoint(int(x), int(y));
}

std::vector<QPoint> CellLine::CellsIn(const QRect& area) const {
    std::vector<QPoint> cells;
    if (area.isEmpty())
        return cells;
    // Along the longer axis the line moves one cell a step, so the steps
    // that lie within the area's extent on that axis are one range.
    const long long start = m_XMajor ? m_X0 : m_Y0;
    const long long delta = m_XMajor ? m_Dx : m_Dy;
    const long long low = m_XMajor ? area.left() : area.top();
    const long long high = m_XMajor ? area.right() : area.bottom();
    long long first = 0;
    long long last = m_Steps;
    if (delta > 0) {
        first = std::max(first, low - start);
        last = std::min(last, high - start);
    } else if (delta < 0) {
        first = std::max(first, start - high);
        last = std::min(last, start - low);
    } else if (start < low || start > high) {
        return cells;
    }
    for (long long i = first; i <= last; ++i) {
        const QPoint cell = At(i);
        if (area.contains(cell))
            cells.push_back(cell);
    }
    return cells;
}
