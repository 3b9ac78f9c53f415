#pragma once

#include "SpriteSet.h"
#include "TileSet.h"

#include <QImage>
#include <QSizeF>

class Level;
class TileAnimation;

// Draws whole levels as pictures at one zoom: the Episode panel's
// thumbnails, the contact sheet's pictures. It draws from copies of the
// episode's shared sets, whose scaled pictures are safe to draw from on
// several threads at once, so Render may run off the interface thread.
class LevelRenderer {
public:
    // The thumbnails' zoom: each cell 2 x 2 pixels.
    static constexpr int ThumbnailZoom = -3;
    // Pictures larger than this many pixels a side, or in all, are refused
    // rather than allocated: a whole 170 x 170 level at zoom 3 is 21760
    // pixels across.
    static constexpr qint64 MaxSide = 32767;
    static constexpr qint64 MaxPixels = qint64(1) << 28;

    // `zoom` is raised as TileSet::DrawnZoom raises it, until a tile is at
    // least a pixel; the sprites follow the tiles.
    LevelRenderer(const TileSet& tiles, const SpriteSet& sprites, int zoom = ThumbnailZoom);

    int Zoom() const { return m_Zoom.Exponent(); }
    // The size of a cell in pixels.
    QSizeF CellSize() const { return {m_Tiles.RenderWidth(m_Zoom), m_Tiles.RenderHeight(m_Zoom)}; }
    // The size of the level's picture in pixels.
    QSizeF PictureSize(const Level& level) const;
    // Whether the picture is within the limits above and not empty.
    bool Fits(const Level& level) const;
    // The whole level drawn as Level::Display draws it (with `animation`,
    // at frame `frame`); a null image when it does not fit.
    QImage Render(const Level& level, const TileAnimation* animation = nullptr,
                  int frame = 0) const;

private:
    TileSet m_Tiles;
    SpriteSet m_Sprites;
    ZoomLevel m_Zoom;
};
