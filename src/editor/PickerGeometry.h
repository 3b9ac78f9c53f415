#pragma once

#include <QPoint>

// The arithmetic of the picker buttons and their pop-up selectors, kept
// apart from the widgets so that it can be checked with plain numbers. All
// values are pixels. A selector's columns and rows are its layout's
// (PaletteGeometry::SelectorGrid).
namespace PickerGeometry {

// A pointer position reported relative to a button, as a position in the
// window's inner area. `buttonLeft` is the button's left edge inside its
// container's inner area, `containerBorderDiff` the container's outer minus
// inner size (twice its border) and `containerLeft` the container's outer
// left edge in the window. The same for the vertical axis.
double PointerToWindow(double buttonLeft, double pointer, int containerBorderDiff,
                       int containerLeft);

// The top row that puts selection `s` in the middle of a selector of
// `columns` x `rows` cells, clamped to the scroll bar's min..max.
int OpeningTopRow(int s, long long columns, long long rows, int min, int max);

// Where the pointer goes when a selector opens: the middle of selection
// `s`'s cell (pitchW x pitchH pixels), counted from the selector's outer
// top-left corner, with `topRow` the grid row shown at the top.
QPoint OpeningPointer(int s, long long columns, int pitchW, int pitchH, int topRow);

// Where a dragged pointer is relative to a selector whose outer top edge is
// `top` and outer height `height`: only the vertical position matters.
enum class DragZone { Above, Inside, Below };
DragZone DragZoneOf(double y, int top, int height);

} // namespace PickerGeometry
