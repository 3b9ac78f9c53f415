#pragma once

#include "PaletteGeometry.h"
#include "ScrollRange.h"

#include <QRect>

// Where the level's cells lie on the canvas: cells of cellWidth x
// cellHeight pixels (whole pixels, as Level::Display draws them), with
// level cell (originX, originY) at the canvas's top-left corner. The one
// home of the cell under a point, the pixels of a block of cells, the
// canvas's scroll ranges and the origin that keeps a cell under a point
// when zooming; the canvas, the wheel and keys and the status bar all ask
// it.
class CanvasGeometry {
public:
    CanvasGeometry(double cellWidth, double cellHeight, int originX, int originY)
        : m_CellWidth(cellWidth), m_CellHeight(cellHeight), m_OriginX(originX), m_OriginY(originY) {
    }

    int OriginX() const { return m_OriginX; }
    int OriginY() const { return m_OriginY; }

    // The level cell under pixel (x, y) of the canvas: the pixel and the
    // cell size rounded to whole numbers, then divided (quotientOfRounded).
    PaletteGeometry::Cell CellAt(double x, double y) const;
    // The pixels the level cells `cells` cover on the canvas (which may lie
    // partly or wholly off it), as CellPixels::Of places them.
    QRect PixelsOf(const QRect& cells) const;

    // The range of one of the canvas's scroll bars. `levelCells` is the
    // level's width (height); `cellsInView` the number of cells that cover
    // the holder less one bar thickness; `cellsInHolder` those that cover the
    // whole holder. At the maximum the level's last column (row) is shown
    // whole, followed by one cell outside the level. A level that fits gives
    // 0 and a disabled bar. The page step is half the holder's cells, at
    // least 1.
    static ScrollRange Range(int levelCells, int cellsInView, int cellsInHolder);

    // The first visible column (row) that puts level column (row) `cell` at
    // `offset` cells from the canvas's left (top) edge, within 0..max: the
    // origin after a zoom about a point.
    static int OriginKeepingCell(long long cell, long long offset, int max);

private:
    double m_CellWidth;
    double m_CellHeight;
    int m_OriginX;
    int m_OriginY;
};
