#include "TileSet.h"

#include "FolderBitmapSource.h"
#include "Rounding.h"
#include "Surface.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// Rows of tiles are widened on the fly up to this zoom.
constexpr int MaxMagnifyZoom = 8;
// Tiles larger than this are never drawn from a scaled copy.
constexpr double MaxCachedTileSize = 1 << 16;

qint32 pixelsToTiles(int pixels, double tileSize) {
    const double size = roundHalfEven(tileSize);
    if (!(size >= 1))
        return 0;
    // A tile wider than any surface: one tile covers every positive extent.
    if (size > 1e15)
        return pixels >= 1 ? 1 : 0;
    const qint64 whole = qint64(size);
    return qint32((qint64(pixels) + whole - 1) / whole);
}

// Copies `rows` rows of `n` pixels. The usual tile widths get copies of a
// fixed size, which the compiler turns into a few moves instead of a call.
template <int N>
void copyRows(QRgb* out, qsizetype outStride, const QRgb* in, qsizetype inStride, int rows) {
    for (int r = 0; r < rows; ++r, out += outStride, in += inStride)
        std::memcpy(out, in, N * sizeof(QRgb));
}

void copyBlock(QRgb* out, qsizetype outStride, const QRgb* in, qsizetype inStride, int n,
               int rows) {
    switch (n) {
    case 1:
        return copyRows<1>(out, outStride, in, inStride, rows);
    case 2:
        return copyRows<2>(out, outStride, in, inStride, rows);
    case 4:
        return copyRows<4>(out, outStride, in, inStride, rows);
    case 8:
        return copyRows<8>(out, outStride, in, inStride, rows);
    case 16:
        return copyRows<16>(out, outStride, in, inStride, rows);
    case 32:
        return copyRows<32>(out, outStride, in, inStride, rows);
    default:
        for (int r = 0; r < rows; ++r, out += outStride, in += inStride)
            std::memcpy(out, in, size_t(n) * sizeof(QRgb));
    }
}

// Writes each of `n` pixels `F` times side by side. A fixed factor lets the
// compiler write each run with a few wide stores.
template <int F> void widenBy(QRgb* out, const QRgb* in, int n) {
    for (int s = 0; s < n; ++s, out += F)
        for (int i = 0; i < F; ++i)
            out[i] = in[s];
}

void widen(QRgb* out, const QRgb* in, int n, int factor) {
    switch (factor) {
    case 2:
        return widenBy<2>(out, in, n);
    case 4:
        return widenBy<4>(out, in, n);
    case 8:
        return widenBy<8>(out, in, n);
    default:
        for (int s = 0; s < n; ++s, out += factor)
            std::fill(out, out + factor, in[s]);
    }
}

// Pixels [from, to) of a row of source pixels each widened 2^zoom times.
void widenPart(QRgb* out, const QRgb* in, qint64 from, qint64 to, int zoom) {
    for (qint64 px = from; px < to; ++px)
        *out++ = in[px >> zoom];
}

// The part of a row of `count` tiles of `width` x `height` pixels, the
// first with its top-left corner at (xd, yd), that falls on `target`:
// draw(k, x, left, right, top, bottom) is called for each tile k with
// pixels on it, x being the tile's left edge and [left, right) x
// [top, bottom) its pixels on the target. A template, so that the drawing
// inlines into the loop.
template <typename Draw>
void forTilesOnTarget(const QImage& target, int count, int xd, int yd, qint64 width, qint64 height,
                      Draw draw) {
    const qint64 top = std::max<qint64>(yd, 0);
    const qint64 bottom = std::min<qint64>(qint64(yd) + height, target.height());
    if (top >= bottom)
        return;
    for (int k = 0; k < count; ++k) {
        const qint64 x = xd + qint64(k) * width;
        if (x >= target.width())
            break;
        const qint64 left = std::max<qint64>(x, 0);
        const qint64 right = std::min<qint64>(x + width, target.width());
        if (left < right)
            draw(k, x, left, right, top, bottom);
    }
}

} // namespace

TileSet::TileSet() = default;

double TileSet::RenderWidth(ZoomLevel zoom) const {
    return DrawnZoom(zoom).Scale(m_Width);
}

double TileSet::RenderHeight(ZoomLevel zoom) const {
    return DrawnZoom(zoom).Scale(m_Height);
}

int TileSet::TileSourceX(qint16 n) const {
    return m_TilesPerRow > 0 ? (n % m_TilesPerRow) * m_Width : 0;
}

int TileSet::TileSourceY(qint16 n) const {
    return m_TilesPerRow > 0 ? (n / m_TilesPerRow) * m_Height : 0;
}

