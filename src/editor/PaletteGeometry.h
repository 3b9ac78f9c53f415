#pragma once

#include "ScrollRange.h"

#include <QPoint>
#include <QRect>
#include <QString>

// The exact arithmetic behind the palettes and the canvas's pointer: which
// tile a strip click chooses, how many columns and rows a selector shows,
// its scroll range, which cell a point picks and where the strip scrolls to
// centre a selection.
//
// Everything is computed in 64-bit integers from double-precision sizes,
// rounded and divided as Rounding.h does it, so enormous drawn sizes at high
// zoom and far-away pointer positions never overflow.
namespace PaletteGeometry {

// The tile a click at x pixels on the strip chooses, with `firstTile` the
// strip's first tile and `pitch` a tile plus its 4-pixel gap; clamped to
// 0..count-1. An empty set (count <= 0) has no tile to choose: -1.
int StripTileAt(double x, int firstTile, double pitch, int count);

// The first strip tile that puts `tile` in the middle of a scroll bar
// `barWidth` pixels wide with tiles `tileWidth` pixels wide, within
// minimum..maximum.
int StripCentre(int tile, int barWidth, double tileWidth, int minimum, int maximum);

// A selector's grid: whole or partial cells across the width left of the
// scroll bar and down the height, each less one.
struct Grid {
    long long columns = 0;
    long long rows = 0;
    // A grid without a single column or row draws nothing and picks
    // nothing.
    bool Usable() const { return columns > 0 && rows > 0; }
};
Grid SelectorGrid(int width, int height, int barWidth, double pitchX, double pitchY);

// The range of a selector's scroll bar, whose value is the grid row shown
// at the top.
ScrollRange SelectorRange(int count, const Grid& grid);

// The number of the grid cell (counted row by row from the grid's first
// row) drawn at row r and column c while the bar shows row `firstRow` at the
// top.
long long SelectorCell(const Grid& grid, long long firstRow, long long r, long long c);

// The grid cells (columns across, rows down) a drag from item `from` to
// item `to` spans, both included, whichever way it went; one cell for a
// grid without columns or a negative item.
QRect SelectorSpan(const Grid& grid, long long from, long long to);

// A point of the window's inner area made relative to the inner area of a
// selector whose outer rectangle in the window is `outer` and whose inner
// area is scaleWidth x scaleHeight: half of the size difference is the
// border on each side.
QPoint InnerPoint(int x, int y, const QRect& outer, int scaleWidth, int scaleHeight);

// The item picked at (x, y) of a selector's inner area (scaleWidth x
// scaleHeight, the scroll bar's column included), or -1 when the point is
// outside it, the grid is unusable or there are no items. A point in a gap
// or over the bar picks the nearest row and column; an item past the last
// one picks the last.
int SelectorPick(int x, int y, int scaleWidth, int scaleHeight, double pitchX, double pitchY,
                 const Grid& grid, int firstRow, int count);

// A level cell, as CanvasGeometry finds it under the pointer.
struct Cell {
    long long x = 0;
    long long y = 0;
    bool Inside(int levelWidth, int levelHeight) const {
        return x >= 0 && x < levelWidth && y >= 0 && y < levelHeight;
    }
};

// The position label's text for a cell: " 12, 7".
QString PositionText(const Cell& cell);

} // namespace PaletteGeometry
