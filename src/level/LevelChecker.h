#pragma once

#include "CheckFinding.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

class Level;

// Looks for what keeps a level from playing as meant in the game: a level
// too large to load, no start for Keen or several, tiles the episode does
// not have, info values that show nothing in the editor, and an outer frame
// holding anything but the border tile. The editor's check dock and
// `gridmason-tool check` both show these findings (grouped by FindingGroup).
class LevelChecker {
    Q_DECLARE_TR_FUNCTIONS(LevelChecker)

public:
    // Tiles in the game's own sheet of an episode (1..3); 0 for any other.
    static int GameTileCount(int episode);

    // The findings for `level`, whole-level ones first, then cell by cell in
    // row order. `tileCount` is the number of tiles the episode has: the
    // loaded sheet's in the editor, GameTileCount without one.
    static std::vector<Finding> Check(const Level& level, int tileCount);

    static bool HasErrors(const std::vector<Finding>& findings);
};
