#include "PixelFont.h"

#include <array>

namespace {

// Each digit as five rows of three bits, the leftmost pixel the highest bit.
const std::array<std::array<quint8, 5>, 10> Glyphs = {{
    {7, 5, 5, 5, 7}, // 0
    {2, 6, 2, 2, 7}, // 1
    {7, 1, 7, 4, 7}, // 2
    {7, 1, 7, 1, 7}, // 3
    {5, 5, 7, 1, 1}, // 4
    {7, 4, 7, 1, 7}, // 5
    {7, 4, 7, 5, 7}, // 6
    {7, 1, 1, 2, 2}, // 7
    {7, 5, 7, 5, 7}, // 8
    {7, 5, 7, 1, 7}, // 9
}};

void drawDigit(QImage& image, int x, int y, int digit, QRgb colour) {
    for (int row = 0; row < PixelFont::DigitHeight; ++row)
        for (int col = 0; col < PixelFont::DigitWidth; ++col)
            if (Glyphs[size_t(digit)][size_t(row)] & (4 >> col))
                if (image.valid(x + col, y + row))
                    image.setPixel(x + col, y + row, colour);
}

} // namespace

namespace PixelFont {

int NumberWidth(int number) {
    const int digits = QString::number(qMax(number, 0)).size();
    return digits * (DigitWidth + Spacing) - Spacing;
}

void DrawNumber(QImage& image, int x, int y, int number, QRgb colour) {
    const QString text = QString::number(qMax(number, 0));
    for (QChar c : text) {
        drawDigit(image, x, y, c.digitValue(), colour);
        x += DigitWidth + Spacing;
    }
}

} // namespace PixelFont
