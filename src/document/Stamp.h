#pragma once

#include "CellBlock.h"

#include <QPoint>
#include <QRect>

class CellMask;
class Level;

// What the brush puts down when it paints more than one tile: a block of
// cells (both planes when taken from the level, tiles alone when taken from
// the tile selector), laid down with its centre under the pointer and, along
// a drag, side by side on a grid of its own size that starts where the drag
// started. Its info value 0 leaves the info value under it alone, and cells
// the block leaves out (outside a selection's shape, past the last tile of
// the selector) leave both planes alone.
class Stamp {
public:
    Stamp() = default;
    explicit Stamp(CellBlock block) : m_Block(std::move(block)) {}

    // Both planes of the cells of `area` inside the level.
    static Stamp FromLevel(const Level& level, const QRect& area);
    // Both planes of the selected cells, the others left out.
    static Stamp FromSelection(const Level& level, const CellMask& cells);
    // The tiles of `area` in the tile selector, which shows tiles 0 to
    // `tileCount` - 1 row by row, `columns` to a row; places past the last
    // tile are left out. Empty when no tile of the episode lies in `area`.
    static Stamp FromTileGrid(const QRect& area, int columns, int tileCount, qint16 episode);

    bool IsEmpty() const { return m_Block.IsEmpty(); }
    const CellBlock& Block() const { return m_Block; }
    QSize Size() const { return QSize(m_Block.Width(), m_Block.Height()); }

    // The top-left cell of the stamp put down with the pointer at `pointer`.
    QPoint TopLeftAt(QPoint pointer) const;
    // The cells it covers then (which may reach past the level).
    QRect CellsAt(QPoint pointer) const { return QRect(TopLeftAt(pointer), Size()); }
    // Where the stamp goes along a drag that started at `start`, with the
    // pointer now at `pointer`: the place of the grid of the stamp's size
    // laid from the first stamp that holds the cell under the pointer.
    QPoint TopLeftAlong(QPoint start, QPoint pointer) const;

    bool operator==(const Stamp& other) const { return m_Block == other.m_Block; }
    bool operator!=(const Stamp& other) const { return !(*this == other); }

private:
    CellBlock m_Block;
};
