#pragma once

#include <QString>

// The folders the level file dialogs start in, and the last folder a level
// was opened from or saved in, kept in the settings file across runs.
namespace LevelFolders {

// The folder remembered last, when it still exists; "" otherwise.
QString Last();
// Remembers the folder of `levelFile`. The folder is a convenience: a
// settings file that cannot be written loses it and nothing else.
void Remember(const QString& levelFile);

// Where File, Open starts: the folder of `levelFile` (the active level's,
// "" for none) when it exists, else `remembered` when it exists, else the
// home folder.
QString ForOpening(const QString& levelFile, const QString& remembered);
// Where Save As starts: the same, but only a folder that can be written
// counts (a level opened from a read-only installation is saved elsewhere).
QString ForSaving(const QString& levelFile, const QString& remembered);

} // namespace LevelFolders
