#include "CanvasView.h"

#include "InfoOverlay.h"
#include "LevelDocument.h"
#include "PictureBox.h"
#include "PreviewSource.h"
#include "SpriteSet.h"
#include "TileAnimation.h"
#include "TileBehaviourOverlay.h"
#include "TileSet.h"
#include "ToolPreview.h"

#include <QPainter>

#include <cstdlib>

namespace {

// Sprites are drawn from cells up to three columns (rows) left of (above)
// the origin, so moving the origin changes which sprites the first cells
// show: those pixels are drawn again after a scroll.
constexpr int SpriteLead = 3;
// How far an info value's text reaches past its cell's corner, at most.
constexpr int TextReach = 4 * 27;
// Up to this many cells (a 32 x 32 box), a change is shown as one box.
constexpr qint64 SmallBoxCells = 32 * 32;

// Darkens the top row and the left column of pixels of every cell of the
// level by half: a grid seen on any tiles, and none beyond the level's edge.
// Cell edges lie at odx + k * cellWidth; `level` is the level's pixels.
void DrawGrid(QImage& image, int cellWidth, int cellHeight, int odx, int ody, const QRect& level) {
    const auto edge = [](int pixel, int origin, int size) {
        return ((pixel - origin) % size + size) % size == 0;
    };
    const QRect area = level & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const bool across = edge(y, ody, cellHeight);
        for (int x = area.left(); x <= area.right(); ++x)
            if (across || edge(x, odx, cellWidth))
                row[x] = 0xFF000000 | ((row[x] >> 1) & 0x7F7F7F);
    }
}

} // namespace

CanvasView::CanvasView(PictureBox& canvas, const LevelDocument& document,
                       std::shared_ptr<const TileSet> tiles,
                       std::shared_ptr<const SpriteSet> sprites, QObject* parent)
    : QObject(parent), m_Canvas(canvas), m_Document(document) {
    SetSets(std::move(tiles), std::move(sprites));
    canvas.SetLayer(this);
    connect(&document, &LevelDocument::cellsChanged, this, &CanvasView::RepaintCells);
    connect(&document, &LevelDocument::levelReplaced, this, &CanvasView::Invalidate);
}

void CanvasView::SetSets(std::shared_ptr<const TileSet> tiles,
                         std::shared_ptr<const SpriteSet> sprites) {
    m_Tiles = tiles ? std::move(tiles) : std::make_shared<const TileSet>();
    m_Sprites = sprites ? std::move(sprites) : std::make_shared<const SpriteSet>();
    m_Zoom = m_Tiles->DrawnZoom(m_Zoom);
    Invalidate();
}

void CanvasView::SetZoom(ZoomLevel zoom) {
    m_Zoom = m_Tiles->DrawnZoom(zoom);
}

double CanvasView::CellWidth() const {
    return m_Tiles->RenderWidth(m_Zoom);
}

double CanvasView::CellHeight() const {
    return m_Tiles->RenderHeight(m_Zoom);
}

qint32 CanvasView::CellsAcross(int w) const {
    return m_Tiles->PixelWToTiles(w, m_Zoom);
}

qint32 CanvasView::CellsDown(int h) const {
    return m_Tiles->PixelHToTiles(h, m_Zoom);
}

CanvasGeometry CanvasView::Geometry() const {
    return CanvasGeometry(CellWidth(), CellHeight(), m_OriginX, m_OriginY);
}

void CanvasView::Redraw(int sx, int sy) {
    m_OriginX = sx;
    m_OriginY = sy;
    m_Canvas.ResetWrap();
    Surface& surface = m_Canvas.surface();
    m_Document.level().Display(surface, qint16(sx), qint16(sy), *m_Tiles, *m_Sprites, m_Zoom, 0, 0,
                               -1, -1, m_Layers, m_Animation.get(), m_Frame);
    DrawOverlays(surface, QPoint(0, 0));
    m_Drawn = true;
    m_DrawnInfo = m_Document.level().InfoPlane();
    m_DrawnSize = QSize(surface.ScaleWidth(), surface.ScaleHeight());
    m_DrawnCellWidth = CellWidth();
    m_DrawnCellHeight = CellHeight();
    m_Canvas.Refresh();
}

