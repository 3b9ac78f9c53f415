#include "InfoOverlay.h"

#include "Level.h"
#include "Surface.h"

#include <QPainter>
#include <cmath>

namespace {

constexpr int GlyphWidth = 3;
constexpr int GlyphHeight = 5;
constexpr QRgb TextColour = 0xFFFFFFFF;
constexpr QRgb OutlineColour = 0xFF000000;

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

template <typename Plot> void forEachPixel(const QString& text, Plot plot) {
    for (int i = 0; i < text.size(); ++i) {
        const unsigned char* rows = glyph(text.at(i));
        if (!rows)
            continue;
        for (int row = 0; row < GlyphHeight; ++row)
            for (int col = 0; col < GlyphWidth; ++col)
                if (rows[row] & (4 >> col))
                    plot(i * (GlyphWidth + 1) + col, row);
    }
}

} // namespace

namespace InfoOverlay {

QString Text(qint16 value) {
    const quint16 word = quint16(value);
    if (word < 256)
        return QString::number(word);
    return QStringLiteral("0x") +
           QString::number(word, 16).rightJustified(4, QLatin1Char('0')).toUpper();
}

void DrawText(Surface& dest, const QString& text, int x, int y, int scale) {
    QImage& image = dest.image();
    if (image.isNull() || scale < 1)
        return;
    QPainter painter(&image);
    // The outline first: every font pixel grown by one scaled pixel on each
    // side, then the letters themselves on top.
    forEachPixel(text, [&](int col, int row) {
        painter.fillRect(x + (col - 1) * scale, y + (row - 1) * scale, 3 * scale, 3 * scale,
                         QColor::fromRgb(OutlineColour));
    });
    forEachPixel(text, [&](int col, int row) {
        painter.fillRect(x + col * scale, y + row * scale, scale, scale,
                         QColor::fromRgb(TextColour));
    });
}

void Draw(Surface& dest, const Level& level, int sx, int sy, double cellWidth, double cellHeight) {
    if (cellWidth < 8 || cellHeight < 8)
        return;
    const int scale = qBound(1, int(cellWidth / 16), 4);
    const long long columns = (dest.ScaleWidth() + llround(cellWidth) - 1) / llround(cellWidth);
    const long long rows = (dest.ScaleHeight() + llround(cellHeight) - 1) / llround(cellHeight);
    for (long long r = 0; r < rows; ++r) {
        const long long y = sy + r;
        if (y < 0 || y >= level.Height())
            continue;
        for (long long c = 0; c < columns; ++c) {
            const long long x = sx + c;
            if (x < 0 || x >= level.Width())
                continue;
            const qint16 value = level.Info(int(x), int(y));
            if (value == 0)
                continue;
            DrawText(dest, Text(value), int(c * cellWidth) + 1 + scale,
                     int(r * cellHeight) + 1 + scale, scale);
        }
    }
}

} // namespace InfoOverlay
