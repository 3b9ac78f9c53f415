#pragma once

#include "IoResult.h"

#include <QString>
#include <optional>

// The settings file, Gridmason.ini. It lives in the program's folder; when
// that folder cannot be written, or the program runs installed (see
// IsInstalledProgram), it lives in the user's configuration folder instead,
// and is read from there once that holds it.
namespace Settings {

// The settings file's full path.
QString FilePath();

// Why the settings file cannot be read, naming it (a folder, a pipe or a
// device in its place, a file that is not text or may not be read);
// success when it reads or does not exist yet.
IoResult CheckFile();

// The value stored under `key` in `section` (both matched in any letter
// case), at most 255 characters; "" when the file, section or key is missing
// or the file cannot be read.
QString Read(const QString& section, const QString& key);

// Stores `value` under `key` in `section`, creating the file, section or key
// as needed; std::nullopt removes the key. Every other line of the file is
// kept as it was. Fails, naming the file and the reason, when the file could
// not be written (the old file is then unchanged) or when a name or value
// cannot be stored in the file's line format (a line break, a key with "=",
// a section with "]").
IoResult Write(const QString& section, const QString& key, const std::optional<QString>& value);

// Lets tests put the program's folder and the configuration folder anywhere;
// empty strings return to the real folders.
void SetFoldersForTesting(const QString& programDir, const QString& configDir);

} // namespace Settings
