#pragma once

#include "TestPaths.h"
#include <QDir>
#include <QFile>
#include <QString>

// The real game files live beside the project, in ../shared/data. A fresh
// clone of the project alone has none: tests that need them skip.
inline QString realDataDir() {
    return QDir(QStringLiteral(GM_SOURCE_DIR "/../shared/data/keen1-shareware")).absolutePath();
}

inline bool haveRealData() {
    return QDir(realDataDir()).exists();
}

// Copies the game's own episode-1 graphics files into `folder`, their names
// in lower case if asked. False if one could not be copied.
inline bool copyRealGameFiles(const QString& folder, bool lowerCase = false) {
    for (const QString name : {"EGAHEAD.CK1", "EGALATCH.CK1", "EGASPRIT.CK1"}) {
        if (!QFile::copy(QDir(realDataDir()).filePath(name),
                         QDir(folder).filePath(lowerCase ? name.toLower() : name)))
            return false;
    }
    return true;
}

#define GM_REQUIRE_REAL_DATA()                                                                     \
    do {                                                                                           \
        if (!haveRealData())                                                                       \
            QSKIP("real game files not found at ../shared/data/keen1-shareware");                  \
    } while (false)