TileSet::Sheet TileSet::SheetAt(ZoomLevel zoom) const {
    if (!m_Tiles || !m_Scaled || m_TilesPerRow <= 0 || m_Count <= 0)
        return {};
    if (zoom == ZoomLevel(0))
        return {m_Tiles.get(), nullptr};
    const double rw = zoom.Scale(m_Width), rh = zoom.Scale(m_Height);
    if (rw > MaxCachedTileSize || rh > MaxCachedTileSize || rw != std::floor(rw) ||
        rh != std::floor(rh))
        return {};
    // Scale only the whole tiles: every tile's pixels then come out exactly
    // as a stretched copy of that one tile would give them.
    const int rows = std::min((m_Count + m_TilesPerRow - 1) / m_TilesPerRow,
                              m_Tiles->height() / std::max<int>(m_Height, 1));
    const qint64 w = qint64(m_TilesPerRow) * qint64(rw);
    const qint64 h = qint64(rows) * qint64(rh);
    if (rows <= 0)
        return {};
    ScaledPictureCache::Entry kept = m_Scaled->Get(
        zoom, [&] { return w * h; },
        [&] {
            Surface scaled{int(w), int(h)};
            scaled.PaintPicture(*m_Tiles, 0, 0, double(w), double(h), 0, 0, m_TilesPerRow * m_Width,
                                rows * m_Height);
            // Out of memory: nothing kept, tiles come from the sheet.
            return scaled.image().isNull() ? ScaledPictureCache::Pictures()
                                           : ScaledPictureCache::Pictures{scaled.image()};
        });
    if (!kept)
        return {};
    return {&kept->front(), kept};
}

void TileSet::Draw(qint16 tileIndex, Surface& dest, int xd, int yd, ZoomLevel zoom) const {
    DrawAt(tileIndex, dest, xd, yd, DrawnZoom(zoom));
}

void TileSet::DrawAt(qint16 tileIndex, Surface& dest, int xd, int yd, ZoomLevel zoom) const {
    const double rw = zoom.Scale(m_Width), rh = zoom.Scale(m_Height);
    if (!InRange(tileIndex)) {
        DrawOutsideAt(dest, xd, yd, 1, 1, zoom);
        return;
    }
    const Sheet sheet = SheetAt(zoom);
    if (sheet.image) {
        const int column = tileIndex % m_TilesPerRow, row = tileIndex / m_TilesPerRow;
        const double sx = column * rw;
        const double sy = row * rh;
        dest.PaintPicture(*sheet.image, xd, yd, rw, rh, sx, sy, rw, rh);
        return;
    }
    dest.PaintPicture(*m_Tiles, xd, yd, rw, rh, TileSourceX(tileIndex), TileSourceY(tileIndex),
                      m_Width, m_Height);
}

void TileSet::DrawRow(const qint16* tileIndices, int count, Surface& dest, int xd, int yd,
                      ZoomLevel asked) const {
    const ZoomLevel zoom = DrawnZoom(asked);
    QImage& target = dest.image();
    if (zoom.Exponent() > 0 && zoom.Exponent() <= MaxMagnifyZoom && m_Tiles && m_TilesPerRow > 0 &&
        !target.isNull() && target.format() == QImage::Format_RGB32 &&
        m_Tiles->format() == QImage::Format_RGB32) {
        // The outside squares leave their colour and style on the surface.
        if (std::any_of(tileIndices, tileIndices + count, [this](qint16 t) { return !InRange(t); }))
            DrawOutsideAt(dest, xd, yd, 0, 0, zoom);
        DrawRowMagnified(tileIndices, count, target, xd, yd, zoom);
        return;
    }
    const Sheet sheet = SheetAt(zoom);
    if (!sheet.image || target.isNull() || target.format() != QImage::Format_RGB32) {
        for (int k = 0; k < count; ++k)
            DrawAt(tileIndices[k], dest, int(xd + qint64(k) * qint64(zoom.Scale(m_Width))), yd,
                   zoom);
        return;
    }
    const int size = int(zoom.Scale(m_Width)), sizeY = int(zoom.Scale(m_Height));
    // The outside squares leave their colour and style on the surface, as
    // the cell-by-cell drawing does, even where they are clipped away.
    if (std::any_of(tileIndices, tileIndices + count, [this](qint16 t) { return !InRange(t); }))
        DrawOutsideAt(dest, xd, yd, 0, 0, zoom);
    const qsizetype destStride = target.bytesPerLine() / 4;
    const qsizetype sheetStride = sheet.image->bytesPerLine() / 4;
    QRgb* const destBits = reinterpret_cast<QRgb*>(target.bits());
    const QRgb* const sheetBits = reinterpret_cast<const QRgb*>(sheet.image->constBits());
    auto copyTile = [&](int k, qint64 x, qint64 left, qint64 right, qint64 top, qint64 bottom) {
        const int n = int(right - left);
        const int rows = int(bottom - top);
        QRgb* out = destBits + qsizetype(top) * destStride + left;
        const qint16 tile = tileIndices[k];
        if (!InRange(tile)) {
            for (int r = 0; r < rows; ++r, out += destStride)
                std::fill(out, out + n, QRgb(Surface::ButtonShadow));
            return;
        }
        const qsizetype row = tile / m_TilesPerRow, column = tile % m_TilesPerRow;
        const QRgb* in =
            sheetBits + (row * sizeY + (top - yd)) * sheetStride + column * size + (left - x);
        copyBlock(out, destStride, in, sheetStride, n, rows);
    };
    forTilesOnTarget(target, count, xd, yd, size, sizeY, copyTile);
}

