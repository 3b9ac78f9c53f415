#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

// A set of cells of any shape within a level of a given size, one byte a
// cell: what a selection holds once Select Same Tile and the Magic Wand can
// make it, and which cells of a block are part of it. Cells outside the
// size are never in the set; adding them does nothing.
class CellMask {
public:
    CellMask() = default;
    // An empty set over `size`.
    explicit CellMask(QSize size);
    // The cells of `area` inside `size`.
    static CellMask OfRect(QSize size, const QRect& area);
    // The cells whose byte in `cells` (row by row over `size`) is not 0.
    static CellMask OfBytes(QSize size, std::vector<unsigned char> cells);

    QSize Size() const { return m_Size; }
    bool IsEmpty() const { return m_Count == 0; }
    int Count() const { return m_Count; }
    // The smallest rectangle holding every cell; empty for none.
    QRect BoundingRect() const { return m_Bounds; }
    // Whether the set is its bounding rectangle whole.
    bool IsRectangle() const;

    bool Contains(int x, int y) const {
        return x >= 0 && y >= 0 && x < m_Size.width() && y < m_Size.height() &&
               m_Cells[Index(x, y)];
    }
    bool Contains(QPoint cell) const { return Contains(cell.x(), cell.y()); }

    void Add(int x, int y);
    void AddRect(const QRect& area);
    void Unite(const CellMask& other);
    void Subtract(const CellMask& other);

    // The same cells moved by `offset` over a size of `size`: those landing
    // outside are dropped.
    CellMask Translated(QPoint offset, QSize size) const;

    // The cells of row y from x = left, for loops over a run of a row.
    const unsigned char* Row(int y) const { return m_Cells.data() + Index(0, y); }

    bool operator==(const CellMask& other) const {
        return m_Size == other.m_Size && m_Cells == other.m_Cells;
    }
    bool operator!=(const CellMask& other) const { return !(*this == other); }

private:
    std::size_t Index(int x, int y) const {
        return std::size_t(y) * std::size_t(m_Size.width()) + std::size_t(x);
    }
    // Counts the cells and finds their bounds again after a change of many.
    void Recount();

    QSize m_Size;
    std::vector<unsigned char> m_Cells;
    int m_Count = 0;
    QRect m_Bounds;
};
