#pragma once

#include <QPoint>
#include <QRect>

#include <vector>

// The cells of a straight line from one cell to another, both ends
// included: one cell for every step along the longer axis, so that
// neighbouring cells touch at an edge or a corner and a stroke has no gaps.
// The cell nearest the exact line is taken at every step, a tie going to the
// larger coordinate, so a line holds the same cells whichever end it is
// drawn from.
//
// Coordinates are kept within +-Limit, far beyond any level or screen, so
// the arithmetic never overflows however far away an end lies.
class CellLine {
public:
    static constexpr long long Limit = 1LL << 29;

    CellLine(long long x0, long long y0, long long x1, long long y1);
    CellLine(QPoint from, QPoint to) : CellLine(from.x(), from.y(), to.x(), to.y()) {}

    // The number of cells: one more than the longer axis's distance.
    long long Count() const { return m_Steps + 1; }
    // Cell i of the line, 0 being the start and Count() - 1 the end.
    QPoint At(long long i) const;
    // The line's cells that lie in `area`, in order from the start; the
    // work done is bounded by the area's size, not the line's length.
    std::vector<QPoint> CellsIn(const QRect& area) const;

private:
    long long m_X0;
    long long m_Y0;
    long long m_Dx;
    long long m_Dy;
    long long m_Steps;
    bool m_XMajor;
};
