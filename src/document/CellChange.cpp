#include "CellChange.h"

#include "Level.h"

#include <algorithm>

void ApplyCellChanges(Level& level, const std::vector<CellChange>& changes, bool after) {
    for (const CellChange& change : changes) {
        const qint16 value = after ? change.after : change.before;
        if (change.plane == CellChange::TilePlane)
            level.SetTile(change.x, change.y, value);
        else
            level.SetInfo(change.x, change.y, value);
    }
}

QRect ChangedArea(const std::vector<CellChange>& changes) {
    if (changes.empty())
        return {};
    int left = changes.front().x;
    int right = left;
    int top = changes.front().y;
    int bottom = top;
    for (const CellChange& change : changes) {
        left = std::min(left, change.x);
        right = std::max(right, change.x);
        top = std::min(top, change.y);
        bottom = std::max(bottom, change.y);
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}
