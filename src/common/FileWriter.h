#pragma once

#include "IoResult.h"

#include <QByteArray>
#include <QString>

// Writes every file the program makes (levels, the settings file, bitmaps,
// pictures). The bytes go to a temporary file beside the target that
// replaces it only once it is complete: written, flushed, synced and of
// the right size on disk. QSaveFile::commit alone is not enough, as it
// reports success when its last buffered write fails (a full disk), and
// then puts an empty or cut-off file in place of the old one.
class FileWriter {
public:
    // Replaces `path` with `bytes`. On failure the old file is untouched
    // and the message names the file and the reason ("No space left on
    // device").
    static IoResult WriteWhole(const QString& path, const QByteArray& bytes);
};
