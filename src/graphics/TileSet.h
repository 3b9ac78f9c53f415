#pragma once

#include "IoResult.h"
#include "Picture.h"

#include <QString>
#include <memory>

class Surface;

// The tiles of one episode: a shared sheet image cut on the fly into 16 x 16
// tiles numbered row by row, drawn at a power-of-two zoom.
class TileSet {
public:
    TileSet();

    qint16 Zoom() const { return m_Zoom; }
    // Stores the zoom, raised until a drawn tile is at least one pixel.
    void SetZoom(qint16 newZoom);
    double RenderWidth() const;
    double RenderHeight() const;
    qint16 Count() const { return m_Count; }

    // Draws tile `tileIndex` with its top-left corner at (xd, yd). Indices
    // outside 0..Count-1 draw a button-shadow square of the tile's size.
    void Draw(qint16 tileIndex, Surface& dest, int xd, int yd) const;
    // Draws `count` tiles side by side from (xd, yd) rightwards: exactly what
    // `count` calls of Draw would draw, with less work per tile.
    void DrawRow(const qint16* tileIndices, int count, Surface& dest, int xd, int yd) const;
    // Draws the square of an index outside the set for each of `columns` x
    // `rows` cells from (xd, yd) in one box, as Draw would cell by cell.
    void DrawOutside(Surface& dest, int xd, int yd, int columns, int rows) const;

    // Loads the sheet from a bitmap file (path separators "/" or "\"; the
    // file name matches in any letter case). On failure the set is unchanged.
    IoResult LoadFromBitmap(const QString& fileName);
    // Takes an already loaded sheet image.
    void LoadFromImage(const QImage& sheet);

    Picture Tiles() const { return m_Tiles; }
    qint16 TilesPerRow() const { return m_TilesPerRow; }
    void LoadFromTileSet(const TileSet& t);
    qint32 PixelWToTiles(int w) const;
    qint32 PixelHToTiles(int h) const;
    // A set sharing this one's sheet, at zoom 0.
    TileSet Clone() const;
    // A set sharing this one's sheet, at zoom 0, with scaled copies of its
    // own: drawing from it never touches the other sets' copies, so that
    // it can be drawn from on another thread. Once it has drawn at one
    // zoom, drawing at that zoom only reads, and several threads may draw
    // from it at once.
    TileSet Detached() const;
    qint16 Width() const { return m_Width; }
    qint16 Height() const { return m_Height; }

private:
    struct ScaledSheets;

    int TileSourceX(qint16 n) const;
    int TileSourceY(qint16 n) const;
    bool InRange(qint16 n) const { return m_Tiles && n >= 0 && n < m_Count; }
    // The sheet at the current zoom (the sheet itself at zoom 0), made once
    // per zoom and shared with the clones; null when it would be too large.
    // The image lasts until the set or a clone asks for another zoom.
    const QImage* ScaledSheet() const;
    // DrawRow at a zoom above 0 onto an RGB32 surface: each tile row is
    // widened once from the sheet and copied down, which writes the same
    // pixels as copying from a scaled sheet but reads a sixty-fourth as
    // many at zoom 3.
    void DrawRowMagnified(const qint16* tileIndices, int count, QImage& target, int xd,
                          int yd) const;

    Picture m_Tiles;
    // Sheets scaled to the zooms drawn so far; shared by the clones of one
    // sheet so that the views of all editor windows scale each zoom once.
    std::shared_ptr<ScaledSheets> m_Scaled;
    qint16 m_Count = 0;
    qint16 m_TilesPerRow = 13;
    qint16 m_Width = 16;
    qint16 m_Height = 16;
    qint16 m_Zoom = 0;
};
