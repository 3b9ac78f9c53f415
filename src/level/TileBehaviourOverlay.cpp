#include "TileBehaviourOverlay.h"

#include "Level.h"
#include "Surface.h"
#include "TileBehaviour.h"

#include <QImage>
#include <algorithm>

namespace {

// The game's tiles are 16 x 16 pixels; the canvas draws them at a zoom.
constexpr int TilePixels = 16;
// Cells are never drawn larger than this (see Level::Display).
constexpr qint64 MaxCellSize = 1 << 20;
constexpr QRgb OutlineColour = 0xFF000000;
constexpr int MaxSymbolScale = 4;

// The colours of keys 1 to 4 as the game draws them, for their doors too.
constexpr QRgb KeyColours[4] = {0xFFFFFF00, 0xFFFF2020, 0xFF20C020, 0xFF4080FF};

// Every pixel of `area` replaced by `change(pixel, x, y)`, with x and y
// counted from the area's top-left corner before clipping.
template <typename Change>
void changePixels(QImage& image, const QRect& area, QPoint corner, Change change) {
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x)
            row[x] = change(row[x], x - corner.x(), y - corner.y());
    }
}

void fill(QImage& image, const QRect& area, QRgb colour) {
    changePixels(image, area, area.topLeft(), [colour](QRgb, int, int) { return colour; });
}

// An edge of `colour` along `strip`, its innermost line black where the
// strip is two pixels thick or more, so that it shows on light and dark
// tiles alike. `inwards` points from the cell's side into the cell.
void drawEdge(QImage& image, const QRect& strip, QRgb colour, QPoint inwards) {
    fill(image, strip, colour);
    const int thickness = inwards.x() != 0 ? strip.width() : strip.height();
    if (thickness < 2)
        return;
    QRect inner = strip;
    if (inwards.x() > 0)
        inner.setLeft(strip.right());
    else if (inwards.x() < 0)
        inner.setRight(strip.left());
    else if (inwards.y() > 0)
        inner.setTop(strip.bottom());
    else
        inner.setBottom(strip.top());
    fill(image, inner, OutlineColour);
}

} // namespace

TileBehaviourOverlay::TileBehaviourOverlay(const TileBehaviour& table) {
    m_Marks.resize(size_t(table.Count()));
    for (int tile = 0; tile < table.Count(); ++tile) {
        const TileBehaviour::Tile t = table.At(tile);
        Marks& marks = m_Marks[size_t(tile)];
        marks.sides = quint8((t.top != 0 ? 1 : 0) | (t.right != 0 ? 2 : 0) |
                             (t.bottom != 0 ? 4 : 0) | (t.left != 0 ? 8 : 0));
        marks.slippery = t.top == 2 || t.top == 3;
        marks.kills = t.behaviour == TileBehaviour::Kills;
        marks.front = t.behaviour == TileBehaviour::Foreground;
        marks.symbol = SymbolOf(t.behaviour);
        marks.colour = SymbolColour(t.behaviour);
    }
}

TileBehaviourOverlay::Symbol TileBehaviourOverlay::SymbolOf(int behaviour) {
    if (behaviour >= 2 && behaviour <= 5)
        return Symbol::Door;
    if (behaviour >= 6 && behaviour <= 10)
        return Symbol::Points;
    if ((behaviour >= 11 && behaviour <= 16) || behaviour == 27 || behaviour == 28)
        return Symbol::Item;
    if (behaviour == TileBehaviour::Exit)
        return Symbol::Exit;
    if (behaviour >= 18 && behaviour <= 21)
        return Symbol::Key;
    if (behaviour == 22)
        return Symbol::Message;
    if (behaviour == 23 || behaviour == 25 || behaviour == 26)
        return Symbol::Switch;
    if (behaviour == 24)
        return Symbol::Teleporter;
    return Symbol::None;
}

QRgb TileBehaviourOverlay::SymbolColour(int behaviour) {
    switch (SymbolOf(behaviour)) {
    case Symbol::Door:
        return KeyColours[behaviour - TileBehaviour::FirstDoor];
    case Symbol::Key:
        return KeyColours[behaviour - TileBehaviour::FirstKey];
    case Symbol::Points:
        return 0xFFFFB000;
    case Symbol::Item:
        return 0xFFFF80C0;
    case Symbol::Switch:
        return 0xFFFF8000;
    case Symbol::Teleporter:
        return 0xFF00FFFF;
    case Symbol::Exit:
    case Symbol::Message:
        return 0xFFFFFFFF;
    case Symbol::None:
        break;
    }
    return 0;
}

const unsigned char* TileBehaviourOverlay::SymbolRows(Symbol symbol) {
    static const unsigned char rows[][SymbolSide] = {
        {0, 0, 0, 0, 0},      // none
        {14, 17, 19, 17, 31}, // door: an arch with its handle
        {28, 20, 31, 5, 5},   // key: a ring, the shaft and two teeth
        {4, 2, 31, 2, 4},     // exit: an arrow out
        {4, 14, 31, 14, 4},   // points: a gem
        {21, 14, 31, 14, 21}, // item: a star
        {1, 2, 4, 31, 31},    // switch: a lever on its base
        {14, 17, 21, 17, 14}, // teleporter: a ring round a dot
        {4, 0, 12, 4, 14},    // message box: an "i"
    };
    return rows[int(symbol)];
}

