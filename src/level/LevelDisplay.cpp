#include "Level.h"

#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TileAnimation.h"
#include "TileSet.h"

#include <algorithm>

// The drawing gives exactly the pixels of drawing every cell of the window
// with TileSet::Draw and then every sprite with SpriteSet::Draw, but it only
// visits cells that can reach the surface, draws a row of tiles at a time and
// covers the area outside the level with two boxes. A redraw then costs about
// the same whether the cells are 64 pixels or one.

namespace {

// A tile larger than this is not drawn: no surface is that large, and the
// limit keeps every drawing position well inside 32 bits.
constexpr double MaxCellSize = 1 << 20;

// The window cells [first, last) whose cells of `size` pixels, starting at
// pixel `origin`, reach into [0, extent).
void visibleCells(qint64 origin, qint64 size, qint64 extent, qint64 cells, qint64& first,
                  qint64& last) {
    first = origin >= 0 ? 0 : (-origin) / size;
    last = extent > origin ? std::min(cells, (extent - origin + size - 1) / size) : 0;
}

} // namespace

void Level::Display(Surface& dest, qint16 sx, qint16 sy, const TileSet& tiles,
                    const SpriteSet& sprites, ZoomLevel asked, int odx, int ody, int w, int h,
                    int layers, const TileAnimation* animation, int frame) const {
    // The sprites follow the zoom the tiles take.
    const ZoomLevel zoom = tiles.DrawnZoom(asked);
    if (tiles.RenderWidth(zoom) > MaxCellSize || tiles.RenderHeight(zoom) > MaxCellSize)
        return;
    if (w == -1)
        w = tiles.PixelWToTiles(dest.ScaleWidth(), zoom);
    if (h == -1)
        h = tiles.PixelHToTiles(dest.ScaleHeight(), zoom);
    const qint64 cw = qint64(tiles.RenderWidth(zoom)), ch = qint64(tiles.RenderHeight(zoom));

    // Tile pass: window cells (c, r) are level cells (sx + c, sy + r).
    qint64 c0, c1, r0, r1;
    visibleCells(odx, cw, dest.ScaleWidth(), std::max(w, 0), c0, c1);
    visibleCells(ody, ch, dest.ScaleHeight(), std::max(h, 0), r0, r1);
    if (w > 0 && h > 0 && (sx + w > m_Width || sy + h > m_Height))
        tiles.DrawOutside(dest, odx, ody, 0, 0, zoom); // the colour and style it leaves behind
    const qint64 levelColumns = std::clamp<qint64>(qint64(m_Width) - sx, 0, c1);
    const qint64 levelRows = std::clamp<qint64>(qint64(m_Height) - sy, 0, r1);
    std::vector<qint16> row;
    const bool showTiles = (layers & TileLayer) != 0;
    if (!showTiles && !(layers & KeepBackground) && c0 < levelColumns && r0 < levelRows)
        dest.Line(double(odx + c0 * cw), double(ody + r0 * ch), double(odx + levelColumns * cw - 1),
                  double(ody + levelRows * ch - 1), 0xFF000000, true);
    // The tiles shown at `frame`, indexed by tile number (none: as stored).
    static const std::vector<qint16> still;
    const std::vector<qint16>& shown = animation ? animation->FrameMap(frame) : still;
    for (qint64 r = showTiles ? r0 : levelRows; r < levelRows; ++r) {
        row.clear();
        for (qint64 c = c0; c < levelColumns; ++c) {
            const qint16 tile = Tile(int(sx + c), int(sy + r));
            row.push_back(tile >= 0 && size_t(tile) < shown.size() ? shown[size_t(tile)] : tile);
        }
        tiles.DrawRow(row.data(), int(row.size()), dest, int(odx + c0 * cw), int(ody + r * ch),
                      zoom);
    }
    // Cells right of the level in the level's rows, then every cell below it.
    const qint64 right0 = std::max(c0, levelColumns), bottom0 = std::max(r0, levelRows);
    if (right0 < c1 && r0 < levelRows)
        tiles.DrawOutside(dest, int(odx + right0 * cw), int(ody + r0 * ch), int(c1 - right0),
                          int(levelRows - r0), zoom);
    if (bottom0 < r1 && c0 < c1)
        tiles.DrawOutside(dest, int(odx + c0 * cw), int(ody + bottom0 * ch), int(c1 - c0),
                          int(r1 - bottom0), zoom);

    if (!(layers & SpriteLayer))
        return;

    // Sprite pass, from three cells up and left of the window so that the
    // parts of sprites whose cells lie just outside it show; sprites grow
    // right and down from their cell. Later sprites lie over earlier ones.
    // Cells whose largest sprite would still end before the surface's first
    // column (row) are skipped, so that drawing a small part of a large
    // picture (odx, ody far negative) visits only the cells near it.
    const auto firstReaching = [](qint64 origin, qint64 size, qint64 reach) {
        const qint64 gap = -origin - reach; // pixels between the window's first
                                            // cell's reach and the surface
        return gap <= 0 ? qint64(-3) : gap / size;
    };
    const int xFirst = int(std::max<qint64>(
        {qint64(sx) - 3, 0, qint64(sx) + firstReaching(odx, cw, sprites.MaxRenderWidth(zoom))}));
    const int yFirst = int(std::max<qint64>(
        {qint64(sy) - 3, 0, qint64(sy) + firstReaching(ody, ch, sprites.MaxRenderHeight(zoom))}));
    const int xLast = int(std::min<qint64>(qint64(sx) + w - 1, m_Width - 1));
    const int yLast = int(std::min<qint64>(qint64(sy) + h - 1, m_Height - 1));
    for (int y = yFirst; y <= yLast; ++y) {
        const qint64 yd = ody + qint64(y - sy) * ch;
        if (yd >= dest.ScaleHeight())
            break;
        if (yd < -(qint64(1) << 30))
            continue;
        for (int x = xFirst; x <= xLast; ++x) {
            const int sprite = SpriteCatalogue::SpriteForInfo(m_Infos[size_t(y) * m_Width + x],
                                                              m_Number, sprites.Count());
            if (sprite == SpriteCatalogue::NoSprite)
                continue;
            const qint64 xd = odx + qint64(x - sx) * cw;
            if (xd >= dest.ScaleWidth())
                break;
            if (xd >= -(qint64(1) << 30))
                sprites.Draw(qint16(sprite), dest, int(xd), int(yd), zoom, false);
        }
    }
}
