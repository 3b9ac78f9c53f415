#pragma once

#include <QCoreApplication>
#include <QHashFunctions>
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
    enum class Severity { Error, Warning };
    // What a finding is about, so that callers can single one kind out.
    enum class Kind {
        Episode,
        TooLarge,
        NoStart,
        ManyStarts,
        UnknownTile,
        HiddenInfo,
        OpenEdge,
        // The rules that need the game's tile behaviour (TileRulesChecker).
        NoExit,
        StartBlocked,
        DoorWithoutKey,
        CutAnimation
    };

    struct Finding {
        Severity severity = Severity::Error;
        Kind kind = Kind::TooLarge;
        // The cell the finding is about, or -1, -1 for the whole level.
        int x = -1;
        int y = -1;
        QString message;

        bool HasCell() const { return x >= 0 && y >= 0; }
        bool operator==(const Finding& other) const {
            return severity == other.severity && kind == other.kind && x == other.x &&
                   y == other.y && message == other.message;
        }
    };

    // Tiles in the game's own sheet of an episode (1..3); 0 for any other.
    static int GameTileCount(int episode);

    // The findings for `level`, whole-level ones first, then cell by cell in
    // row order. `tileCount` is the number of tiles the episode has: the
    // loaded sheet's in the editor, GameTileCount without one.
    static std::vector<Finding> Check(const Level& level, int tileCount);

    static bool HasErrors(const std::vector<Finding>& findings);

    // "error" or "warning".
    static QString SeverityText(Severity severity);
};

// Findings can be kept in a QSet (the errors a user accepted before saving).
inline size_t qHash(const LevelChecker::Finding& finding, size_t seed = 0) {
    return qHashMulti(seed, int(finding.severity), int(finding.kind), finding.x, finding.y,
                      finding.message);
}
