#pragma once

#include <QImage>

// Numbers on the demo tiles, written in the program's own pixel font.
namespace DemoPixelFont {

// Width in pixels of `number` written in decimal (no sign).
int NumberWidth(int number);

// Writes the decimal digits of `number` (0 or more) with the top-left corner
// of the first digit at (x, y). Pixels outside the image are skipped.
void DrawNumber(QImage& image, int x, int y, int number, QRgb colour);

} // namespace DemoPixelFont
