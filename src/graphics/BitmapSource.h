#pragma once

#include "IoResult.h"

#include <QImage>
#include <QString>

// Where the tile and sprite sets get their bitmaps from, by their exported
// names ("1til0000.bmp", "1spr0048.bmp", ...). The usual source is a folder
// of exported bitmaps; another can produce the same images from the game's
// own graphics files.
class BitmapSource {
public:
    virtual ~BitmapSource() = default;
    // Loads the bitmap called `name` (letter case is not significant).
    // On failure `image` is left alone and the result names the file.
    virtual IoResult Load(const QString& name, QImage& image) const = 0;
};
