#pragma once

#include <QString>
#include <QStringList>

// The levels opened or saved last, most recent first, kept in the settings
// file's section "Recent" under the keys "File1" to "File8". Every call
// reads or writes the file, so that two running copies of the program
// share one list.
class RecentFiles {
public:
    static constexpr int MaxCount = 8;
    static const QString Section;

    // The stored files, most recent first, without empty keys or repeats.
    static QStringList List();
    // Puts `fileName` (made absolute) at the front, dropping an earlier
    // entry for the same file and whatever falls past the eighth. False when
    // the name cannot be kept: longer than a setting holds, or the settings
    // file could not be written.
    static bool Add(const QString& fileName);
    // Takes `fileName` out of the list. False when the settings file could
    // not be written.
    static bool Remove(const QString& fileName);

private:
    static bool Store(const QStringList& files);
    static bool SameFile(const QString& a, const QString& b);
};
