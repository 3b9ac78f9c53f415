#pragma once

#include "IoResult.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Writes every file the program makes (levels, the settings file, bitmaps,
// pictures). The bytes go to a temporary file beside the target that
// replaces it only once it is complete: written, synced and of the right
// size on disk. (QSaveFile is not used: its commit reports success when its
// last buffered write fails on a full disk, it renames its file over a
// device or pipe that a link points to, and it cannot reach a name that is
// not UTF-8.)
//
// A link is followed to the file it points to, which is replaced while the
// link stays a link; a link that points nowhere gets a new file where it
// points. Anything else than an ordinary file at the end (a folder, a
// device, a pipe, a socket) is refused and left alone. The new file keeps
// the old one's permissions and, where the system lets the writer set them,
// its owner and group.
class FileWriter {
    Q_DECLARE_TR_FUNCTIONS(FileWriter)

public:
    // Replaces `path` with `bytes`. On failure the old file is untouched
    // and the message names the file and the reason ("No space left on
    // device").
    static IoResult WriteWhole(const QString& path, const QByteArray& bytes);
};