int TileBehaviourOverlay::EdgeWidth(int cellSize) {
    return std::max(1, cellSize / 8);
}

int TileBehaviourOverlay::SymbolScale(int cellSize) {
    return cellSize < MinSymbolCell ? 0 : std::min(MaxSymbolScale, cellSize / MinSymbolCell);
}

void TileBehaviourOverlay::Draw(Surface& dest, const Level& level, int sx, int sy,
                                const QRect& cells, ZoomLevel zoom, int odx, int ody) const {
    QImage& image = dest.image();
    const ZoomLevel drawn = zoom.AtLeastOnePixel(TilePixels, TilePixels);
    const double scaled = drawn.Scale(TilePixels);
    if (image.isNull() || m_Marks.empty() || scaled > MaxCellSize)
        return;
    const qint64 size = qint64(scaled);
    // The level cells that lie on the surface.
    const auto firstOn = [size](qint64 origin, int start) {
        return origin >= 0 ? qint64(start) : start + (-origin) / size;
    };
    const auto lastOn = [size](qint64 origin, int start, int extent) {
        return origin >= extent ? qint64(start) - 1 : start + (extent - 1 - origin) / size;
    };
    const qint64 x0 = std::max<qint64>({cells.left(), 0, firstOn(odx, sx)});
    const qint64 y0 = std::max<qint64>({cells.top(), 0, firstOn(ody, sy)});
    const qint64 x1 =
        std::min<qint64>({cells.right(), level.Width() - 1, lastOn(odx, sx, image.width())});
    const qint64 y1 =
        std::min<qint64>({cells.bottom(), level.Height() - 1, lastOn(ody, sy, image.height())});
    for (qint64 y = y0; y <= y1; ++y)
        for (qint64 x = x0; x <= x1; ++x) {
            const qint16 tile = level.Tile(int(x), int(y));
            if (tile < 0 || size_t(tile) >= m_Marks.size() || !m_Marks[size_t(tile)].Any())
                continue;
            DrawCell(image, m_Marks[size_t(tile)], int(odx + (x - sx) * size),
                     int(ody + (y - sy) * size), int(size));
        }
}

void TileBehaviourOverlay::DrawCell(QImage& image, const Marks& marks, int x0, int y0,
                                    int size) const {
    const QRect cell(x0, y0, size, size);
    if (marks.kills)
        changePixels(image, cell, cell.topLeft(),
                     [](QRgb p, int, int) { return 0xFF800000 | ((p >> 1) & 0x7F7F7F); });
    if (marks.front && size >= MinHatchCell) {
        // Stripes from bottom-left to top-right, a quarter of the cell apart.
        const int period = std::max(4, size / 4), width = std::max(1, size / 16);
        changePixels(image, cell, cell.topLeft(), [period, width](QRgb p, int x, int y) {
            return (x + y) % period < width ? p ^ 0x00FFFFFF : p;
        });
    }
    const int edge = EdgeWidth(size);
    const QRgb floor = marks.slippery ? SlipperyColour : EdgeColour;
    if (marks.sides & 1)
        drawEdge(image, QRect(x0, y0, size, edge), floor, QPoint(0, 1));
    if (marks.sides & 2)
        drawEdge(image, QRect(x0 + size - edge, y0, edge, size), EdgeColour, QPoint(-1, 0));
    if (marks.sides & 4)
        drawEdge(image, QRect(x0, y0 + size - edge, size, edge), EdgeColour, QPoint(0, -1));
    if (marks.sides & 8)
        drawEdge(image, QRect(x0, y0, edge, size), EdgeColour, QPoint(1, 0));
    const int scale = SymbolScale(size);
    if (marks.symbol == Symbol::None || scale == 0)
        return;
    // The pictogram with its outline in the cell's bottom-right corner,
    // where it hides the least of the tile and no info value's text: first
    // every pixel grown by one pictogram pixel each way in black, then the
    // pictogram itself.
    const int side = (SymbolSide + 2) * scale;
    const int left = x0 + size - side - scale, top = y0 + size - side - scale;
    const unsigned char* rows = SymbolRows(marks.symbol);
    for (int pass = 0; pass < 2; ++pass)
        for (int r = 0; r < SymbolSide; ++r)
            for (int c = 0; c < SymbolSide; ++c) {
                if (!(rows[r] & (16 >> c)))
                    continue;
                if (pass == 0)
                    fill(image, QRect(left + c * scale, top + r * scale, 3 * scale, 3 * scale),
                         OutlineColour);
                else
                    fill(image, QRect(left + (c + 1) * scale, top + (r + 1) * scale, scale, scale),
                         marks.colour);
            }
}