void TileSet::DrawRowMagnified(const qint16* tileIndices, int count, QImage& target, int xd, int yd,
                               ZoomLevel zoom) const {
    const int factor = 1 << zoom.Exponent();
    const qint64 size = qint64(m_Width) * factor, sizeY = qint64(m_Height) * factor;
    const qsizetype destStride = target.bytesPerLine() / 4;
    const qsizetype sheetStride = m_Tiles->bytesPerLine() / 4;
    const QRgb* const sheetBits = reinterpret_cast<const QRgb*>(m_Tiles->constBits());
    QRgb* const destBits = reinterpret_cast<QRgb*>(target.bits());
    // Each tile writes the first target row of each of its source rows; the
    // rows repeating it are then copied for the whole row of tiles at once.
    qint64 spanLeft = target.width(), spanRight = 0, spanTop = 0, spanBottom = 0;
    auto widenTile = [&](int k, qint64 x, qint64 left, qint64 right, qint64 top, qint64 bottom) {
        spanLeft = std::min(spanLeft, left);
        spanRight = std::max(spanRight, right);
        spanTop = top;
        spanBottom = bottom;
        const int n = int(right - left);
        const qint16 tile = tileIndices[k];
        const QRgb* const tileBits =
            InRange(tile)
                ? sheetBits + qsizetype(TileSourceY(tile)) * sheetStride + TileSourceX(tile)
                : nullptr;
        const bool whole = left == x && right == x + size;
        // Source row r covers destination rows [yd + r * factor, + factor).
        for (qint64 r = (top - yd) / factor; r < m_Height; ++r) {
            const qint64 first = std::max<qint64>(yd + r * factor, top);
            const qint64 last = std::min<qint64>(yd + (r + 1) * factor, bottom);
            if (first >= last)
                break;
            QRgb* const out = destBits + qsizetype(first) * destStride + left;
            if (!tileBits)
                std::fill(out, out + n, QRgb(Surface::ButtonShadow));
            else if (whole)
                widen(out, tileBits + r * sheetStride, m_Width, factor);
            else
                widenPart(out, tileBits + r * sheetStride, left - x, right - x, zoom.Exponent());
        }
    };
    forTilesOnTarget(target, count, xd, yd, size, sizeY, widenTile);
    if (spanLeft >= spanRight)
        return;
    const size_t bytes = size_t(spanRight - spanLeft) * sizeof(QRgb);
    for (qint64 r = (spanTop - yd) / factor; r < m_Height; ++r) {
        const qint64 first = std::max<qint64>(yd + r * factor, spanTop);
        const qint64 last = std::min<qint64>(yd + (r + 1) * factor, spanBottom);
        if (first >= last)
            break;
        const QRgb* const from = destBits + qsizetype(first) * destStride + spanLeft;
        for (qint64 y = first + 1; y < last; ++y)
            std::memcpy(destBits + qsizetype(y) * destStride + spanLeft, from, bytes);
    }
}

void TileSet::DrawOutside(Surface& dest, int xd, int yd, int columns, int rows,
                          ZoomLevel zoom) const {
    DrawOutsideAt(dest, xd, yd, columns, rows, DrawnZoom(zoom));
}

void TileSet::DrawOutsideAt(Surface& dest, int xd, int yd, int columns, int rows,
                            ZoomLevel zoom) const {
    dest.SetDrawStyle(Surface::DrawStyleInsideSolid);
    dest.SetForeColor(Surface::ButtonShadow);
    if (columns <= 0 || rows <= 0)
        return;
    dest.Line(xd, yd, xd + columns * zoom.Scale(m_Width) - 1, yd + rows * zoom.Scale(m_Height) - 1,
              dest.ForeColor(), true);
}

IoResult TileSet::LoadFromBitmap(const QString& fileName) {
    QImage sheet;
    const IoResult result = FolderBitmapSource::LoadFile(fileName, sheet);
    if (!result)
        return result;
    LoadFromImage(sheet);
    return IoResult::success();
}

void TileSet::LoadFromImage(const QImage& sheet) {
    m_Tiles = makePicture(sheet.convertToFormat(QImage::Format_RGB32));
    m_Scaled = std::make_shared<ScaledPictureCache>();
    const int perRow = std::min(m_Tiles->width() / m_Width, 32767);
    const qint64 count = qint64(m_Tiles->height() / m_Height) * perRow;
    m_TilesPerRow = qint16(perRow);
    // Counts are 16-bit: a sheet with more tiles offers the first 32767.
    m_Count = qint16(std::min<qint64>(count, 32767));
}

qint32 TileSet::PixelWToTiles(int w, ZoomLevel zoom) const {
    return pixelsToTiles(w, RenderWidth(zoom));
}

qint32 TileSet::PixelHToTiles(int h, ZoomLevel zoom) const {
    return pixelsToTiles(h, RenderHeight(zoom));
}
