#pragma once

#include "IoResult.h"

#include <QCoreApplication>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class Level;

// Where a tile or an info value is used: every cell of one plane holding
// one value, in a level or in every level file of an episode's folder, in
// order (level by level as searched, each row by row), with the hit that
// follows a cell for Find Next. A list a window shows as it is.
class CellFinder {
    Q_DECLARE_TR_FUNCTIONS(CellFinder)
public:
    enum class Plane { Tiles, Info };

    struct Hit {
        // Which of the levels searched, in the order searched.
        int levelIndex = 0;
        QPoint cell;
    };
    struct SearchedLevel {
        QString fileName; // empty for a level never saved
        int number = 0;
    };

    CellFinder(Plane plane, qint16 value) : m_Plane(plane), m_Value(value) {}

    Plane SearchedPlane() const { return m_Plane; }
    qint16 Value() const { return m_Value; }

    // Adds the cells of `level` (kept in `fileName`) holding the value.
    void SearchLevel(const Level& level, const QString& fileName);
    // The level the editor holds for a file (an open level, with its
    // unsaved changes), or null to read the file.
    using OpenLevel = std::function<const Level*(const QString& path)>;
    // Adds those of every level of `episode` (0: the folder's own, see
    // EpisodeFolder) in `folder`, in the order of their numbers: the level
    // `open` gives for a file, else the file read as the editor reads it.
    // Fails only when the folder cannot be read or holds no level; a file
    // that cannot be read is named in Failures() and the others are
    // searched.
    IoResult SearchFolder(const QString& folder, int episode, const OpenLevel& open = {});

    const std::vector<Hit>& Hits() const { return m_Hits; }
    const std::vector<SearchedLevel>& Levels() const { return m_Levels; }
    // One line per file that could not be read: its name and the reason.
    const QStringList& Failures() const { return m_Failures; }

    // The index of the first hit after `cell` of the level kept in
    // `fileName` (row by row, then the levels searched after it), going
    // round to the first hit after the last; the first hit when no level
    // searched is kept in that file; -1 when there is no hit.
    int NextAfter(const QString& fileName, QPoint cell) const;
    // One hit as a list shows it: "LEVEL05.CK1: 12,4".
    QString HitText(int index) const;
    // "37 cells in 5 levels", "1 cell in 1 level", "No cell holds tile 143".
    QString Summary() const;

private:
    Plane m_Plane;
    qint16 m_Value;
    std::vector<Hit> m_Hits;
    std::vector<SearchedLevel> m_Levels;
    QStringList m_Failures;
};
