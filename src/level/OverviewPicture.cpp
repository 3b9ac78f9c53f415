#include "OverviewPicture.h"

#include "CellPixels.h"
#include "Level.h"
#include "SpriteSet.h"
#include "TileSet.h"

#include <algorithm>
#include <cmath>

namespace {

// The lowest zoom of the tiles: one pixel a cell.
constexpr int SmallestZoom = -4;

} // namespace

OverviewPicture::OverviewPicture(const TileSet& tiles, const SpriteSet& sprites)
    : m_Tiles(tiles), m_Sprites(sprites) {}

void OverviewPicture::Reset(const Level& level, QSize box) {
    // The largest zoom up to 1x at which the level fits the box; the
    // smallest when none does.
    m_Zoom = m_Tiles.DrawnZoom(ZoomLevel(SmallestZoom));
    for (int zoom = 0; zoom > SmallestZoom; --zoom) {
        const ZoomLevel candidate = m_Tiles.DrawnZoom(ZoomLevel(zoom));
        if (level.Width() * m_Tiles.RenderWidth(candidate) <= box.width() &&
            level.Height() * m_Tiles.RenderHeight(candidate) <= box.height()) {
            m_Zoom = candidate;
            break;
        }
    }
    const QRect whole = PixelsOf(QRect(0, 0, level.Width(), level.Height()));
    m_Surface = Surface(std::max(whole.width(), 0), std::max(whole.height(), 0));
    m_Pending = QRect();
    level.Display(m_Surface, 0, 0, m_Tiles, m_Sprites, m_Zoom, 0, 0, level.Width(), level.Height());
}

void OverviewPicture::CellsChanged(const QRect& cells) {
    m_Pending |= cells;
}

QRect OverviewPicture::Update(const Level& level) {
    const QRect cells = m_Pending & QRect(0, 0, level.Width(), level.Height());
    m_Pending = QRect();
    if (cells.isEmpty())
        return {};
    // A sprite grows right and down from its cell: the change reaches as far
    // as the largest one does.
    const int right = std::max<int>(m_Sprites.MaxRenderWidth(m_Zoom), 0);
    const int down = std::max<int>(m_Sprites.MaxRenderHeight(m_Zoom), 0);
    const QRect pixels = PixelsOf(cells).adjusted(0, 0, right, down) & m_Surface.image().rect();
    if (pixels.isEmpty())
        return {};
    // The whole level drawn onto a surface the size of those pixels: the
    // drawing takes only the cells that reach it, exactly as the whole
    // picture has them.
    Surface part(pixels.width(), pixels.height());
    level.Display(part, 0, 0, m_Tiles, m_Sprites, m_Zoom, -pixels.x(), -pixels.y(), level.Width(),
                  level.Height());
    QImage& image = m_Surface.image();
    for (int y = 0; y < pixels.height(); ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(part.image().constScanLine(y)), pixels.width(),
                    reinterpret_cast<QRgb*>(image.scanLine(pixels.y() + y)) + pixels.x());
    return pixels;
}

QRect OverviewPicture::PixelsOf(const QRect& cells) const {
    return CellPixels::Of(cells, m_Tiles.RenderWidth(m_Zoom), m_Tiles.RenderHeight(m_Zoom),
                          QPoint(0, 0), QPoint(0, 0));
}

QPoint OverviewPicture::CellAt(QPoint pixel) const {
    return QPoint(int(std::floor(pixel.x() / m_Tiles.RenderWidth(m_Zoom))),
                  int(std::floor(pixel.y() / m_Tiles.RenderHeight(m_Zoom))));
}
