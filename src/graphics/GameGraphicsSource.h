#pragma once

#include "BitmapSource.h"
#include "GameGraphics.h"

#include <memory>

// Serves the exported bitmaps ("1til0000.bmp", "1spr0048.bmp", ...) made on
// the fly from the game's own graphics files in a folder, so that the tile
// and sprite sets can load from the game's folder as from a folder of
// exported bitmaps. The files are read once, on the first Load or Open.
class GameGraphicsSource : public BitmapSource {
public:
    GameGraphicsSource(const QString& folder, int episode);

    // Reads the game's files now; the same result as the first Load would
    // report for them. Calling it is optional.
    IoResult Open() const;
    IoResult Load(const QString& name, QImage& image) const override;

private:
    QString m_Folder;
    int m_Episode;
    // Filled on first use: the outcome of reading the files, and what they held.
    mutable std::unique_ptr<IoResult> m_Opened;
    mutable GameGraphics m_Graphics;
    // What remains of the pixel budget of the set loaded from this source,
    // the same as for a folder of bitmaps.
    mutable qint64 m_PixelsLeft;
};
