#include "LevelRenderer.h"

#include "Level.h"
#include "Surface.h"

LevelRenderer::LevelRenderer(const TileSet& tiles, const SpriteSet& sprites, int zoom)
    : m_Tiles(tiles), m_Sprites(sprites), m_Zoom(tiles.DrawnZoom(ZoomLevel(zoom))) {}

QSizeF LevelRenderer::PictureSize(const Level& level) const {
    return {level.Width() * CellSize().width(), level.Height() * CellSize().height()};
}

bool LevelRenderer::Fits(const Level& level) const {
    const QSizeF size = PictureSize(level);
    return size.width() >= 1 && size.height() >= 1 && size.width() <= MaxSide &&
           size.height() <= MaxSide && size.width() * size.height() <= double(MaxPixels);
}

QImage LevelRenderer::Render(const Level& level, const TileAnimation* animation, int frame) const {
    if (!Fits(level))
        return {};
    const QSizeF size = PictureSize(level);
    Surface canvas(int(size.width()), int(size.height()));
    if (canvas.image().isNull())
        return {}; // out of memory
    level.Display(canvas, 0, 0, m_Tiles, m_Sprites, m_Zoom, 0, 0, level.Width(), level.Height(),
                  Level::AllLayers, animation, frame);
    return canvas.image();
}
