#pragma once

#include "IoResult.h"
#include "Picture.h"
#include "ScaledPictureCache.h"
#include "ZoomLevel.h"

#include <QString>
#include <memory>

class Surface;

// The tiles of one episode: a shared sheet image cut on the fly into 16 x 16
// tiles numbered row by row, drawn at any power-of-two zoom. One set serves
// every view of its episode (read-only, from any thread); each view brings
// its own zoom.
class TileSet {
public:
    TileSet();

    // The zoom tiles are drawn at when `zoom` is asked for: raised until a
    // drawn tile covers at least one pixel (-4 for the 16 x 16 tiles).
    ZoomLevel DrawnZoom(ZoomLevel zoom) const { return zoom.AtLeastOnePixel(m_Width, m_Height); }
    double RenderWidth(ZoomLevel zoom) const;
    double RenderHeight(ZoomLevel zoom) const;
    qint16 Count() const { return m_Count; }

    // Draws tile `tileIndex` at `zoom` with its top-left corner at (xd, yd).
    // Indices outside 0..Count-1 draw a button-shadow square of the tile's
    // size.
    void Draw(qint16 tileIndex, Surface& dest, int xd, int yd, ZoomLevel zoom) const;
    // Draws `count` tiles side by side from (xd, yd) rightwards: exactly what
    // `count` calls of Draw would draw, with less work per tile.
    void DrawRow(const qint16* tileIndices, int count, Surface& dest, int xd, int yd,
                 ZoomLevel zoom) const;
    // Draws the square of an index outside the set for each of `columns` x
    // `rows` cells from (xd, yd) in one box, as Draw would cell by cell.
    void DrawOutside(Surface& dest, int xd, int yd, int columns, int rows, ZoomLevel zoom) const;

    // Loads the sheet from a bitmap file (path separators "/" or "\"; the
    // file name matches in any letter case). On failure the set is unchanged.
    IoResult LoadFromBitmap(const QString& fileName);
    // Takes an already loaded sheet image.
    void LoadFromImage(const QImage& sheet);

    Picture Tiles() const { return m_Tiles; }
    qint16 TilesPerRow() const { return m_TilesPerRow; }
    // The number of tiles it takes to cover `w` (`h`) pixels at `zoom`.
    qint32 PixelWToTiles(int w, ZoomLevel zoom) const;
    qint32 PixelHToTiles(int h, ZoomLevel zoom) const;
    qint16 Width() const { return m_Width; }
    qint16 Height() const { return m_Height; }

private:
    // The picture tiles are copied from at one zoom: the sheet itself at
    // zoom 0, otherwise the scaled copy that `kept` keeps alive; `image` is
    // null when there is none (a copy too large to keep, or an empty set).
    struct Sheet {
        const QImage* image = nullptr;
        ScaledPictureCache::Entry kept;
    };

    int TileSourceX(qint16 n) const;
    int TileSourceY(qint16 n) const;
    bool InRange(qint16 n) const { return m_Tiles && n >= 0 && n < m_Count; }
    // The sheet at drawn zoom `zoom`, scaled once per zoom and shared by
    // every view of the set.
    Sheet SheetAt(ZoomLevel zoom) const;
    void DrawAt(qint16 tileIndex, Surface& dest, int xd, int yd, ZoomLevel zoom) const;
    void DrawOutsideAt(Surface& dest, int xd, int yd, int columns, int rows, ZoomLevel zoom) const;
    // DrawRow at a zoom above 0 onto an RGB32 surface: each tile row is
    // widened once from the sheet and copied down, which writes the same
    // pixels as copying from a scaled sheet but reads a sixty-fourth as
    // many at zoom 3.
    void DrawRowMagnified(const qint16* tileIndices, int count, QImage& target, int xd, int yd,
                          ZoomLevel zoom) const;

    Picture m_Tiles;
    // The sheet scaled to the zooms drawn so far; shared by the copies of
    // the set, so that every view of the episode scales each zoom once.
    std::shared_ptr<ScaledPictureCache> m_Scaled;
    qint16 m_Count = 0;
    qint16 m_TilesPerRow = 13;
    qint16 m_Width = 16;
    qint16 m_Height = 16;
};