void CanvasView::ScrollTo(int sx, int sy) {
    const Surface& surface = m_Canvas.surface();
    const QSize size(surface.ScaleWidth(), surface.ScaleHeight());
    const long long cw = qint64(CellWidth()), ch = qint64(CellHeight());
    const long long dx = (qint64(m_OriginX) - sx) * cw, dy = (qint64(m_OriginY) - sy) * ch;
    const bool same = m_Drawn && size == m_DrawnSize && m_DrawnCellWidth == CellWidth() &&
                      m_DrawnCellHeight == CellHeight();
    if (!same || std::llabs(dx) >= size.width() || std::llabs(dy) >= size.height() || cw < 1 ||
        ch < 1) {
        Redraw(sx, sy);
        return;
    }
    if (dx == 0 && dy == 0)
        return;
    m_OriginX = sx;
    m_OriginY = sy;
    // The pixels stay where they are: only where the picture starts in
    // them moves.
    m_Canvas.ScrollPicture(int(dx), int(dy));
    // Sprites are drawn from SpriteLead cells before the origin on, so which
    // ones show in the first columns (rows) depends on the origin: a sprite
    // taller than SpriteLead + 1 cells reaches past the cells the move
    // uncovers. Texts are drawn from the origin on and reach TextReach.
    auto lead = [this](qint64 sprite, qint64 cell) {
        const qint64 reach = std::max<qint64>(0, sprite - (SpriteLead + 1) * cell);
        return int(std::min<qint64>(reach + (m_ShowInfoValues ? TextReach : 0), 1 << 20));
    };
    const int leadX = lead(m_Sprites->MaxRenderWidth(m_Zoom), cw);
    const int leadY = lead(m_Sprites->MaxRenderHeight(m_Zoom), ch);
    const QRect canvas(QPoint(0, 0), size);
    const int w = size.width(), h = size.height();
    // The uncovered strips, with the bands before them that the lead reaches.
    if (dx > 0) {
        DrawPixels(QRect(0, 0, int(dx) + leadX, h) & canvas);
    } else if (dx < 0) {
        DrawPixels(QRect(w + int(dx), 0, int(-dx), h));
        DrawPixels(QRect(0, 0, leadX, h) & canvas);
    }
    if (dy > 0) {
        DrawPixels(QRect(0, 0, w, int(dy) + leadY) & canvas);
    } else if (dy < 0) {
        DrawPixels(QRect(0, h + int(dy), w, int(-dy)));
        DrawPixels(QRect(0, 0, w, leadY) & canvas);
    }
}

QRect CanvasView::Reach(const QRect& cells) const {
    // A tile change stays in its cells; an info change also reaches as far
    // as the largest sprite (and text) grows right and down from its cell.
    const QRect pixels = Geometry().PixelsOf(cells);
    const Level& level = m_Document.level();
    bool infoChanged = false;
    const QRect inLevel = cells & QRect(0, 0, level.Width(), level.Height());
    for (int y = inLevel.top(); y <= inLevel.bottom(); ++y)
        for (int x = inLevel.left(); x <= inLevel.right(); ++x) {
            qint16& drawn = m_DrawnInfo[size_t(y) * size_t(level.Width()) + size_t(x)];
            infoChanged |= drawn != level.Info(x, y);
            drawn = level.Info(x, y);
        }
    if (!infoChanged)
        return pixels;
    int right = std::max<int>(m_Sprites->MaxRenderWidth(m_Zoom), 0);
    int down = std::max<int>(m_Sprites->MaxRenderHeight(m_Zoom), 0);
    if (m_ShowInfoValues) {
        right = std::max(right, TextReach);
        down = std::max(down, TextReach);
    }
    return pixels.adjusted(0, 0, right, down);
}

void CanvasView::RepaintCells(const QRect& cells) {
    const Level& level = m_Document.level();
    if (!m_Drawn || m_DrawnInfo.size() != level.InfoPlane().size()) {
        Redraw(m_OriginX, m_OriginY);
        return;
    }
    const Surface& surface = m_Canvas.surface();
    const QRect canvas(0, 0, surface.ScaleWidth(), surface.ScaleHeight());
    DrawPixels(Reach(cells) & canvas);
}

void CanvasView::DrawPixels(const QRect& pixels) {
    if (pixels.isEmpty())
        return;
    Surface& surface = m_Canvas.surface();
    const int sw = surface.ScaleWidth(), sh = surface.ScaleHeight();
    // The whole picture's cells, so that the part is drawn exactly as the
    // whole would draw it there.
    const int w = CellsAcross(sw), h = CellsDown(sh);
    for (const PictureWrap::Piece& piece : m_Canvas.Wrap().PiecesOf(pixels)) {
        // Drawn in place: the part surface is a window onto the canvas's
        // own pixels.
        PointPartAt(piece.stored);
        m_Document.level().Display(m_Part, qint16(m_OriginX), qint16(m_OriginY), *m_Tiles,
                                   *m_Sprites, m_Zoom, -piece.shown.x(), -piece.shown.y(), w, h,
                                   m_Layers, m_Animation.get(), m_Frame);
        DrawOverlays(m_Part, piece.shown);
        PointPartAt(QRect());
    }
    m_Canvas.RefreshArea(pixels);
}

void CanvasView::PointPartAt(const QRect& stored) {
    if (stored.isEmpty()) {
        m_Part.image() = QImage();
        return;
    }
    QImage& target = m_Canvas.surface().image();
    const qsizetype stride = target.bytesPerLine();
    uchar* const first = target.bits() + stored.y() * stride + qsizetype(stored.x()) * 4;
    m_Part.image() = QImage(first, stored.width(), stored.height(), stride, target.format());
}

