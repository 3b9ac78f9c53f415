#include "Stamp.h"

#include "CellMask.h"
#include "Level.h"

namespace {

// a / b rounded towards minus infinity, b > 0.
int floorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

Stamp Stamp::FromLevel(const Level& level, const QRect& area) {
    return Stamp(CellBlock::Copy(level, area));
}

Stamp Stamp::FromSelection(const Level& level, const CellMask& cells) {
    return Stamp(CellBlock::Copy(level, cells));
}

Stamp Stamp::FromTileGrid(const QRect& area, int columns, int tileCount, qint16 episode) {
    const QRect grid = area.normalized() &
                       QRect(0, 0, columns, columns > 0 ? (tileCount + columns - 1) / columns : 0);
    if (grid.isEmpty() || grid.top() * columns + grid.left() >= tileCount)
        return Stamp();
    CellBlock block(grid.width(), grid.height(), episode, false);
    for (int y = 0; y < grid.height(); ++y) {
        for (int x = 0; x < grid.width(); ++x) {
            const int tile = (grid.y() + y) * columns + grid.x() + x;
            if (tile < tileCount)
                block.SetTile(x, y, qint16(tile));
            else
                block.LeaveOut(x, y);
        }
    }
    return Stamp(block);
}

QPoint Stamp::TopLeftAt(QPoint pointer) const {
    return pointer - QPoint(m_Block.Width() / 2, m_Block.Height() / 2);
}

QPoint Stamp::TopLeftAlong(QPoint start, QPoint pointer) const {
    if (IsEmpty())
        return pointer;
    const QPoint step = pointer - start;
    const QPoint grid(floorDiv(step.x(), m_Block.Width()), floorDiv(step.y(), m_Block.Height()));
    return TopLeftAt(start) + QPoint(grid.x() * m_Block.Width(), grid.y() * m_Block.Height());
}
