#include "CellPicker.h"

#include "BrushSelection.h"
#include "EditTool.h"
#include "Level.h"

void PickCell(const Level& level, BrushSelection& selection, Qt::MouseButtons buttons, int cx,
              int cy) {
    if (selection.Mode() == BrushSelection::TileMode) {
        selection.SetTile(ToolEvent::SlotOf(buttons), level.Tile(cx, cy));
        return;
    }
    selection.PickValue(level.Info(cx, cy), level.Number());
}
