#include "EpisodeChecker.h"

#include "EpisodeFolder.h"
#include "GameLimits.h"
#include "MapIndex.h"

#include <algorithm>
#include <tuple>

namespace {

using LevelFinding = EpisodeChecker::LevelFinding;
using Kind = FindingKind;

constexpr int Map = GameLimits::MapLevelNumber;

QString blockerText(int level) {
    return QStringLiteral("0x") +
           QString::number(GameLimits::BlockerBase + level, 16).toUpper().rightJustified(4, '0');
}

LevelFinding onMap(Severity severity, Kind kind, QPoint cell, const QString& message) {
    return {Map, {severity, kind, cell.x(), cell.y(), message}};
}

void checkEntrances(const EpisodeFolder& folder, const MapIndex& map,
                    std::vector<LevelFinding>& out) {
    for (int level = 1; level <= GameLimits::LastMapLevel; ++level) {
        const std::vector<MapIndex::Door> doors = map.EntrancesTo(level);
        if (doors.empty() && folder.Has(level))
            out.push_back({level,
                           {Severity::Warning, Kind::NoEntrance, -1, -1,
                            EpisodeChecker::tr("no entrance on the world map leads to this level "
                                               "(no cell of the map holds the info value %1)")
                                .arg(level)}});
        for (const MapIndex::Door& door : doors)
            if (!folder.Has(level))
                out.push_back(onMap(Severity::Error, Kind::MissingLevel, door.First(),
                                    EpisodeChecker::tr("the entrance to level %1 leads to %2, "
                                                       "which is not in the folder")
                                        .arg(level)
                                        .arg(folder.GameName(level))));
        for (size_t d = 1; d < doors.size(); ++d)
            out.push_back(onMap(Severity::Note, Kind::SplitEntrance, doors[d].First(),
                                EpisodeChecker::tr("another entrance to level %1, apart from the "
                                                   "one at %2,%3 (the map has %4 entrances to "
                                                   "it)")
                                    .arg(level)
                                    .arg(doors.front().First().x())
                                    .arg(doors.front().First().y())
                                    .arg(doors.size())));
    }
}

void checkBlockers(const EpisodeFolder& folder, const MapIndex& map,
                   std::vector<LevelFinding>& out) {
    for (const MapIndex::Door& door : map.Blockers())
        if (!folder.Has(door.level))
            out.push_back(onMap(Severity::Warning, Kind::BlockerWithoutLevel, door.First(),
                                EpisodeChecker::tr("the blocker %1 opens once level %2 is "
                                                   "finished, but %3 is not in the folder: it "
                                                   "never opens")
                                    .arg(blockerText(door.level))
                                    .arg(door.level)
                                    .arg(folder.GameName(door.level))));
}

} // namespace

std::vector<LevelFinding> EpisodeChecker::Check(const EpisodeFolder& folder, const MapIndex* map) {
    std::vector<LevelFinding> out;
    if (!map) {
        if (!folder.Has(Map))
            out.push_back({Map,
                           {Severity::Warning, Kind::NoMap, -1, -1,
                            tr("the folder has no world map (%1), so no entrance is checked")
                                .arg(folder.GameName(Map))}});
        return out;
    }
    checkEntrances(folder, *map, out);
    checkBlockers(folder, *map, out);
    std::stable_sort(out.begin(), out.end(), [](const LevelFinding& a, const LevelFinding& b) {
        return std::make_tuple(a.level, a.finding.y, a.finding.x) <
               std::make_tuple(b.level, b.finding.y, b.finding.x);
    });
    return out;
}
