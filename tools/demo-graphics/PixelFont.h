#pragma once

#include <QImage>

// A 3 x 5 pixel digit font of our own, so that the demo graphics look the
// same on every machine whatever fonts it has.
namespace PixelFont {

constexpr int DigitWidth = 3;
constexpr int DigitHeight = 5;
constexpr int Spacing = 1;

// Width in pixels of `number` written in decimal (no sign).
int NumberWidth(int number);

// Writes the decimal digits of `number` (0 or more) with the top-left corner
// of the first digit at (x, y). Pixels outside the image are skipped.
void DrawNumber(QImage& image, int x, int y, int number, QRgb colour);

} // namespace PixelFont
