#pragma once

#include "ZoomLevel.h"

#include <QImage>
#include <QPoint>
#include <QRect>

class CellBlock;
class CellMask;
class SpriteSet;
class Surface;
class TileSet;

// Where and how the canvas is drawing a tool's preview: with the episode's
// sets at the view's zoom, level cell (sx, sy) having its top-left corner
// at pixel (odx, ody) of the surface.
struct PreviewPlace {
    const TileSet& tiles;
    const SpriteSet& sprites;
    ZoomLevel zoom;
    int sx = 0;
    int sy = 0;
    int odx = 0;
    int ody = 0;

    // The size of a cell, in pixels.
    double CellWidth() const;
    double CellHeight() const;
    // The pixels of `cells` on the surface (which may lie off it), as
    // CellPixels::Of places them.
    QRect PixelsOf(const QRect& cells) const;
};

// The pieces the tools' previews are drawn from.
namespace ToolPreview {

// A dashed black and white frame on the outermost pixels of `cells`, seen
// on any background and at every zoom.
void DrawOutline(Surface& dest, const PreviewPlace& place, const QRect& cells);

// The cells of `block` (its top-left cell at `at`) that lie in `within`,
// drawn as Level::Display draws those cells of level `levelNumber`;
// `translucent` mixes them half and half with what is under them. Only the
// part on the surface is drawn.
void DrawBlock(Surface& dest, const PreviewPlace& place, const CellBlock& block, QPoint at,
               const QRect& within, qint16 levelNumber, bool translucent);

// The part of `cells` that falls on the surface.
QRect ShownCells(const Surface& dest, const PreviewPlace& place, const QRect& cells);

// The picture of cells `part` of `block` (block coordinates) as
// Level::Display draws them in level `levelNumber` with `tiles` and
// `sprites` at `zoom`. A block without tiles gives its sprites alone, on a
// see-through background (an image with an alpha channel); the cells a
// block leaves out are see-through too.
QImage Render(const CellBlock& block, const QRect& part, const TileSet& tiles,
              const SpriteSet& sprites, ZoomLevel zoom, qint16 levelNumber);

// Puts `picture`, from its pixel `from` on, into `pixels` of the surface
// (clipped), or mixes it half and half with what is there; a picture with
// an alpha channel leaves the pixels it does not cover alone.
void Put(Surface& dest, const QRect& pixels, const QImage& picture, QPoint from, bool translucent);

// Sets every pixel of the surface from `under` (a picture of the surface's
// size): inside `pixels` half and half with `picture` from its pixel
// `from` on, as Put mixes them, elsewhere as it is. `picture` has no
// see-through pixels.
void MixFrom(Surface& dest, const QRect& pixels, const QImage& picture, QPoint from,
             const QImage& under);

// Mixes a quarter of the highlight colour into the pixels of `cells`.
void Tint(Surface& dest, const PreviewPlace& place, const QRect& cells);
// The same for each cell of `cells` on the surface, a run of a row at a
// time.
void TintCells(Surface& dest, const PreviewPlace& place, const CellMask& cells);
// A selection: its frame, and its cells tinted when it is not its frame
// whole.
void DrawSelection(Surface& dest, const PreviewPlace& place, const CellMask& cells);

} // namespace ToolPreview
