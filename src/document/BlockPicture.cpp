#include "BlockPicture.h"

#include "Surface.h"
#include "ToolPreview.h"

namespace {
// 8.4 million pixels, 34 MB: the largest whole level (182 x 180 cells,
// 2912 x 2880 pixels) at 1x zoom, so that any block follows the pointer at
// 1x and below without being drawn again.
constexpr double LargestPicture = 8.4e6;
} // namespace

void BlockPicture::SetBlock(const CellBlock& block) {
    m_Block = block;
    m_Picture = QImage();
}

bool BlockPicture::KeepPicture(const PreviewPlace& place, qint16 levelNumber) const {
    const double pixels =
        double(m_Block.Width()) * place.CellWidth() * m_Block.Height() * place.CellHeight();
    if (pixels > LargestPicture)
        return false;
    if (m_Picture.isNull() || m_Tiles != &place.tiles || m_Sprites != &place.sprites ||
        m_Zoom != place.zoom || m_LevelNumber != levelNumber) {
        m_Picture = ToolPreview::Render(m_Block, QRect(0, 0, m_Block.Width(), m_Block.Height()),
                                        place.tiles, place.sprites, place.zoom, levelNumber);
        m_Tiles = &place.tiles;
        m_Sprites = &place.sprites;
        m_Zoom = place.zoom;
        m_LevelNumber = levelNumber;
    }
    return true;
}

void BlockPicture::Draw(Surface& dest, const PreviewPlace& place, QPoint at, const QRect& within,
                        qint16 levelNumber, bool translucent) const {
    const QRect whole(at, QSize(m_Block.Width(), m_Block.Height()));
    const QRect shown = ToolPreview::ShownCells(dest, place, whole & within);
    if (shown.isEmpty())
        return;
    if (!KeepPicture(place, levelNumber)) {
        ToolPreview::DrawBlock(dest, place, m_Block, at, within, levelNumber, translucent);
        return;
    }
    const QRect target = place.PixelsOf(shown);
    const QPoint from = target.topLeft() - place.PixelsOf(whole).topLeft();
    ToolPreview::Put(dest, target, m_Picture, from, translucent);
}

bool BlockPicture::DrawFrom(Surface& dest, const PreviewPlace& place, QPoint at,
                            const QRect& within, qint16 levelNumber, const QImage& under) const {
    if (!KeepPicture(place, levelNumber) || m_Picture.hasAlphaChannel())
        return false;
    const QRect whole(at, QSize(m_Block.Width(), m_Block.Height()));
    const QRect shown = ToolPreview::ShownCells(dest, place, whole & within);
    const QRect target = shown.isEmpty() ? QRect() : place.PixelsOf(shown);
    const QPoint from = target.topLeft() - place.PixelsOf(whole).topLeft();
    ToolPreview::MixFrom(dest, target, m_Picture, from, under);
    return true;
}
