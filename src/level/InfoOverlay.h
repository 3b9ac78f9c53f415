#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

class Level;
class Surface;

// Writes every non-zero info value of a window of the level as small
// outlined text over its cell, so that values that show no sprite (map
// entrances, blockers, unknown values) can be seen. The window and the
// cell positions follow the same arithmetic as Level::Display.
namespace InfoOverlay {

// Cells smaller than this (either side) get no text: it could not be read.
constexpr int MinCellSize = 8;

// The text shown for a value: decimal for 1..255 (and 0), otherwise the
// 16-bit word in hexadecimal ("0x8001"), so negative values read as the
// words the game sees.
QString Text(qint16 value);

// The size of one font pixel for cells of cellWidth x cellHeight pixels:
// the largest (at most 4) at which the widest text, "0x8001", still fits
// the cell on one line; at least 1.
int Scale(qint64 cellWidth, qint64 cellHeight);

// The lines that `text` is written in for a cell `cellWidth` pixels wide:
// one line when it fits, otherwise a hexadecimal text is broken after its
// "0x" so that the four digits fit a 16-pixel cell.
QStringList Lines(const QString& text, qint64 cellWidth, int scale);

// The picture of `lines` (left-aligned, one under the other): white letters
// on a black outline one font pixel wide, transparent elsewhere.
QImage Stamp(const QStringList& lines, int scale);

// Draws the overlay for the window whose top-left cell is (sx, sy), with
// cells of cellWidth x cellHeight pixels, as many cells as `dest` needs.
// Cells below MinCellSize get texts on world maps only (level 80), whose
// entrance and blocker values must be readable at every zoom: there the
// texts, at the smallest scale, may reach over their neighbours.
// Each cell's text starts one pixel inside the cell's top-left corner
// (right at the corner when the text is wider than the cell). With an
// offset (odx, ody) the window's top-left cell is drawn at that pixel, as
// Level::Display's offset does.
void Draw(Surface& dest, const Level& level, int sx, int sy, double cellWidth, double cellHeight,
          int odx = 0, int ody = 0);

// Draws `text` with its top-left corner at (x, y) in the built-in pixel
// font, white on a black outline, each font pixel `scale` pixels wide; the
// outline reaches `scale` pixels further out on every side.
void DrawText(Surface& dest, const QString& text, int x, int y, int scale);

} // namespace InfoOverlay
