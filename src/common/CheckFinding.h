#pragma once

#include <QHashFunctions>
#include <QString>

// What one check found, as every checker reports it (a level's own checks,
// those that need the game's tile table, those across an episode's levels)
// and as the Check dock, the Episode panel and `gridmason-tool check` show
// it.

// An error keeps the level from playing as meant; a warning may; a note
// points at something that is allowed but often a slip. Gravest first:
// reports list findings in this order.
enum class Severity { Error, Warning, Note };

// The rule a finding comes from, so that callers can single one out and
// identical findings can be told apart from look-alikes.
enum class FindingKind {
    // A level's own checks (LevelChecker).
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
    CutAnimation,
    // The checks across an episode's levels (EpisodeChecker).
    MissingLevel,
    NoEntrance,
    BlockerWithoutLevel,
    SplitEntrance,
    NoMap,
    // A level file of a checked folder that cannot be read.
    Unreadable
};

struct Finding {
    Severity severity = Severity::Error;
    FindingKind kind = FindingKind::TooLarge;
    // The cell the finding is about, or -1, -1 for the whole level.
    int x = -1;
    int y = -1;
    QString message;

    bool HasCell() const { return x >= 0 && y >= 0; }
    bool operator==(const Finding& other) const {
        return severity == other.severity && kind == other.kind && x == other.x && y == other.y &&
               message == other.message;
    }
    bool operator!=(const Finding& other) const { return !(*this == other); }
};

// Findings can be kept in a QSet (the errors a user accepted before saving).
inline size_t qHash(const Finding& finding, size_t seed = 0) {
    return qHashMulti(seed, int(finding.severity), int(finding.kind), finding.x, finding.y,
                      finding.message);
}

// "error", "warning" or "note", as report lines write them (not translated:
// scripts read them).
QString SeverityText(Severity severity);
