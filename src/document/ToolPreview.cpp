#include "ToolPreview.h"

#include "CellBlock.h"
#include "CellMask.h"
#include "CellPixels.h"
#include "Level.h"
#include "Surface.h"
#include "TileSet.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr QRgb Highlight = 0xFF3C8CFF;
constexpr int DashLength = 4;

// Each pixel of `area` (clipped to the image) becomes `mix(old)`.
template <typename Mix> void mixPixels(QImage& image, const QRect& area, Mix mix) {
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x)
            row[x] = mix(row[x], x, y);
    }
}

// Half of each colour channel of a and of b.
QRgb half(QRgb a, QRgb b) {
    return 0xFF000000 | (((a >> 1) & 0x7F7F7F) + ((b >> 1) & 0x7F7F7F));
}

// half() of `below` and `mine` into `out` (which may be `below`), two
// pixels at a time in one 64-bit word: the mix follows the block over the
// whole canvas, once per pointer move.
void halfRow(QRgb* out, const QRgb* below, const QRgb* mine, int n) {
    constexpr quint64 Low7 = 0x007F7F7F007F7F7FULL, Opaque = 0xFF000000FF000000ULL;
    int x = 0;
    for (; x + 2 <= n; x += 2) {
        quint64 a, b;
        std::memcpy(&a, below + x, 8);
        std::memcpy(&b, mine + x, 8);
        const quint64 mixed = Opaque | (((a >> 1) & Low7) + ((b >> 1) & Low7));
        std::memcpy(out + x, &mixed, 8);
    }
    if (x < n)
        out[x] = half(below[x], mine[x]);
}

// Makes the pixels of the cells of `part` that `block` leaves out
// see-through in `picture`, its picture.
void clearLeftOut(QImage& picture, const CellBlock& block, const QRect& part, const TileSet& tiles,
                  ZoomLevel zoom) {
    const double cellWidth = tiles.RenderWidth(zoom), cellHeight = tiles.RenderHeight(zoom);
    for (int y = 0; block.HasGaps() && y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x)
            if (!block.Holds(part.x() + x, part.y() + y))
                mixPixels(picture,
                          CellPixels::Of(QRect(x, y, 1, 1), cellWidth, cellHeight, QPoint(0, 0),
                                         QPoint(0, 0)),
                          [](QRgb, int, int) { return QRgb(0); });
}

} // namespace

double PreviewPlace::CellWidth() const {
    return tiles.RenderWidth(zoom);
}

double PreviewPlace::CellHeight() const {
    return tiles.RenderHeight(zoom);
}

QRect PreviewPlace::PixelsOf(const QRect& cells) const {
    return CellPixels::Of(cells, CellWidth(), CellHeight(), QPoint(sx, sy), QPoint(odx, ody));
}

