#pragma once

#include <Qt>

class BrushSelection;
class Level;

// The eyedropper every tool has on Ctrl+click: in tile mode the cell's tile
// becomes the button's tile (of the buttons held, during a drag); in sprite
// mode the cell's sprite becomes the selected sprite, and a value that shows
// no sprite goes to the Value box.
void PickCell(const Level& level, BrushSelection& selection, Qt::MouseButtons buttons, int cx,
              int cy);
