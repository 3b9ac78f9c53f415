#include "DemoPixelFont.h"

#include "PixelFont.h"

namespace DemoPixelFont {

int NumberWidth(int number) {
    return PixelFont::TextWidth(QString::number(qMax(number, 0)));
}

void DrawNumber(QImage& image, int x, int y, int number, QRgb colour) {
    PixelFont::ForEachPixel(QString::number(qMax(number, 0)), [&](int col, int row) {
        if (image.valid(x + col, y + row))
            image.setPixel(x + col, y + row, colour);
    });
}

} // namespace DemoPixelFont
