#include "CellPicker.h"

#include "BrushSelection.h"
#include "Level.h"

void PickCell(const Level& level, BrushSelection& selection, int button, int cx, int cy) {
    constexpr int RightButton = 2;
    if (selection.Mode() == BrushSelection::TileMode) {
        selection.SetTile(button == RightButton ? 1 : 0, level.Tile(cx, cy));
        return;
    }
    selection.PickValue(level.Info(cx, cy), level.Number());
}
