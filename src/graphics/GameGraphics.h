#pragma once

#include "EgaHeader.h"
#include "IoResult.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// An episode's graphics read straight from the game's own files,
// EGAHEAD.CKn, EGALATCH.CKn and EGASPRIT.CKn (any letter case), turned into
// the images that exported bitmaps hold:
// - the tile sheet "<episode>til0000.bmp": the 16 x 16 tiles, 13 to a row,
//   numbered row by row;
// - one bitmap "<episode>spr<NNNN>.bmp" per sprite, NNNN being its number in
//   the sprite table, holding three frames of the sprite's size side by side:
//   the image in the 16 EGA colours (black where see-through), the mask
//   (white where see-through, black where opaque) and the hit box (the
//   sprite's shape in dark grey under its hit box in bright red, on white).
// The images are RGB32. Sizes and offsets in the files are not trusted:
// every graphic is checked against the data before it is read.
class GameGraphics {
public:
    static constexpr int TilesPerRow = 13;
    static constexpr int TileSize = 16;

    // True when `folder` holds the three graphics files of `episode` (1..3).
    static bool FolderHasGameGraphics(const QString& folder, int episode);
    // The file names the exported bitmaps have: "1til0000.bmp", "1spr0048.bmp".
    static QString TileSheetName(int episode);
    static QString SpriteBitmapName(int episode, int sprite);
    // The colour of EGA colour index 0..15.
    static QRgb EgaColour(int index);

    // Reads and unpacks the episode's graphics files from `folder` ("/" or
    // "\" separators). On failure nothing changes and the result names the
    // file that is missing, unreadable or damaged.
    IoResult Load(const QString& folder, int episode);

    int Episode() const { return m_Episode; }
    int TileCount() const { return m_Header.tileCount; }
    int SpriteCount() const { return int(m_Header.sprites.size()); }
    // The sprite table's name of a sprite ("KEENWALKR1"), empty outside it.
    QString SpriteName(int sprite) const;

    // The tile sheet; a null image before a successful Load.
    QImage TileSheet() const;
    // The three-frame bitmap of sprite `sprite`. Fails, naming the header
    // file, when the sprite's table entry does not fit the sprite data.
    IoResult SpriteBitmap(int sprite, QImage& image) const;
    // Whether every sprite's table entry fits the sprite data, so that all
    // bitmaps can be made; the failure names the first that does not.
    IoResult CheckSprites() const;

    // The names of all bitmaps this episode's graphics make, tile sheet first.
    QStringList BitmapNames() const;
    // The bitmap called `name` (any letter case; a leading folder is
    // ignored). On failure `image` is unchanged and the result names it.
    IoResult Bitmap(const QString& name, QImage& image) const;

private:
    IoResult SpriteError(int sprite, const QString& reason) const;
    IoResult CheckSprite(int sprite) const;

    int m_Episode = 0;
    QString m_Folder;
    QString m_HeaderPath;
    EgaHeader m_Header;
    QByteArray m_Latch;
    QByteArray m_Sprites;
};
