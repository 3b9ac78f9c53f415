#pragma once

#include "CheckFinding.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

class EpisodeFolder;
class MapIndex;

// The checks across an episode's levels, between the world map (level 80)
// and the files of the folder:
// - an entrance to a level whose file is not in the folder (error, at the
//   door's first cell on the map, once a door);
// - a level 1..16 in the folder that no entrance on the map leads to
//   (warning, filed under that level);
// - a blocker that opens once a level is finished whose file is not in
//   the folder, so that it never opens (warning, at the blocker's first
//   cell);
// - a level with more than one entrance, doors that do not touch (note, at
//   the first cell of every door after the first in row order);
// - no map in the folder, so that nothing of the above can be checked
//   (warning). A map that is there but cannot be read is reported by its
//   reading alone.
class EpisodeChecker {
    Q_DECLARE_TR_FUNCTIONS(EpisodeChecker)
public:
    // A finding and the level it is filed under: the map (80) for what
    // lies on it, the level itself for a level nothing leads to. The cell
    // is on that level.
    struct LevelFinding {
        int level = 0;
        Finding finding;
    };

    // The findings for the levels of `folder` and the index of its map
    // (null when the map is missing or cannot be read), by level, then
    // whole-level ones first, then in row order.
    static std::vector<LevelFinding> Check(const EpisodeFolder& folder, const MapIndex* map);
};
