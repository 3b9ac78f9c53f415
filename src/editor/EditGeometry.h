#pragma once

#include "ScrollRange.h"
#include "ZoomLevel.h"

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

// The zoom of the tile strip, the selection boxes and both selectors (twice
// the pictures' size), and of the level preview (an eighth).
constexpr ZoomLevel PaletteZoom{1};
constexpr ZoomLevel PreviewZoom{-3};

// The zoom that Zoom In goes to from `zoom`.
int ZoomInLevel(int zoom);

// The largest zoom from MaxZoom down to the smallest (cells of one pixel)
// at which a level of levelWidth x levelHeight cells of tileWidth x
// tileHeight pixels at zoom 0 fits a view of viewWidth x viewHeight
// pixels; the smallest zoom when none fits.
int FitZoom(int levelWidth, int levelHeight, int viewWidth, int viewHeight, int tileWidth,
            int tileHeight);

// The range of the tile strip's scroll bar for a strip `scaleWidth` pixels
// wide showing tiles `renderWidth` pixels wide 4 pixels apart, out of
// `count` tiles. The maximum never goes below 0, so the strip never starts
// before the first tile; the page step is never below 1.
ScrollRange TileStripRange(int scaleWidth, double renderWidth, int count);

// The text of the canvas's scroll report: a scroll bar's Max, Min and Value
// joined by ",", each with a leading space unless negative.
QString ScrollReportText(int max, int min, int value);

} // namespace EditGeometry
