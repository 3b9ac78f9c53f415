#include "EpisodeCheck.h"

#include "GameLimits.h"
#include "Level.h"
#include "LevelChecker.h"
#include "MapIndex.h"
#include "TileRulesChecker.h"

#include <QDir>
#include <algorithm>
#include <memory>

namespace {

void sortForReport(std::vector<Finding>& findings) {
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return std::make_pair(a.y, a.x) < std::make_pair(b.y, b.x);
    });
}

} // namespace

int EpisodeCheck::LevelReport::Count(Severity severity) const {
    return int(std::count_if(findings.begin(), findings.end(),
                             [severity](const Finding& f) { return f.severity == severity; }));
}

bool EpisodeCheck::Report::HasErrors() const {
    return std::any_of(levels.begin(), levels.end(),
                       [](const LevelReport& level) { return level.Count(Severity::Error) > 0; });
}

std::vector<Finding> EpisodeCheck::OwnFindings(const Level& level, int tileCount,
                                               const TileBehaviour* table) {
    std::vector<Finding> out = LevelChecker::Check(level, tileCount);
    if (table) {
        const std::vector<Finding> rules = TileRulesChecker::Check(level, *table, tileCount);
        out.insert(out.end(), rules.begin(), rules.end());
    }
    sortForReport(out);
    return out;
}

std::vector<Finding> EpisodeCheck::ReadFailure(const IoResult& read) {
    return {{Severity::Error, FindingKind::Unreadable, -1, -1, read.error}};
}

std::vector<Finding> EpisodeCheck::Merge(std::vector<Finding> own,
                                         const std::vector<EpisodeChecker::LevelFinding>& episode,
                                         int number) {
    for (const EpisodeChecker::LevelFinding& f : episode)
        if (f.level == number)
            own.push_back(f.finding);
    sortForReport(own);
    return own;
}

IoResult EpisodeCheck::Run(const QString& folder, int episode, const TileBehaviour* table,
                           Report& out) {
    Report report;
    const IoResult scanned = EpisodeFolder::Scan(folder, episode, report.folder);
    if (!scanned)
        return scanned;
    const int tileCount = LevelChecker::GameTileCount(report.folder.Episode());
    std::unique_ptr<MapIndex> map;
    for (const EpisodeFolder::Entry& entry : report.folder.Levels()) {
        Level level;
        const IoResult read = level.Load(entry.path);
        if (read && entry.number == GameLimits::MapLevelNumber)
            map = std::make_unique<MapIndex>(
                MapIndex::Build(level.Width(), level.Height(), level.InfoPlane()));
        report.levels.push_back({entry.number, entry.path,
                                 read ? OwnFindings(level, tileCount, table) : ReadFailure(read)});
    }
    const auto across = EpisodeChecker::Check(report.folder, map.get());
    if (!report.folder.Has(GameLimits::MapLevelNumber) && !across.empty())
        report.levels.push_back({GameLimits::MapLevelNumber,
                                 QDir(report.folder.Folder())
                                     .filePath(report.folder.GameName(GameLimits::MapLevelNumber)),
                                 {}});
    std::sort(report.levels.begin(), report.levels.end(),
              [](const LevelReport& a, const LevelReport& b) { return a.number < b.number; });
    for (LevelReport& level : report.levels)
        level.findings = Merge(std::move(level.findings), across, level.number);
    out = report;
    return IoResult::success();
}
