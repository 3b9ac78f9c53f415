#pragma once

class BrushSelection;
class Level;

// The eyedropper every tool has on Ctrl+click: in tile mode the cell's tile
// becomes the button's tile; in sprite mode the cell's sprite becomes the
// selected sprite, and a value that shows no sprite goes to the Value box.
void PickCell(const Level& level, BrushSelection& selection, int button, int cx, int cy);
