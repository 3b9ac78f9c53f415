#pragma once

#include <QString>

// The editor window's layout arithmetic, kept apart from the widgets so that
// every rule can be checked with plain numbers.
namespace EditGeometry {

// The smallest outer size of an editor window, in pixels.
constexpr int MinOuterWidth = 363;
constexpr int MinOuterHeight = 323;

// The largest canvas zoom: 128-pixel cells. Beyond it the cell arithmetic
// of the canvas and the scroll ranges would leave the 16-bit range.
constexpr int MaxZoom = 3;

// The zoom that Zoom In goes to from `zoom`.
int ZoomInLevel(int zoom);

// A scroll bar's range: Min is always 0.
struct ScrollRange {
    int max = 0;
    int largeChange = 1;
    bool enabled = false;
};

// The range of one of the canvas's scroll bars. `levelCells` is the level's
// width (height); `cellsInView` the number of cells that cover the holder
// less one bar thickness; `cellsInHolder` those that cover the whole holder.
// At the maximum the level's last column (row) is shown whole, followed by
// one cell outside the level. A level that fits gives 0 and a disabled bar.
// The page step is half the holder's cells, and never below 1, which a
// scroll bar could not use.
ScrollRange EditScrollRange(int levelCells, int cellsInView, int cellsInHolder);

// The range of the tile strip's scroll bar for a strip `scaleWidth` pixels
// wide showing tiles `renderWidth` pixels wide 4 pixels apart, out of
// `count` tiles. The maximum never goes below 0, so the strip never starts
// before the first tile; the page step is never below 1.
ScrollRange TileStripRange(int scaleWidth, double renderWidth, int count);

// The text of the canvas's scroll report: a scroll bar's Max, Min and Value
// joined by ",", each with a leading space unless negative.
QString ScrollReportText(int max, int min, int value);

} // namespace EditGeometry
