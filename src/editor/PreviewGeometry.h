#pragma once

#include <QPoint>
#include <QSize>

// The arithmetic of the level preview, kept apart from the widgets so that
// it can be checked with plain numbers. All values are pixels.
namespace PreviewGeometry {

// Outer size of a preview whose inner area holds a level of levelW x levelH
// cells of cellW x cellH pixels exactly; `border` is outer minus inner size.
QSize OuterSize(int levelW, int levelH, double cellW, double cellH, QSize border);

// Where the preview opens: centred on the corner button's top-left corner,
// then pulled back inside the window on the right and at the bottom. A
// preview larger than the window is left to stick out on the left or top.
QPoint Position(QPoint buttonTopLeft, QSize outer, QSize windowInner);

// One axis of following the pointer: `pointer` in window pixels,
// `previewLeft` the preview's outer left (or top) edge, `borderDiff` its
// outer minus inner size, `visibleCells` the cells the edit area holds at
// the canvas's zoom. The preview's cells are taken as 2 pixels (16-pixel
// tiles at zoom -3) whatever the tile set says. The result is the scroll
// value that puts the cell under the pointer in the middle of the canvas,
// clamped to min..max.
int ScrollValue(int pointer, int previewLeft, int borderDiff, int visibleCells, int min, int max);

} // namespace PreviewGeometry
