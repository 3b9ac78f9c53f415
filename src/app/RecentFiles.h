#pragma once

#include "IoResult.h"

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
    // entry for the same file and whatever falls past the eighth. A name a
    // setting cannot hold whole (too long, a line break) is left out. Fails,
    // with the reason, when the settings file could not be read or written.
    static IoResult Add(const QString& fileName);
    // Takes `fileName` out of the list; fails as Add does.
    static IoResult Remove(const QString& fileName);

private:
    static IoResult Store(const QStringList& files);
    static bool SameFile(const QString& a, const QString& b);
};
