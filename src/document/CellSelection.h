#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

// The rectangle of cells the select tool has chosen, always inside the
// level (empty for none). A drag spans its first and its present cell; a
// drag started with Shift keeps the corner the selection was started from
// and moves the other one, as in a spreadsheet.
class CellSelection {
public:
    bool IsEmpty() const { return m_Area.isEmpty(); }
    QRect Area() const { return m_Area; }

    // Starts a drag at `cell` in a level of `levelSize` cells.
    void Start(QPoint cell, bool extend, QSize levelSize);
    // The drag reaches `cell`; cells outside the level count as the nearest
    // one inside.
    void DragTo(QPoint cell);
    void SelectAll(QSize levelSize);
    void Clear();
    // Sets the area outright (a block just moved or pasted), clipped.
    void SetArea(const QRect& area, QSize levelSize);
    // After the level changed size: what is left inside it.
    void ClipTo(QSize levelSize);

    // For the status bar: "Selection 12,4: 20 x 5", empty for none.
    QString StatusText() const;

private:
    QPoint Clamp(QPoint cell) const;

    QRect m_Area;
    QPoint m_Anchor;
    QSize m_LevelSize;
};
