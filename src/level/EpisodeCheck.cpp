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

using Finding = EpisodeCheck::Finding;
using Severity = EpisodeCheck::Severity;

Severity severityOf(LevelChecker::Severity severity) {
    return severity == LevelChecker::Severity::Error ? Severity::Error : Severity::Warning;
}

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
    std::vector<Finding> out;
    for (const LevelChecker::Finding& f : LevelChecker::Check(level, tileCount))
        out.push_back({severityOf(f.severity), f.x, f.y, f.message});
    if (table)
        for (const TileRulesChecker::Finding& f : TileRulesChecker::Check(level, *table, tileCount))
            out.push_back({severityOf(f.severity), f.x, f.y, f.message});
    sortForReport(out);
    return out;
}

std::vector<Finding> EpisodeCheck::ReadFailure(const IoResult& read) {
    return {{Severity::Error, -1, -1, read.error}};
}

std::vector<Finding> EpisodeCheck::Merge(std::vector<Finding> own,
                                         const std::vector<EpisodeChecker::Finding>& episode,
                                         int number) {
    for (const EpisodeChecker::Finding& f : episode)
        if (f.level == number)
            own.push_back({f.severity, f.x, f.y, f.message});
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
