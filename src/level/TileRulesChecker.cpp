#include "TileRulesChecker.h"

#include "GameLimits.h"
#include "Level.h"
#include "TileBehaviour.h"

#include <algorithm>
#include <set>

namespace {

using Kind = FindingKind;

// The info value that marks Keen's start.
constexpr qint16 StartValue = 255;
constexpr int Doors = 4;

// The map and the title and ending scenes are left by other means than an
// exit.
bool needsExit(int number) {
    return number != GameLimits::MapLevelNumber && !GameLimits::IsSceneLevel(number);
}

void checkExit(const Level& level, const TileBehaviour& table, std::vector<Finding>& out) {
    if (!needsExit(level.Number()))
        return;
    for (qint16 tile : level.TilePlane())
        if (table.At(tile).behaviour == TileBehaviour::Exit)
            return;
    std::vector<int> exits;
    for (int t = 0; t < table.Count(); ++t)
        if (table.At(t).behaviour == TileBehaviour::Exit)
            exits.push_back(t);
    const QString which = exits.empty()
                              ? TileRulesChecker::tr("the episode has no exit tile")
                              : TileRulesChecker::tr("the exit is tile %1").arg(exits.front());
    out.push_back(
        {Severity::Error, Kind::NoExit, -1, -1,
         TileRulesChecker::tr("the level has no exit, so it cannot be finished (%1)").arg(which)});
}

void checkStarts(const Level& level, const TileBehaviour& table, std::vector<Finding>& out) {
    for (int y = 0; y < level.Height(); ++y)
        for (int x = 0; x < level.Width(); ++x) {
            if (level.Info(x, y) != StartValue)
                continue;
            for (int row : {y, y + 1}) {
                if (row >= level.Height())
                    continue;
                const qint16 tile = level.Tile(x, row);
                if (!table.TrapsKeen(tile))
                    continue;
                const QString where = row == y ? TileRulesChecker::tr("Keen's start cell")
                                               : TileRulesChecker::tr("the cell below Keen's "
                                                                      "start (he is two cells "
                                                                      "tall)");
                out.push_back({Severity::Warning, Kind::StartBlocked, x, row,
                               TileRulesChecker::tr("%1 holds tile %2 (%3): Keen starts stuck "
                                                    "or dies")
                                   .arg(where)
                                   .arg(tile)
                                   .arg(table.Traits(tile))});
            }
        }
}

void checkDoorsAndLoops(const Level& level, const TileBehaviour& table, int tileCount,
                        std::vector<Finding>& out) {
    bool keys[Doors] = {};
    for (qint16 tile : level.TilePlane()) {
        const int key = table.At(tile).behaviour - TileBehaviour::FirstKey;
        if (key >= 0 && key < Doors)
            keys[key] = true;
    }
    bool doorSeen[Doors] = {};
    std::set<qint16> loopsSeen;
    const int tiles = std::min(tileCount, table.Count());
    for (int y = 0; y < level.Height(); ++y)
        for (int x = 0; x < level.Width(); ++x) {
            const qint16 tile = level.Tile(x, y);
            const int door = table.At(tile).behaviour - TileBehaviour::FirstDoor;
            if (door >= 0 && door < Doors && !keys[door] && !doorSeen[door]) {
                doorSeen[door] = true;
                out.push_back({Severity::Warning, Kind::DoorWithoutKey, x, y,
                               TileRulesChecker::tr("door %1 (tile %2) has no key %1 in the "
                                                    "level: it cannot be opened")
                                   .arg(door + 1)
                                   .arg(tile)});
            }
            const int start = table.LoopStart(tile);
            const int end = start + table.LoopLength(tile);
            if (table.LoopLength(tile) > 1 && end > tiles && loopsSeen.insert(tile).second)
                out.push_back({Severity::Warning, Kind::CutAnimation, x, y,
                               TileRulesChecker::tr("tile %1 animates through tiles %2 to %3, "
                                                    "but the episode has only %4 tiles: it "
                                                    "does not animate")
                                   .arg(tile)
                                   .arg(start)
                                   .arg(end - 1)
                                   .arg(tiles)});
        }
}

} // namespace

std::vector<Finding> TileRulesChecker::Check(const Level& level, const TileBehaviour& table,
                                             int tileCount) {
    std::vector<Finding> out;
    checkExit(level, table, out);
    checkStarts(level, table, out);
    checkDoorsAndLoops(level, table, tileCount, out);
    std::stable_sort(out.begin(), out.end(), [](const Finding& a, const Finding& b) {
        return std::make_pair(a.y, a.x) < std::make_pair(b.y, b.x);
    });
    return out;
}

QString TileRulesChecker::SkippedText(const QString& reason) {
    return tr("The checks that need the game's tile behaviour were skipped: %1").arg(reason);
}
