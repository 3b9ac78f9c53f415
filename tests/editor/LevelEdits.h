#pragma once

// Setting up a window's level for a test without a user's edit: the cells
// or the whole level change as an undo step would change them (the views
// follow), but no step is recorded and the modified state stays.
//
//   leveledit::setTile(*window, 3, 2, 143);
//   leveledit::change(*window, [](Level& level) { level.Resize(24, 17); });

#include "LevelDocument.h"
#include "LevelEditorWindow.h"

#include <QUndoStack>

namespace leveledit {

inline void setCell(LevelEditorWindow& window, CellChange::Plane plane, int x, int y,
                    qint16 value) {
    const Level& level = window.Document().level();
    const qint16 before = plane == CellChange::TilePlane ? level.Tile(x, y) : level.Info(x, y);
    window.Document().ApplyCells({CellChange{plane, x, y, before, value}}, true);
}

inline void setTile(LevelEditorWindow& window, int x, int y, qint16 tile) {
    setCell(window, CellChange::TilePlane, x, y, tile);
}

inline void setInfo(LevelEditorWindow& window, int x, int y, qint16 info) {
    setCell(window, CellChange::InfoPlane, x, y, info);
}

template <typename Change> void change(LevelEditorWindow& window, Change edit) {
    Level level = window.Document().level();
    edit(level);
    window.Document().ApplyLevel(level);
}

// Keen's start (info value 255) in the level's last inner cell, away from
// the cells tests edit: a level the level checker finds nothing wrong with
// saves without the question about errors.
inline void placeStart(LevelEditorWindow& window) {
    setInfo(window, window.Document().level().Width() - 2, window.Document().level().Height() - 2,
            255);
}

// The level belongs to `fileName`, as if loaded from there.
inline void setFileName(LevelEditorWindow& window, const QString& fileName) {
    window.Document().SetFileName(fileName);
}

// The level counts as changed since it was last saved (or as saved).
inline void setModified(LevelEditorWindow& window, bool modified) {
    if (modified)
        window.Document().undoStack().resetClean();
    else
        window.Document().undoStack().setClean();
}

} // namespace leveledit
