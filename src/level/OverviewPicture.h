#pragma once

#include "Surface.h"
#include "ZoomLevel.h"

#include <QPoint>
#include <QRect>
#include <QSize>

class Level;
class SpriteSet;
class TileSet;

// The Overview dock's picture: a whole level drawn small, at the largest
// zoom (1x at most) at which it fits a box, kept up to date by drawing again
// only what changed. Changes are gathered (CellsChanged, as the document
// reports them) and drawn together at the next Update, which says which
// pixels changed, so that a burst of edits costs one small redraw.
class OverviewPicture {
public:
    OverviewPicture(const TileSet& tiles, const SpriteSet& sprites);

    // Chooses the zoom for a box of `box` pixels and draws `level` whole.
    void Reset(const Level& level, QSize box);
    // Cells (in level coordinates) whose tile or info may have changed.
    void CellsChanged(const QRect& cells);
    bool HasChanges() const { return !m_Pending.isEmpty(); }
    // Draws the changed cells again, and the pixels the sprites of their
    // neighbours reach; the pixels drawn, empty when nothing changed.
    QRect Update(const Level& level);

    const QImage& Picture() const { return m_Surface.image(); }
    ZoomLevel Zoom() const { return m_Zoom; }
    // The pixels of `cells` in the picture (the canvas's view rectangle).
    QRect PixelsOf(const QRect& cells) const;
    // The cell under pixel `pixel` of the picture (dragging the view
    // rectangle); cells outside the level may result.
    QPoint CellAt(QPoint pixel) const;

private:
    const TileSet& m_Tiles;
    const SpriteSet& m_Sprites;
    ZoomLevel m_Zoom;
    Surface m_Surface;
    QRect m_Pending;
};
