#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The Overview dock's arithmetic, in plain numbers: the level's small
// picture (cells of whole pixels) centred in the dock's box, the canvas's
// view as a rectangle on it, and where a press and a drag there move the
// view. All pixels are the box's.
class OverviewGeometry {
public:
    OverviewGeometry(QSize box, QSize levelCells, QSize cellPixels);

    // The picture's top-left corner in the box: centred, 0 where it is
    // larger than the box.
    QPoint PictureAt() const;
    // The pixels `cells` cover.
    QRect PixelsOf(const QRect& cells) const;
    // The cell under `pixel`, which may lie outside the level.
    QPoint CellAt(QPoint pixel) const;

    // What a press at `pixel` holds while the canvas shows `view` cells:
    // the cell of the view (from its top-left) that stays under the
    // pointer while dragging. A press inside the view's rectangle holds
    // the cell pressed, so the rectangle moves with the pointer; one
    // outside holds the view's middle, so the view centres there.
    QPoint Grip(QPoint pixel, const QRect& view) const;
    // The canvas's first cell that puts `grip` under `pixel`, within
    // (0, 0)..originMax.
    QPoint OriginFor(QPoint pixel, QPoint grip, QPoint originMax) const;

private:
    QSize m_Box;
    QSize m_Level;
    QSize m_Cell;
};
