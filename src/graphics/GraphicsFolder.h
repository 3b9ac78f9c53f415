#pragma once

#include "IoResult.h"

#include <QString>

class SpriteSet;
class Surface;
class TileSet;

// An episode's graphics folder holds either the exported bitmaps or the
// game's own graphics files (EGAHEAD, EGALATCH, EGASPRIT); the sets load
// from either.
class GraphicsFolder {
public:
    enum class Kind { None, ExportedBitmaps, GameFiles };

    // Exported bitmaps win when the folder holds the episode's tile sheet;
    // otherwise the game's files when all three are there.
    static Kind Classify(const QString& folder, int episode);

    // True when `folder` is not empty and holds a file, not hidden, whose
    // extension is BMP in any letter case. "\" is read as "/" where the
    // folder does not exist as written.
    static bool HoldsBitmap(const QString& folder);

    // A short description for the user ("exported bitmaps", ...).
    static QString Describe(Kind kind);

    // Load an episode's tile set or sprite set from the folder, whichever
    // kind it is: from the game's own files when it holds them and not the
    // exported tile sheet, otherwise from the exported bitmaps
    // ("<folder>/1til0000.bmp", "<folder>/1spr0000.bmp", ...). On failure
    // the result names the file and says why.
    static IoResult LoadTiles(const QString& folder, int episode, TileSet& tiles);
    static IoResult LoadSprites(const QString& folder, int episode, SpriteSet& sprites,
                                Surface& scratch);
};
