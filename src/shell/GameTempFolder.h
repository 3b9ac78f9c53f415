#pragma once

#include "IoResult.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

class QLockFile;
class QTemporaryDir;

// A temporary folder that the game runs in, named after the program that
// made it ("gridmason-game-<pid>-XXXXXX") and locked for as long as it is
// in use, so that a later start can tell the folders of an editor that was
// killed from those of one still running and remove only the former.
class GameTempFolder {
    Q_DECLARE_TR_FUNCTIONS(GameTempFolder)
public:
    GameTempFolder();
    ~GameTempFolder();
    GameTempFolder(const GameTempFolder&) = delete;
    GameTempFolder& operator=(const GameTempFolder&) = delete;

    // Where temporary folders may go, in order: TMPDIR when it is set, then
    // /tmp.
    static QStringList DefaultBases();

    // Makes the folder in the first of `bases` that is a folder it can be
    // made in; the root folder is never used. On failure nothing is made
    // and the message names each base and why it could not be used.
    IoResult Create(const QStringList& bases = DefaultBases());
    // The folder's path, or "" before Create succeeded.
    QString Path() const;
    QString FilePath(const QString& name) const;

    // Removes, from each of `bases`, the folders of this kind that belong
    // to this user and whose program has ended: their lock is stale, or
    // they have no lock and the process named in them is gone. Folders of
    // other users, links and names of any other form are left alone.
    // Returns how many were removed.
    static int RemoveStale(const QStringList& bases = DefaultBases());

private:
    std::unique_ptr<QTemporaryDir> m_Dir;
    std::unique_ptr<QLockFile> m_Lock;
};
