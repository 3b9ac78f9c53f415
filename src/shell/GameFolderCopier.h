#pragma once

#include "GameFileSelection.h"
#include "IoResult.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

// Copies the game's files into the temporary folder a test run plays in.
// It runs off the interface thread, so it reports its progress and can be
// stopped between pieces; every write is checked and each file reaches the
// disk before it counts as copied, so a full disk gives a message rather
// than a game that reads half a file.
class GameFolderCopier {
    Q_DECLARE_TR_FUNCTIONS(GameFolderCopier)
public:
    // Told before each file and after each piece of it: the bytes copied so
    // far of all files and the file being copied. False stops the copy.
    using Progress = std::function<bool(qint64 done, const QString& file)>;

    // Copies `files` (as listed: at most the size listed of each, so a file
    // that grows meanwhile cannot make the copy endless) from the folder
    // `from` into `to`, where none of them exists yet. On failure, or when
    // stopped, the message names the file and the reason; what was written
    // so far stays for the caller to remove with its folder.
    static IoResult Copy(const QString& from, const QString& to,
                         const QList<GameFileSelection::File>& files, const Progress& progress);
    // Fails, saying how much is needed and free, when the disk of `folder`
    // has less than `bytes` free.
    static IoResult CheckRoom(const QString& folder, qint64 bytes);
};