void CanvasView::DrawOverlays(Surface& surface, QPoint at) const {
    const double cw = CellWidth(), ch = CellHeight();
    if (m_ShowGrid && m_Zoom.Exponent() >= 0) {
        const Level& level = m_Document.level();
        const QRect levelPixels(int(-m_OriginX * cw) - at.x(), int(-m_OriginY * ch) - at.y(),
                                int(level.Width() * cw), int(level.Height() * ch));
        DrawGrid(surface.image(), int(cw), int(ch), -at.x(), -at.y(), levelPixels);
    }
    if (m_ShowInfoValues)
        InfoOverlay::Draw(surface, m_Document.level(), m_OriginX, m_OriginY, cw, ch, -at.x(),
                          -at.y());
    if (m_Overlay) {
        // Drawn as over the whole canvas, clipped to the surface.
        QPainter painter(&surface.image());
        painter.translate(-at.x(), -at.y());
        m_Overlay(painter, Geometry());
    }
}

void CanvasView::SetBehaviourOverlay(std::shared_ptr<const TileBehaviourOverlay> overlay) {
    const bool shown = ShowsBehaviour();
    m_Behaviour = std::move(overlay);
    if (shown || ShowsBehaviour())
        m_Canvas.Refresh();
}

void CanvasView::SetShowBehaviour(bool show) {
    const bool shown = ShowsBehaviour();
    m_ShowBehaviour = show;
    if (shown != ShowsBehaviour())
        m_Canvas.Refresh();
}

void CanvasView::SetAnimation(std::shared_ptr<const TileAnimation> animation, int frame) {
    m_Animation = std::move(animation);
    m_Frame = frame;
}

void CanvasView::ShowFrame(int frame) {
    const int from = m_Frame;
    m_Frame = frame;
    if (!m_Animation || !m_Drawn)
        return;
    const Surface& surface = m_Canvas.surface();
    const QRect canvas(0, 0, surface.ScaleWidth(), surface.ScaleHeight());
    const QRect window(m_OriginX, m_OriginY, CellsAcross(canvas.width()),
                       CellsDown(canvas.height()));
    const CanvasGeometry geometry = Geometry();
    for (const QRect& run : m_Animation->ChangedCells(m_Document.level(), window, from, frame))
        DrawPixels(geometry.PixelsOf(run) & canvas);
}

QRect CanvasView::Bounds() const {
    // The tile behaviour covers the whole level; Draw keeps to its cells.
    if (ShowsBehaviour())
        return QRect(0, 0, m_Canvas.surface().ScaleWidth(), m_Canvas.surface().ScaleHeight());
    if (!m_Preview || m_PreviewCells.isEmpty())
        return {};
    return Geometry().PixelsOf(m_PreviewCells);
}

void CanvasView::Draw(Surface& surface, QPoint at) const {
    if (ShowsBehaviour()) {
        const Level& level = m_Document.level();
        m_Behaviour->Draw(surface, level, m_OriginX, m_OriginY,
                          QRect(0, 0, level.Width(), level.Height()), m_Zoom, -at.x(), -at.y());
    }
    if (!m_Preview)
        return;
    const PreviewPlace place{*m_Tiles, *m_Sprites, m_Zoom, m_OriginX, m_OriginY, -at.x(), -at.y()};
    m_Preview->DrawPreview(surface, place);
}

bool CanvasView::DrawFrom(Surface& surface, QPoint at, const QImage& under) const {
    if (!m_Preview)
        return false;
    const PreviewPlace place{*m_Tiles, *m_Sprites, m_Zoom, m_OriginX, m_OriginY, -at.x(), -at.y()};
    return m_Preview->DrawPreviewFrom(surface, place, under);
}

bool CanvasView::Opaque() const {
    return m_Preview && m_Preview->PreviewOpaque();
}

void CanvasView::SetPreview(const PreviewSource* preview) {
    if (preview == m_Preview)
        return;
    // Another preview: all the cells of the old one and of the new.
    const QRect old = m_PreviewCells;
    m_Preview = preview;
    m_PreviewCells = m_Preview ? m_Preview->PreviewCells() : QRect();
    RefreshCells(QRegion(old).united(m_PreviewCells));
}

void CanvasView::RefreshPreview() {
    const QRect old = m_PreviewCells;
    m_PreviewCells = m_Preview ? m_Preview->PreviewCells() : QRect();
    // The preview is put over the picture as it is shown: the pixels whose
    // look it changes are shown again, nothing is drawn.
    RefreshCells(m_Preview ? m_Preview->PreviewChange(old) : QRegion(old));
}

void CanvasView::RefreshCells(const QRegion& cells) {
    const CanvasGeometry geometry = Geometry();
    // A small preview's pieces cost more shown one by one than their box
    // shown at once.
    const QRect box = cells.boundingRect();
    if (cells.rectCount() > 1 && qint64(box.width()) * box.height() <= SmallBoxCells) {
        m_Canvas.RefreshArea(geometry.PixelsOf(box));
        return;
    }
    for (const QRect& part : cells)
        m_Canvas.RefreshArea(geometry.PixelsOf(part));
}
