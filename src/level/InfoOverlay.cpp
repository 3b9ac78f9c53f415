#include "InfoOverlay.h"

#include "Level.h"
#include "Surface.h"

#include <QHash>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int GlyphWidth = 3;
constexpr int GlyphHeight = 5;
constexpr int Advance = GlyphWidth + 1;
constexpr int LineAdvance = GlyphHeight + 1;
constexpr QRgb TextColour = 0xFFFFFFFF;
constexpr QRgb OutlineColour = 0xFF000000;
// "0x8001" on one line, with its outline, in font pixels.
constexpr int WidestText = 6 * Advance - 1 + 2;
constexpr int TallestText = GlyphHeight + 2;
constexpr int MaxScale = 4;
// Cells are never drawn larger than this (see Level::Display).
constexpr double MaxCellSize = 1 << 20;

// 3 x 5 glyphs, one row per entry, most significant of the three bits on
// the left. The font is our own so that the overlay looks the same on every
// machine, fonts or no fonts.
const unsigned char* glyph(QChar c) {
    static const unsigned char digits[16][GlyphHeight] = {
        {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 3, 1, 7},
        {5, 5, 7, 1, 1}, {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 2, 2},
        {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7}, {2, 5, 7, 5, 5}, {6, 5, 6, 5, 6},
        {3, 4, 4, 4, 3}, {6, 5, 5, 5, 6}, {7, 4, 6, 4, 7}, {7, 4, 6, 4, 4}};
    static const unsigned char letterX[GlyphHeight] = {0, 5, 2, 5, 0};
    static const unsigned char minus[GlyphHeight] = {0, 0, 7, 0, 0};
    const char ch = c.toLatin1();
    if (ch >= '0' && ch <= '9')
        return digits[ch - '0'];
    if (ch >= 'A' && ch <= 'F')
        return digits[10 + ch - 'A'];
    if (ch == 'x')
        return letterX;
    if (ch == '-')
        return minus;
    return nullptr;
}

// Calls plot(col, row) for every set font pixel of the lines, in font
// pixels from the top-left corner of the first letter.
template <typename Plot> void forEachPixel(const QStringList& lines, Plot plot) {
    for (int line = 0; line < lines.size(); ++line) {
        const QString& text = lines.at(line);
        for (int i = 0; i < text.size(); ++i) {
            const unsigned char* rows = glyph(text.at(i));
            if (!rows)
                continue;
            for (int row = 0; row < GlyphHeight; ++row)
                for (int col = 0; col < GlyphWidth; ++col)
                    if (rows[row] & (4 >> col))
                        plot(i * Advance + col, line * LineAdvance + row);
        }
    }
}

// Width of a line in font pixels, without the outline.
int lineWidth(const QString& text) {
    return text.isEmpty() ? 0 : int(text.size()) * Advance - 1;
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

void Draw(Surface& dest, const Level& level, int sx, int sy, double cellWidth, double cellHeight) {
    QImage& image = dest.image();
    if (image.isNull() || !(cellWidth >= MinCellSize && cellHeight >= MinCellSize) ||
        cellWidth > MaxCellSize || cellHeight > MaxCellSize)
        return;
    // Whole-pixel cells, as Level::Display places them.
    const qint64 cw = qint64(cellWidth), ch = qint64(cellHeight);
    const int scale = Scale(cw, ch);
    // Each distinct value is lettered once per drawing.
    QHash<qint16, QImage> stamps;
    QPainter painter(&image);
    for (qint64 r = 0; r * ch < image.height(); ++r) {
        const qint64 y = qint64(sy) + r;
        if (y < 0)
            continue;
        if (y >= level.Height())
            break;
        for (qint64 c = 0; c * cw < image.width(); ++c) {
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
            painter.drawImage(int(c * cw) + dx, int(r * ch) + dy, stamp);
        }
    }
}

} // namespace InfoOverlay
