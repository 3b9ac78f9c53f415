#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// Which files of a game folder a test run copies: what the game reads. The
// episode's program and data files (KEEN1.EXE, *.CK1) go whatever their
// size; the other files beside them (the vendor's texts, a DOSBox or sound
// set-up) go up to a few megabytes, and anything larger that is not the
// game's (a video, an archive, a disk image left there) is skipped, as
// copying it would only cost time and disk.
class GameFileSelection {
    Q_DECLARE_TR_FUNCTIONS(GameFileSelection)
public:
    struct File {
        QString name;
        qint64 size = 0;
        bool operator==(const File& other) const {
            return name == other.name && size == other.size;
        }
    };

    // Files that are not the game's are copied up to this size.
    static constexpr qint64 SmallFileLimit = qint64(4) * 1024 * 1024;

    // The ordinary files of `folder` (links followed, no folders, devices
    // or hidden files), in name order.
    static QList<File> List(const QString& folder);
    // Sorts `files` of the game folder for `episode`. `levelName` is the
    // level under test, which is written anew and so neither copied nor
    // skipped, in any letter case (DOS sees one file).
    static GameFileSelection Select(const QList<File>& files, int episode,
                                    const QString& levelName);

    QList<File> copied;
    QList<File> skipped;

    qint64 CopiedBytes() const;
    // What was skipped, for the user: "" when nothing was.
    QString SkippedText() const;
};
