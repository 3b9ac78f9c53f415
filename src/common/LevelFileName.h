#pragma once

#include <QString>
#include <QStringList>

// The names level files are saved under. The game, Open, Recent Files and
// gridmason-tool all take a level's episode from the last character of its
// file name, so a level is only ever written under a name ending in its
// own episode's extension, .CK1, .CK2 or .CK3 in either letter case.
namespace LevelFileName {

// ".CK1" .. ".CK3" for episodes 1..3, or in lower case; empty for any other
// episode.
QString Extension(int episode, bool upperCase);

// What becomes of a name typed for saving a level of `episode`.
struct Checked {
    // The file to write; empty when the name is refused.
    QString path;
    // Why the name is refused, for the user.
    QString error;
    // The episode's extension was added to the name as typed.
    bool extended = false;
};

// A name without an extension gets the episode's: ".CK1" when the name has
// no lower-case letter ("LEVEL05", "05"), ".ck1" otherwise ("mylevel",
// "MyLevel"). A name with the episode's extension stays as it is; one with
// another episode's extension, or an extension that names no episode
// (".txt", ".ck4", a name ending in "."), is refused.
Checked ForSaving(const QString& typed, int episode);

// The name offered for saving a new level of `episode` in a folder holding
// `namesPresent`: LEVEL80 for a map; otherwise the lowest level number
// 01..16 whose file is not there (names compared in any letter case, only
// the episode's own extension counting), or when all are, the lowest free
// number 17..79. Upper case, as the game's own files are named.
QString DefaultName(const QStringList& namesPresent, int episode, bool map);
// The same for the names in `folder` (none when it cannot be listed).
QString DefaultNameIn(const QString& folder, int episode, bool map);

} // namespace LevelFileName
