#pragma once

#include <QChar>
#include <QString>

// A 3 x 5 pixel font of our own (digits, A-F, "x" and "-"), so that small
// numbers look the same on every machine whatever fonts it has. The info
// overlay and the demo tile sheet both write with it.
namespace PixelFont {

constexpr int GlyphWidth = 3;
constexpr int GlyphHeight = 5;
// From one letter's left edge to the next one's.
constexpr int Advance = GlyphWidth + 1;

// The five rows of `c`, the leftmost pixel the highest of three bits;
// nullptr for a character the font does not have.
inline const unsigned char* Glyph(QChar c) {
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

// Width of one line of `text` in font pixels.
inline int TextWidth(const QString& text) {
    return text.isEmpty() ? 0 : int(text.size()) * Advance - 1;
}

// Calls plot(col, row) for every set pixel of `text` written on one line,
// in font pixels from the top-left corner of its first letter.
template <typename Plot> void ForEachPixel(const QString& text, Plot plot) {
    for (int i = 0; i < text.size(); ++i) {
        const unsigned char* rows = Glyph(text.at(i));
        if (!rows)
            continue;
        for (int row = 0; row < GlyphHeight; ++row)
            for (int col = 0; col < GlyphWidth; ++col)
                if (rows[row] & (4 >> col))
                    plot(i * Advance + col, row);
    }
}

} // namespace PixelFont
