#pragma once

#include "IoResult.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

class Level;
class QLockFile;

// One recovery copy: the unsaved state of a level, kept while it was being
// edited, and what it belongs to.
struct RecoveryEntry {
    QString id;
    // The level's file (absolute); empty for a level never saved.
    QString originalFile;
    int episode = 0;
    int number = 0;
    // When the copy was written.
    QDateTime written;
    // Why the entry's description cannot be read; empty when it can.
    QString error;
    // Held while this program has the entry: no other running copy offers
    // it or writes it meanwhile.
    std::shared_ptr<QLockFile> lock;
};

// The folder of recovery copies, one entry per modified level: <id>.level
// (the level in the game's packed format), <id>.json (the file it belongs
// to, its episode and number, the time and the writing process) and
// <id>.lock, held by the running program that keeps the entry. An entry
// whose lock nobody holds belongs to a program that crashed, was killed or
// ended without saving or discarding the level; those are the entries
// offered at the next start.
class RecoveryStore {
    Q_DECLARE_TR_FUNCTIONS(RecoveryStore)

public:
    explicit RecoveryStore(const QString& folder = DefaultFolder());

    // "recovery" in the user's data folder (~/.local/share/Gridmason).
    static QString DefaultFolder();
    const QString& Folder() const { return m_Folder; }

    // A name for a new entry, unique across running copies.
    static QString NewId();

    // Takes the lock of entry `id` into `lock`; fails when another running
    // program holds it or the folder cannot be written.
    IoResult Claim(const QString& id, std::shared_ptr<QLockFile>& lock) const;
    // Writes the entry `id` (whose lock the caller holds): the level, then
    // its description, each replacing the old one only when complete.
    IoResult Write(const QString& id, const Level& level, const QString& originalFile) const;
    // Removes the entry's files (not its lock).
    IoResult Remove(const QString& id) const;
    // The entries no running program holds, newest first, each claimed
    // (its lock held until the entry is dropped).
    std::vector<RecoveryEntry> ClaimOrphans() const;
    // Reads the entry's level with its episode and number.
    IoResult Read(const RecoveryEntry& entry, Level& level) const;

private:
    QString PathOf(const QString& id, const char* suffix) const;
    RecoveryEntry Describe(const QString& id) const;

    QString m_Folder;
};
