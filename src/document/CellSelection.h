#pragma once

#include "CellMask.h"

#include <QPoint>
#include <QRect>
#include <QString>

// The cells the selection tools have chosen, a set of any shape always
// inside the level (empty for none). A rectangle drag spans its first and
// its present cell; a drag started with Shift keeps the corner the
// selection was started from and moves the other one, as in a spreadsheet.
// Select Same Tile and the Magic Wand replace the set, add to it or take
// from it (Combine).
class CellSelection {
public:
    // How a set of cells found by a tool meets the selection.
    enum class Combine { Replace, Add, Remove };

    bool IsEmpty() const { return m_Cells.IsEmpty(); }
    // The selected cells.
    const CellMask& Cells() const { return m_Cells; }
    // The smallest rectangle holding every selected cell.
    QRect BoundingRect() const { return m_Cells.BoundingRect(); }
    bool Contains(QPoint cell) const { return m_Cells.Contains(cell); }

    // Starts a drag at `cell` in a level of `levelSize` cells.
    void Start(QPoint cell, bool extend, QSize levelSize);
    // The drag reaches `cell`; cells outside the level count as the nearest
    // one inside.
    void DragTo(QPoint cell);
    void SelectAll(QSize levelSize);
    void Clear();
    // Sets the area outright (a block just moved or pasted), clipped.
    void SetArea(const QRect& area, QSize levelSize);
    // Sets the cells outright (a shape just moved).
    void SetCells(const CellMask& cells);
    // `cells` (over the level's size) replace the selection, join it or
    // leave it.
    void Apply(const CellMask& cells, Combine how);
    // After the level changed size: what is left inside it.
    void ClipTo(QSize levelSize);

    // For the status bar: "Selection 12,4: 20 x 5", with the number of
    // cells when the selection is not its rectangle whole; empty for none.
    QString StatusText() const;

private:
    QPoint Clamp(QPoint cell) const;

    CellMask m_Cells;
    QPoint m_Anchor;
    QSize m_LevelSize;
};
