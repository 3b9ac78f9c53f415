#include "LevelRenderer.h"

#include "Level.h"
#include "Surface.h"

#include <algorithm>

LevelRenderer::LevelRenderer(const TileSet& tiles, const SpriteSet& sprites, int zoom)
    : m_Tiles(tiles.Detached()), m_Sprites(sprites.Detached()) {
    m_Tiles.SetZoom(qint16(std::clamp(zoom, -32768, 32767)));
    m_Sprites.SetZoom(m_Tiles.Zoom());
    // Drawing once makes the scaled copies of this zoom; from then on
    // drawing only reads them.
    Surface scratch(1, 1);
    m_Tiles.Draw(0, scratch, 0, 0);
    m_Sprites.Draw(0, scratch, 0, 0, false);
}

QSizeF LevelRenderer::PictureSize(const Level& level) const {
    return {level.Width() * CellSize().width(), level.Height() * CellSize().height()};
}

bool LevelRenderer::Fits(const Level& level) const {
    const QSizeF size = PictureSize(level);
    return size.width() >= 1 && size.height() >= 1 && size.width() <= MaxSide &&
           size.height() <= MaxSide && size.width() * size.height() <= double(MaxPixels);
}

QImage LevelRenderer::Render(const Level& level) const {
    if (!Fits(level))
        return {};
    const QSizeF size = PictureSize(level);
    Surface canvas(int(size.width()), int(size.height()));
    if (canvas.image().isNull())
        return {}; // out of memory
    level.Display(canvas, 0, 0, m_Tiles, m_Sprites, 0, 0, level.Width(), level.Height());
    return canvas.image();
}
