#pragma once

#include "IoResult.h"
#include "TileBehaviour.h"

#include <QByteArray>
#include <QCoreApplication>
#include <vector>

// Finds an episode's tile table in the load module of its program: at the
// offset version 1.31 keeps it at, when the values there are ones the game
// knows; otherwise at the one place in the module where all six planes of
// the episode's tile count fit. No place, or more than one, is refused with
// the reason: a wrong table would mislead more than none.
class TileTableFinder {
    Q_DECLARE_TR_FUNCTIONS(TileTableFinder)
public:
    // Tiles in the table of episode 1..3 (611, 689, 715; episode 3's table
    // describes more tiles than its graphics have); 0 for another episode.
    static int TableTiles(int episode);
    // Where version 1.31 keeps the table in the load module; -1 for
    // another episode.
    static qsizetype KnownOffset(int episode);

    // The table of `episode` in `module`; `offset` gets where it was found.
    // On failure the result gives the reason alone.
    static IoResult Find(const QByteArray& module, int episode, TileBehaviour& table,
                         qsizetype& offset);

    // The offsets at which a table of `count` tiles fits in `module`, in
    // order, at most `most` of them.
    static std::vector<qsizetype> Search(const QByteArray& module, int count, int most);
};
