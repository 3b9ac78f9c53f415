#pragma once

#include "EpisodeChecker.h"
#include "EpisodeFolder.h"
#include "IoResult.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

class Level;
class TileBehaviour;

// A folder of one episode's levels checked whole, as `gridmason-tool check
// DIR` and the Episode panel report it: each level's own checks
// (LevelChecker, and TileRulesChecker when the game's tile table is at
// hand) together with the checks across the episode (EpisodeChecker),
// grouped per level in the order of their numbers.
class EpisodeCheck {
    Q_DECLARE_TR_FUNCTIONS(EpisodeCheck)
public:
    struct LevelReport {
        int number = 0;
        // The level's file; for a map the folder lacks, where it would be.
        QString path;
        // Whole-level findings first, then in row order.
        std::vector<Finding> findings;

        int Count(Severity severity) const;
    };

    struct Report {
        EpisodeFolder folder;
        // By number: every level of the folder, and the missing map when
        // there is a finding about it.
        std::vector<LevelReport> levels;

        bool HasErrors() const;
    };

    // The level's own findings; `tileCount` is the episode's number of
    // tiles, `table` null leaves the tile rules out.
    static std::vector<Finding> OwnFindings(const Level& level, int tileCount,
                                            const TileBehaviour* table);
    // What a level whose file cannot be read reports: the reason, as an
    // error of the whole level.
    static std::vector<Finding> ReadFailure(const IoResult& read);
    // `own` together with the episode's findings filed under `number`, in
    // the order of a report.
    static std::vector<Finding> Merge(std::vector<Finding> own,
                                      const std::vector<EpisodeChecker::LevelFinding>& episode,
                                      int number);

    // Reads and checks the levels of `episode` (0: the folder's own; see
    // EpisodeFolder) in `folder`. Fails only when the folder cannot be
    // read or holds no level; a level that cannot be read is reported
    // among the others.
    static IoResult Run(const QString& folder, int episode, const TileBehaviour* table,
                        Report& out);
};