namespace ToolPreview {

void DrawOutline(Surface& dest, const PreviewPlace& place, const QRect& cells) {
    if (cells.isEmpty())
        return;
    const QRect frame = place.PixelsOf(cells);
    // Dashes counted along the frame from its corner, so they stay put
    // whatever part of it is drawn.
    const auto dash = [&](QRgb, int x, int y) {
        const int along = (x - frame.left()) + (y - frame.top());
        return (along / DashLength) % 2 ? QRgb(0xFFFFFFFF) : QRgb(0xFF000000);
    };
    QImage& image = dest.image();
    mixPixels(image, QRect(frame.left(), frame.top(), frame.width(), 1), dash);
    mixPixels(image, QRect(frame.left(), frame.bottom(), frame.width(), 1), dash);
    mixPixels(image, QRect(frame.left(), frame.top(), 1, frame.height()), dash);
    mixPixels(image, QRect(frame.right(), frame.top(), 1, frame.height()), dash);
}

QRect ShownCells(const Surface& dest, const PreviewPlace& place, const QRect& cells) {
    const double cellWidth = place.CellWidth(), cellHeight = place.CellHeight();
    if (!(cellWidth > 0 && cellHeight > 0))
        return {};
    const int firstX = place.sx + int(std::floor(-place.odx / cellWidth));
    const int firstY = place.sy + int(std::floor(-place.ody / cellHeight));
    const int lastX = place.sx + int(std::ceil((dest.ScaleWidth() - place.odx) / cellWidth));
    const int lastY = place.sy + int(std::ceil((dest.ScaleHeight() - place.ody) / cellHeight));
    return cells & QRect(QPoint(firstX, firstY), QPoint(lastX, lastY));
}

QImage Render(const CellBlock& block, const QRect& part, const TileSet& tiles,
              const SpriteSet& sprites, ZoomLevel zoom, qint16 levelNumber) {
    if (part.isEmpty())
        return {};
    // Those cells as a small level of their own, drawn as the canvas draws
    // a level.
    Level cells;
    cells.Create(qint16(part.width()), qint16(part.height()), block.Episode(), levelNumber);
    for (int y = 0; y < part.height(); ++y) {
        for (int x = 0; x < part.width(); ++x) {
            cells.SetTile(x, y, block.Tile(part.x() + x, part.y() + y));
            cells.SetInfo(x, y, block.Info(part.x() + x, part.y() + y));
        }
    }
    const int width = int(part.width() * tiles.RenderWidth(zoom));
    const int height = int(part.height() * tiles.RenderHeight(zoom));
    if (block.HasTiles()) {
        Surface drawn(width, height);
        cells.Display(drawn, 0, 0, tiles, sprites, zoom, 0, 0, part.width(), part.height());
        if (!block.HasGaps())
            return drawn.image();
        QImage picture = drawn.image().convertToFormat(QImage::Format_ARGB32);
        clearLeftOut(picture, block, part, tiles, zoom);
        return picture;
    }
    // The sprites alone, drawn over white and over black: where the two
    // agree a sprite covers the pixel, elsewhere the picture is see-through.
    Surface overWhite(width, height), overBlack(width, height);
    overBlack.image().fill(0xFF000000);
    const int layers = Level::SpriteLayer | Level::KeepBackground;
    cells.Display(overWhite, 0, 0, tiles, sprites, zoom, 0, 0, part.width(), part.height(), layers);
    cells.Display(overBlack, 0, 0, tiles, sprites, zoom, 0, 0, part.width(), part.height(), layers);
    QImage picture(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const auto* white = reinterpret_cast<const QRgb*>(overWhite.image().constScanLine(y));
        const auto* black = reinterpret_cast<const QRgb*>(overBlack.image().constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = ((white[x] ^ black[x]) & 0xFFFFFF) == 0 ? (black[x] | 0xFF000000) : 0;
    }
    clearLeftOut(picture, block, part, tiles, zoom);
    return picture;
}

void Put(Surface& dest, const QRect& pixels, const QImage& picture, QPoint from, bool translucent) {
    QImage& image = dest.image();
    const QRect inside = pixels & image.rect() & QRect(pixels.topLeft() - from, picture.size());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y)) + inside.left();
        const auto* mine =
            reinterpret_cast<const QRgb*>(picture.constScanLine(y - pixels.top() + from.y())) +
            (inside.left() - pixels.left() + from.x());
        if (picture.hasAlphaChannel()) {
            // Only the pixels the picture covers.
            for (int x = 0; x < inside.width(); ++x)
                if (qAlpha(mine[x]) != 0)
                    row[x] = translucent ? half(row[x], mine[x]) : mine[x];
            continue;
        }
        if (!translucent) {
            std::copy(mine, mine + inside.width(), row);
            continue;
        }
        halfRow(row, row, mine, inside.width());
    }
}

void MixFrom(Surface& dest, const QRect& pixels, const QImage& picture, QPoint from,
             const QImage& under) {
    QImage& image = dest.image();
    const int width = image.width();
    const QRect inside = pixels & image.rect() & QRect(pixels.topLeft() - from, picture.size());
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* below = reinterpret_cast<const QRgb*>(under.constScanLine(y));
        if (y < inside.top() || y > inside.bottom()) {
            std::copy(below, below + width, row);
            continue;
        }
        const auto* mine =
            reinterpret_cast<const QRgb*>(picture.constScanLine(y - pixels.top() + from.y())) +
            (inside.left() - pixels.left() + from.x());
        std::copy(below, below + inside.left(), row);
        halfRow(row + inside.left(), below + inside.left(), mine, inside.width());
        std::copy(below + inside.right() + 1, below + width, row + inside.right() + 1);
    }
}

void DrawBlock(Surface& dest, const PreviewPlace& place, const CellBlock& block, QPoint at,
               const QRect& within, qint16 levelNumber, bool translucent) {
    const QRect shown =
        ShownCells(dest, place, QRect(at, QSize(block.Width(), block.Height())) & within);
    if (shown.isEmpty())
        return;
    const QImage picture =
        Render(block, shown.translated(-at), place.tiles, place.sprites, place.zoom, levelNumber);
    Put(dest, place.PixelsOf(shown), picture, QPoint(0, 0), translucent);
}

void Tint(Surface& dest, const PreviewPlace& place, const QRect& cells) {
    if (cells.isEmpty())
        return;
    mixPixels(dest.image(), place.PixelsOf(cells), [](QRgb old, int, int) {
        const QRgb quarterOld = (old >> 2) & 0x3F3F3F;
        return 0xFF000000 | (quarterOld * 3 + ((Highlight >> 2) & 0x3F3F3F));
    });
}

void TintCells(Surface& dest, const PreviewPlace& place, const CellMask& cells) {
    const QRect shown = ShownCells(dest, place, cells.BoundingRect());
    for (int y = shown.top(); y <= shown.bottom(); ++y) {
        const unsigned char* row = cells.Row(y);
        for (int x = shown.left(); x <= shown.right(); ++x) {
            if (!row[x])
                continue;
            int end = x;
            while (end + 1 <= shown.right() && row[end + 1])
                ++end;
            Tint(dest, place, QRect(x, y, end - x + 1, 1));
            x = end;
        }
    }
}

void DrawSelection(Surface& dest, const PreviewPlace& place, const CellMask& cells) {
    if (cells.IsEmpty())
        return;
    if (!cells.IsRectangle())
        TintCells(dest, place, cells);
    DrawOutline(dest, place, cells.BoundingRect());
}

} // namespace ToolPreview
