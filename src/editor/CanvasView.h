#pragma once

#include "CanvasGeometry.h"
#include "PictureBox.h"
#include "Surface.h"
#include "ZoomLevel.h"

#include <QObject>
#include <QRect>
#include <QRegion>

#include <functional>
#include <memory>
#include <vector>

class PreviewSource;
class QPainter;
class TileAnimation;
class TileBehaviourOverlay;

class LevelDocument;
class SpriteSet;
class TileSet;

// The canvas's picture of the level: exactly what Level::Display (and the
// info overlay, when it is on) draws for the view's origin, kept up to date
// by drawing only what changed. A change of cells draws those cells (and
// the sprites and texts that reach them) again; a scroll keeps the pixels
// already drawn where they are (the canvas's picture wraps, see
// PictureWrap) and draws the strips it uncovers; only a new level, new
// sets, a zoom or a new size draw everything. The view keeps its own zoom
// and draws the episode's shared sets at it. What the tiles do (the tile
// behaviour overlay) and a tool's preview are a layer over the picture,
// never drawn into it (see PictureLayer). While tiles animate, the picture
// shows each cell at the view's frame, and a new frame draws only the
// cells on screen whose picture changes.
class CanvasView : public QObject, private PictureLayer {
    Q_OBJECT
public:
    CanvasView(PictureBox& canvas, const LevelDocument& document,
               std::shared_ptr<const TileSet> tiles, std::shared_ptr<const SpriteSet> sprites,
               QObject* parent = nullptr);

    // The sets drawn with (never null: a null set is taken as an empty one).
    void SetSets(std::shared_ptr<const TileSet> tiles, std::shared_ptr<const SpriteSet> sprites);
    const TileSet& Tiles() const { return *m_Tiles; }
    // The zoom the canvas is drawn at: the one asked for, raised where the
    // tiles need (see TileSet::DrawnZoom). The caller redraws.
    ZoomLevel Zoom() const { return m_Zoom; }
    void SetZoom(ZoomLevel zoom);
    // A cell's size on the canvas, in pixels.
    double CellWidth() const;
    double CellHeight() const;
    // The number of cells it takes to cover `w` (`h`) canvas pixels.
    qint32 CellsAcross(int w) const;
    qint32 CellsDown(int h) const;

    CanvasGeometry Geometry() const;
    void SetShowInfoValues(bool show) { m_ShowInfoValues = show; }
    // View options; the caller redraws. The grid shows at zoom 0 and above.
    void SetShowGrid(bool show) { m_ShowGrid = show; }
    // Level::Layers to draw.
    void SetLayers(int layers) { m_Layers = layers; }
    // What the tiles do, drawn over the level while shown (null: nothing).
    // Shown at once: the layer needs no drawing of the picture.
    void SetBehaviourOverlay(std::shared_ptr<const TileBehaviourOverlay> overlay);
    void SetShowBehaviour(bool show);
    bool ShowsBehaviour() const { return m_ShowBehaviour && m_Behaviour != nullptr; }
    // The tiles' loops (null: every tile still) and the frame they show;
    // the caller redraws.
    void SetAnimation(std::shared_ptr<const TileAnimation> animation, int frame);
    const std::shared_ptr<const TileAnimation>& Animation() const { return m_Animation; }
    int Frame() const { return m_Frame; }
    // Moves the animation to `frame`, drawing only the cells on screen
    // whose picture changes.
    void ShowFrame(int frame);
    // What is drawn over the level (none: nullptr).
    void SetPreview(const PreviewSource* preview);
    // The preview may have changed: its old and new cells are shown again.
    void RefreshPreview();
    // The first level cell shown, across and down.
    QPoint Origin() const { return QPoint(m_OriginX, m_OriginY); }
    // Something drawn over the level (a marked cell, a tool's preview): the
    // painter's origin is the canvas's top-left corner.
    using Overlay = std::function<void(QPainter& painter, const CanvasGeometry& geometry)>;
    void SetOverlay(Overlay overlay) { m_Overlay = std::move(overlay); }

    // Draws the whole canvas for origin (sx, sy).
    void Redraw(int sx, int sy);
    // The view moves to origin (sx, sy).
    void ScrollTo(int sx, int sy);
    // Level cells `cells` may have changed.
    void RepaintCells(const QRect& cells);
    // What the canvas shows no longer follows from the level and sets (new
    // level, new sets): the next change or scroll draws everything.
    void Invalidate() { m_Drawn = false; }

private:
    // Draws the exact pixels of the whole picture inside `pixels` (canvas
    // coordinates) and asks for them to be shown.
    void DrawPixels(const QRect& pixels);
    // The pixels a change of `cells` can reach, noting their info values
    // as drawn.
    QRect Reach(const QRect& cells) const;
    // The grid and the texts over the level drawn into `surface`, whose
    // pixel (0, 0) is canvas pixel `at`.
    void DrawOverlays(Surface& surface, QPoint at) const;
    // Points m_Part at `stored` pixels of the canvas's image (an empty
    // rectangle: nowhere).
    void PointPartAt(const QRect& stored);
    // Shows again the pixels of level cells `cells`.
    void RefreshCells(const QRegion& cells);
    // The tile behaviour and the preview as the canvas's layer.
    QRect Bounds() const override;
    void Draw(Surface& surface, QPoint at) const override;
    bool Opaque() const override;
    bool DrawFrom(Surface& surface, QPoint at, const QImage& under) const override;

    PictureBox& m_Canvas;
    const LevelDocument& m_Document;
    std::shared_ptr<const TileSet> m_Tiles;
    std::shared_ptr<const SpriteSet> m_Sprites;
    ZoomLevel m_Zoom;
    // A window onto part of the canvas's pixels while it is drawn.
    Surface m_Part;
    // The info plane as the canvas shows it.
    mutable std::vector<qint16> m_DrawnInfo;
    int m_OriginX = 0;
    int m_OriginY = 0;
    bool m_ShowInfoValues = false;
    bool m_ShowGrid = false;
    int m_Layers = 3;
    const PreviewSource* m_Preview = nullptr;
    QRect m_PreviewCells;
    std::shared_ptr<const TileBehaviourOverlay> m_Behaviour;
    bool m_ShowBehaviour = false;
    std::shared_ptr<const TileAnimation> m_Animation;
    int m_Frame = 0;
    Overlay m_Overlay;
    // The picture on the canvas was drawn for the present size and sets.
    bool m_Drawn = false;
    QSize m_DrawnSize;
    double m_DrawnCellWidth = 0;
    double m_DrawnCellHeight = 0;
};
