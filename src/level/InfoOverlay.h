#pragma once

#include <QString>

class Level;
class Surface;

// Writes every non-zero info value of a window of the level as small
// outlined text over its cell, so that values that show no sprite (map
// entrances, blockers, unknown values) can be seen. The window and the
// cell size follow the same arithmetic as Level::Display.
namespace InfoOverlay {

// The text shown for a value: decimal for 1..255, otherwise the 16-bit word
// in hexadecimal ("0x8001").
QString Text(qint16 value);

// Draws the overlay for the window whose top-left cell is (sx, sy), with
// cells of cellWidth x cellHeight pixels, as many cells as `dest` needs.
// Nothing is drawn for cells smaller than 8 pixels, where text cannot be
// read.
void Draw(Surface& dest, const Level& level, int sx, int sy, double cellWidth, double cellHeight);

// Draws `text` with its top-left corner at (x, y) in the built-in pixel
// font, white on a black outline, each font pixel `scale` pixels wide.
void DrawText(Surface& dest, const QString& text, int x, int y, int scale);

} // namespace InfoOverlay
