#pragma once

#include <QDir>
#include <QString>

// The real game files live beside the project, in ../shared/data. A fresh
// clone of the project alone has none: tests that need them skip.
inline QString realDataDir() {
    return QDir(QStringLiteral(GM_SOURCE_DIR "/../shared/data/keen1-shareware")).absolutePath();
}

inline bool haveRealData() {
    return QDir(realDataDir()).exists();
}

#define GM_REQUIRE_REAL_DATA()                                                                     \
    do {                                                                                           \
        if (!haveRealData())                                                                       \
            QSKIP("real game files not found at ../shared/data/keen1-shareware");                  \
    } while (false)
