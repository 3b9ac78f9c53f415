#pragma once

#include <QImage>

// Pictures of the game's graphics hold few colours. Stored as 8-bit indices
// into a palette they take a quarter of the bytes, and a PNG encoder
// filters and compresses them many times faster than 24-bit pixels.
namespace IndexedImage {

// `image` (Format_RGB32) as Format_Indexed8 with a palette of exactly its
// colours, every pixel the same; a null image when `image` is of another
// format, empty, or has more than 256 colours.
QImage Exact(const QImage& image);

} // namespace IndexedImage
