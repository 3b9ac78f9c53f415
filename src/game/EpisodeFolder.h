#pragma once

#include "IoResult.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

// The level files of one episode in a folder: every LEVELnn.CKe (nn two
// digits, e 1..3, in any letter case), sorted by number. A folder may hold
// levels of several episodes; one is chosen, the one asked for or else the
// one with the most levels (the lowest on a tie), and Note() says what was
// left aside. Two names of one level in different letter cases (possible
// outside DOS) give the one in the game's own upper case, or else the first
// by name, and the note names the other.
class EpisodeFolder {
    Q_DECLARE_TR_FUNCTIONS(EpisodeFolder)
public:
    struct Entry {
        int number = 0;
        QString name; // as in the folder: "LEVEL05.CK1", "level05.ck1"
        QString path; // absolute
    };

    // Reads the folder's list of files. `episode` 1..3 takes that episode's
    // levels, 0 chooses. Fails, naming the folder and the reason, when it
    // cannot be read or holds no level of the episode.
    static IoResult Scan(const QString& folder, int episode, EpisodeFolder& out);

    QString Folder() const { return m_Folder; }
    int Episode() const { return m_Episode; }
    const std::vector<Entry>& Levels() const { return m_Levels; }
    // What the choice of episode or name left aside; empty when nothing.
    QString Note() const { return m_Note; }

    // The entry of level `number`, or null.
    const Entry* Find(int number) const;
    bool Has(int number) const { return Find(number) != nullptr; }
    // The game's name of level `number` of this episode: "LEVEL05.CK1".
    QString GameName(int number) const { return GameName(number, m_Episode); }
    static QString GameName(int number, int episode);
    // Whether `fileName` (a bare name) is a level file name; its number and
    // episode then.
    static bool Parse(const QString& fileName, int& number, int& episode);

private:
    QString m_Folder;
    int m_Episode = 0;
    std::vector<Entry> m_Levels;
    QString m_Note;
};
