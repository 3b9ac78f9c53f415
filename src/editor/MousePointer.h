#pragma once

class QWidget;

namespace MousePointer {

// Moves the mouse pointer to (x, y) pixels from the top-left corner of the
// control's outer rectangle (a window's frame included), or to the nearest
// point of the control's screen when that lies off it. No control leaves
// the pointer where it is.
void MoveTo(QWidget* control, int x, int y);

} // namespace MousePointer
