#include "CellPicker.h"

#include "BrushSelection.h"
#include "Level.h"
#include "SpriteCatalogue.h"

void PickCell(const Level& level, BrushSelection& selection, int button, int cx, int cy) {
    constexpr int RightButton = 2;
    const int slot = button == RightButton ? 1 : 0;
    if (selection.Mode() == BrushSelection::TileMode) {
        selection.SetTile(slot, level.Tile(cx, cy));
        return;
    }
    const qint16 info = level.Info(cx, cy);
    const int sprite = SpriteCatalogue::SpriteForPick(info);
    if (sprite != SpriteCatalogue::NoSprite)
        selection.SetSprite(qint16(sprite));
    selection.PickValue(info, level.Number());
}
