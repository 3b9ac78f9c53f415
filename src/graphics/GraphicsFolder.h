#pragma once

#include <QString>

// An episode's graphics folder holds either the exported bitmaps or the
// game's own graphics files (EGAHEAD, EGALATCH, EGASPRIT); the sets load
// from either.
class GraphicsFolder {
public:
    enum class Kind { None, ExportedBitmaps, GameFiles };

    // Exported bitmaps win when the folder holds the episode's tile sheet;
    // otherwise the game's files when all three are there.
    static Kind Classify(const QString& folder, int episode);

    // A short description for the user ("exported bitmaps", ...).
    static QString Describe(Kind kind);
};
