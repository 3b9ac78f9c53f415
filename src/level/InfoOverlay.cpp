#include "InfoOverlay.h"

#include "GameLimits.h"
#include "Level.h"
#include "PixelFont.h"
#include "Surface.h"

#include <QHash>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int GlyphHeight = PixelFont::GlyphHeight;
constexpr int Advance = PixelFont::Advance;
constexpr int LineAdvance = GlyphHeight + 1;
constexpr QRgb TextColour = 0xFFFFFFFF;
constexpr QRgb OutlineColour = 0xFF000000;
// "0x8001" on one line, with its outline, in font pixels.
constexpr int WidestText = 6 * Advance - 1 + 2;
constexpr int TallestText = GlyphHeight + 2;
constexpr int MaxScale = 4;
// Cells are never drawn larger than this (see Level::Display).
constexpr double MaxCellSize = 1 << 20;

// Calls plot(col, row) for every set font pixel of the lines, in font
// pixels from the top-left corner of the first letter.
template <typename Plot> void forEachPixel(const QStringList& lines, Plot plot) {
    for (int line = 0; line < lines.size(); ++line)
        PixelFont::ForEachPixel(lines.at(line),
                                [&](int col, int row) { plot(col, line * LineAdvance + row); });
}

// Width of a line in font pixels, without the outline.
int lineWidth(const QString& text) {
    return PixelFont::TextWidth(text);
}

} // namespace

namespace InfoOverlay {

int Scale(qint64 cellWidth, qint64 cellHeight) {
    return int(std::clamp<qint64>(std::min(cellWidth / WidestText, cellHeight / TallestText), 1,
                                  MaxScale));
}

QStringList Lines(const QString& text, qint64 cellWidth, int scale) {
    const qint64 oneLine = qint64(lineWidth(text) + 2) * scale;
    if (oneLine <= cellWidth || !text.startsWith(QLatin1String("0x")) || text.size() <= 2)
        return {text};
    return {text.left(2), text.mid(2)};
}

QImage Stamp(const QStringList& lines, int scale) {
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, lineWidth(line));
    if (scale < 1 || width == 0)
        return {};
    const int height = int(lines.size()) * LineAdvance - 1;
    QImage stamp((width + 2) * scale, (height + 2) * scale, QImage::Format_ARGB32_Premultiplied);
    stamp.fill(Qt::transparent);
    QPainter painter(&stamp);
    // The outline first: every font pixel grown by one font pixel on each
    // side, then the letters themselves on top.
    forEachPixel(lines, [&](int col, int row) {
        painter.fillRect(col * scale, row * scale, 3 * scale, 3 * scale,
                         QColor::fromRgb(OutlineColour));
    });
    forEachPixel(lines, [&](int col, int row) {
        painter.fillRect((col + 1) * scale, (row + 1) * scale, scale, scale,
                         QColor::fromRgb(TextColour));
    });
    return stamp;
}

void DrawText(Surface& dest, const QString& text, int x, int y, int scale) {
    QImage& image = dest.image();
    const QImage stamp = Stamp({text}, scale);
    if (image.isNull() || stamp.isNull())
        return;
    QPainter painter(&image);
    painter.drawImage(x - scale, y - scale, stamp);
}

void Draw(Surface& dest, const Level& level, int sx, int sy, double cellWidth, double cellHeight,
          int odx, int ody) {
    QImage& image = dest.image();
    const bool map = level.Number() == GameLimits::MapLevelNumber;
    if (image.isNull() || cellWidth > MaxCellSize || cellHeight > MaxCellSize ||
        !(cellWidth >= 1 && cellHeight >= 1) ||
        (!map && !(cellWidth >= MinCellSize && cellHeight >= MinCellSize)))
        return;
    // Whole-pixel cells, as Level::Display places them.
    const qint64 cw = qint64(cellWidth), ch = qint64(cellHeight);
    const int scale = Scale(cw, ch);
    // Each distinct value is lettered once per drawing.
    QHash<qint16, QImage> stamps;
    QPainter painter(&image);
    // A text reaches at most this far right of and below its cell's corner;
    // cells further up or left cannot reach the surface.
    const qint64 reach = qint64(WidestText) * MaxScale;
    const qint64 r0 = std::max<qint64>(0, (-qint64(ody) - reach) / ch);
    const qint64 c0 = std::max<qint64>(0, (-qint64(odx) - reach) / cw);
    for (qint64 r = r0; ody + r * ch < image.height(); ++r) {
        const qint64 y = qint64(sy) + r;
        if (y < 0)
            continue;
        if (y >= level.Height())
            break;
        for (qint64 c = c0; odx + c * cw < image.width(); ++c) {
            const qint64 x = qint64(sx) + c;
            if (x < 0)
                continue;
            if (x >= level.Width())
                break;
            const qint16 value = level.Info(int(x), int(y));
            if (value == 0)
                continue;
            auto found = stamps.find(value);
            if (found == stamps.end()) {
                const QString text = Text(value);
                found = stamps.insert(value, Stamp(Lines(text, cw, scale), scale));
            }
            const QImage& stamp = found.value();
            const int dx = stamp.width() < cw ? 1 : 0;
            const int dy = stamp.height() < ch ? 1 : 0;
            painter.drawImage(int(odx + c * cw) + dx, int(ody + r * ch) + dy, stamp);
        }
    }
}

} // namespace InfoOverlay
