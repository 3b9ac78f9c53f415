#pragma once

#include "CheckFinding.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

class Level;
class TileBehaviour;

// The checks of a level that need to know what its tiles do in the game,
// from the episode's tile behaviour table:
// - a level other than the map (80) and the title and ending scenes (81,
//   90) without an exit tile cannot be finished (error);
// - Keen's start cell, or the cell below it (Keen is two cells tall), that
//   blocks from any side or kills (warning);
// - a door whose key is nowhere in the level (warning, once per door
//   number, at its first cell);
// - a tile whose animation loop runs past the episode's last tile (warning,
//   once per tile, at its first cell).
// The outer frame is not judged by blocking: the game keeps Keen inside the
// level by itself, and its border tile blocks nothing.
class TileRulesChecker {
    Q_DECLARE_TR_FUNCTIONS(TileRulesChecker)
public:
    // The findings for `level`, whole-level ones first, then cell by cell in
    // row order. `tileCount` is the number of tiles the episode has (the
    // loaded sheet's, or LevelChecker::GameTileCount).
    static std::vector<Finding> Check(const Level& level, const TileBehaviour& table,
                                      int tileCount);

    // The one line a report shows instead when the table could not be read
    // (`reason` says why).
    static QString SkippedText(const QString& reason);
};
