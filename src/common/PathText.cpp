#include "PathText.h"

#include "NativePath.h"

#include <QStringList>

namespace {

const QChar Slash = QLatin1Char('/');
const QChar Backslash = QLatin1Char('\\');

// Appends to `done` (the parts resolved so far, ending in a separator or
// empty) the pieces of one part that was written with "\" between them:
// each time the longest run of pieces that exists as one name, or else a
// single piece, followed by "/" when pieces remain.
void appendPieces(QString& done, const QStringList& pieces) {
    qsizetype i = 0;
    while (i < pieces.size()) {
        qsizetype end = i + 1;
        for (qsizetype j = pieces.size(); j > i + 1; --j) {
            if (NativePath::Exists(done + pieces.mid(i, j - i).join(Backslash))) {
                end = j;
                break;
            }
        }
        done += pieces.mid(i, end - i).join(Backslash);
        if (end < pieces.size())
            done += Slash;
        i = end;
    }
}

} // namespace

namespace PathText {

QString Slashed(const QString& path) {
    if (!path.contains(Backslash) || NativePath::Exists(path))
        return path;
    const QStringList parts = path.split(Slash);
    QString done;
    for (qsizetype p = 0; p < parts.size(); ++p) {
        if (p > 0)
            done += Slash;
        if (parts[p].contains(Backslash))
            appendPieces(done, parts[p].split(Backslash));
        else
            done += parts[p];
    }
    return done;
}

QString BareName(const QString& path) {
    const QString slashed = Slashed(path);
    return slashed.mid(slashed.lastIndexOf(Slash) + 1);
}

QString Folder(const QString& path) {
    // Slashed keeps every character's place, so the last separator stands
    // at the same place in the path as written.
    const qsizetype slash = Slashed(path).lastIndexOf(Slash);
    if (slash >= 1)
        return path.left(slash);
    return slash == 0 && path.at(0) == Slash ? QString(Slash) : QString();
}

} // namespace PathText
