#pragma once

#include <QRect>
#include <QtGlobal>

#include <vector>

class Level;

// One cell of one plane as an edit changed it: what it held before the
// edit and what it holds after.
struct CellChange {
    enum Plane : quint8 { TilePlane, InfoPlane };
    Plane plane = TilePlane;
    int x = 0;
    int y = 0;
    qint16 before = 0;
    qint16 after = 0;

    bool operator==(const CellChange& o) const {
        return plane == o.plane && x == o.x && y == o.y && before == o.before && after == o.after;
    }
};

// Writes every change's value after the edit (redo) or before it (undo).
// Each cell appears at most once per plane, so the order does not matter.
void ApplyCellChanges(Level& level, const std::vector<CellChange>& changes, bool after);

// The smallest rectangle of cells holding every change; empty for none.
QRect ChangedArea(const std::vector<CellChange>& changes);
