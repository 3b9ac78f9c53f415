#include "CanvasView.h"

#include "InfoOverlay.h"
#include "LevelDocument.h"
#include "PictureBox.h"
#include "SpriteSet.h"
#include "TileSet.h"

#include <QPainter>

#include <cstdlib>
#include <cstring>

namespace {

// Sprites are drawn from cells up to three columns (rows) left of (above)
// the origin, so moving the origin changes which sprites the first cells
// show: those pixels are drawn again after a scroll.
constexpr int SpriteLead = 3;
// How far an info value's text reaches past its cell's corner, at most.
constexpr int TextReach = 4 * 27;

// Moves the picture in `image` by (dx, dy) pixels; what moves off is lost,
// what is uncovered keeps its old pixels until it is drawn.
void MovePixels(QImage& image, int dx, int dy) {
    const int w = image.width(), h = image.height();
    if (std::abs(dx) >= w || std::abs(dy) >= h)
        return;
    const int bytes = (w - std::abs(dx)) * 4;
    const int fromX = dx < 0 ? -dx : 0, toX = dx > 0 ? dx : 0;
    const qsizetype stride = image.bytesPerLine();
    uchar* bits = image.bits();
    if (dx == 0) {
        // Whole rows: one move of the block.
        const size_t block = size_t(h - std::abs(dy)) * size_t(stride);
        if (dy > 0)
            std::memmove(bits + dy * stride, bits, block);
        else
            std::memmove(bits, bits - dy * stride, block);
        return;
    }
    auto moveRow = [&](int to, int from) {
        std::memmove(bits + to * stride + toX * 4, bits + from * stride + fromX * 4, size_t(bytes));
    };
    if (dy > 0)
        for (int y = h - 1; y >= dy; --y)
            moveRow(y, y - dy);
    else
        for (int y = 0; y < h + dy; ++y)
            moveRow(y, y - dy);
}

} // namespace

CanvasView::CanvasView(PictureBox& canvas, const LevelDocument& document, const TileSet& tiles,
                       const SpriteSet& sprites, QObject* parent)
    : QObject(parent), m_Canvas(canvas), m_Document(document), m_Tiles(tiles), m_Sprites(sprites) {
    connect(&document, &LevelDocument::cellsChanged, this, &CanvasView::RepaintCells);
    connect(&document, &LevelDocument::levelReplaced, this, &CanvasView::Invalidate);
}

CanvasGeometry CanvasView::Geometry() const {
    return CanvasGeometry(m_Tiles.RenderWidth(), m_Tiles.RenderHeight(), m_OriginX, m_OriginY);
}

void CanvasView::Redraw(int sx, int sy) {
    m_OriginX = sx;
    m_OriginY = sy;
    Surface& surface = m_Canvas.surface();
    m_Document.level().Display(surface, qint16(sx), qint16(sy), m_Tiles, m_Sprites, 0, 0, -1, -1);
    if (m_ShowInfoValues)
        InfoOverlay::Draw(surface, m_Document.level(), sx, sy, m_Tiles.RenderWidth(),
                          m_Tiles.RenderHeight());
    if (m_Overlay) {
        QPainter painter(&surface.image());
        m_Overlay(painter, Geometry());
    }
    m_Drawn = true;
    m_DrawnInfo = m_Document.level().InfoPlane();
    m_DrawnSize = QSize(surface.ScaleWidth(), surface.ScaleHeight());
    m_DrawnCellWidth = m_Tiles.RenderWidth();
    m_DrawnCellHeight = m_Tiles.RenderHeight();
    m_Canvas.Refresh();
}

void CanvasView::ScrollTo(int sx, int sy) {
    const Surface& surface = m_Canvas.surface();
    const QSize size(surface.ScaleWidth(), surface.ScaleHeight());
    const long long cw = qint64(m_Tiles.RenderWidth()), ch = qint64(m_Tiles.RenderHeight());
    const long long dx = (qint64(m_OriginX) - sx) * cw, dy = (qint64(m_OriginY) - sy) * ch;
    const bool same = m_Drawn && size == m_DrawnSize && m_DrawnCellWidth == m_Tiles.RenderWidth() &&
                      m_DrawnCellHeight == m_Tiles.RenderHeight();
    if (!same || std::llabs(dx) >= size.width() || std::llabs(dy) >= size.height() || cw < 1 ||
        ch < 1) {
        Redraw(sx, sy);
        return;
    }
    if (dx == 0 && dy == 0)
        return;
    m_OriginX = sx;
    m_OriginY = sy;
    MovePixels(m_Canvas.surface().image(), int(dx), int(dy));
    // Sprites are drawn from SpriteLead cells before the origin on, so which
    // ones show in the first columns (rows) depends on the origin: a sprite
    // taller than SpriteLead + 1 cells reaches past the cells the move
    // uncovers. Texts are drawn from the origin on and reach TextReach.
    auto lead = [this](qint64 sprite, qint64 cell) {
        const qint64 reach = std::max<qint64>(0, sprite - (SpriteLead + 1) * cell);
        return int(std::min<qint64>(reach + (m_ShowInfoValues ? TextReach : 0), 1 << 20));
    };
    const int leadX = lead(m_Sprites.MaxRenderWidth(), cw);
    const int leadY = lead(m_Sprites.MaxRenderHeight(), ch);
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
    m_Canvas.Refresh();
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
    int right = std::max<int>(m_Sprites.MaxRenderWidth(), 0);
    int down = std::max<int>(m_Sprites.MaxRenderHeight(), 0);
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
    const int w = m_Tiles.PixelWToTiles(sw), h = m_Tiles.PixelHToTiles(sh);
    // Drawn in place: the part surface is a window onto the canvas's own
    // pixels.
    QImage& target = surface.image();
    const qsizetype stride = target.bytesPerLine();
    uchar* const first = target.bits() + pixels.y() * stride + qsizetype(pixels.x()) * 4;
    m_Part.image() = QImage(first, pixels.width(), pixels.height(), stride, target.format());
    m_Document.level().Display(m_Part, qint16(m_OriginX), qint16(m_OriginY), m_Tiles, m_Sprites,
                               -pixels.x(), -pixels.y(), w, h);
    if (m_ShowInfoValues)
        InfoOverlay::Draw(m_Part, m_Document.level(), m_OriginX, m_OriginY, m_Tiles.RenderWidth(),
                          m_Tiles.RenderHeight(), -pixels.x(), -pixels.y());
    if (m_Overlay) {
        // Drawn as over the whole canvas, clipped to the part.
        QPainter painter(&m_Part.image());
        painter.translate(-pixels.x(), -pixels.y());
        m_Overlay(painter, Geometry());
    }
    m_Part.image() = QImage();
    m_Canvas.RefreshArea(pixels);
}
