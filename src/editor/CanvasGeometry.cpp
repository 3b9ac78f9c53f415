#include "CanvasGeometry.h"

#include "VbMath.h"

#include <algorithm>
#include <climits>

PaletteGeometry::Cell CanvasGeometry::CellAt(double x, double y) const {
    PaletteGeometry::Cell cell;
    cell.x = VbMath::div(x, m_CellWidth) + m_OriginX;
    cell.y = VbMath::div(y, m_CellHeight) + m_OriginY;
    return cell;
}

QRect CanvasGeometry::PixelsOf(const QRect& cells) const {
    const long long cw = static_cast<long long>(m_CellWidth);
    const long long ch = static_cast<long long>(m_CellHeight);
    auto clampInt = [](long long v) {
        return static_cast<int>(std::clamp<long long>(v, INT_MIN / 2, INT_MAX / 2));
    };
    const long long left = (static_cast<long long>(cells.left()) - m_OriginX) * cw;
    const long long top = (static_cast<long long>(cells.top()) - m_OriginY) * ch;
    const long long right = left + static_cast<long long>(cells.width()) * cw;
    const long long bottom = top + static_cast<long long>(cells.height()) * ch;
    return QRect(QPoint(clampInt(left), clampInt(top)),
                 QPoint(clampInt(right) - 1, clampInt(bottom) - 1));
}

ScrollRange CanvasGeometry::Range(int levelCells, int cellsInView, int cellsInHolder) {
    ScrollRange range;
    range.max = levelCells - cellsInView + 1;
    range.largeChange = std::max(1, cellsInHolder / 2);
    range.enabled = range.max > 0;
    if (!range.enabled)
        range.max = 0;
    return range;
}

int CanvasGeometry::OriginKeepingCell(long long cell, long long offset, int max) {
    return static_cast<int>(std::clamp<long long>(cell - offset, 0, std::max(0, max)));
}
