#include "CanvasGeometry.h"

#include "CellPixels.h"
#include "Rounding.h"

#include <algorithm>

PaletteGeometry::Cell CanvasGeometry::CellAt(double x, double y) const {
    PaletteGeometry::Cell cell;
    cell.x = quotientOfRounded(x, m_CellWidth) + m_OriginX;
    cell.y = quotientOfRounded(y, m_CellHeight) + m_OriginY;
    return cell;
}

QRect CanvasGeometry::PixelsOf(const QRect& cells) const {
    return CellPixels::Of(cells, m_CellWidth, m_CellHeight, QPoint(m_OriginX, m_OriginY));
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
