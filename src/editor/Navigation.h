#pragma once

#include <QPoint>
#include <Qt>

// The arithmetic of moving around the canvas with the wheel and the keys,
// kept apart from the widgets so that it can be checked with plain numbers.
namespace Navigation {

// Wheel angle units in one notch of a common mouse wheel.
constexpr int NotchAngle = 120;

// Adds `delta` to `remainder` and takes out the whole `unit`s it then holds,
// returning their number with the sign of the movement. What is left stays
// in `remainder` for the next call, so that small movements add up and
// opposite ones cancel. A unit below 1 counts as 1.
int TakeWholeSteps(int& remainder, int delta, int unit);

// What the wheel has moved so far without making a whole step.
struct WheelState {
    int angleX = 0;
    int angleY = 0;
    int pixelX = 0;
    int pixelY = 0;
    int zoom = 0;
};

// What one wheel event does: the change of the first visible column and
// row, and the zoom steps (positive zooms in).
struct WheelAction {
    int columns = 0;
    int rows = 0;
    int zoomSteps = 0;
};

// One wheel event over the canvas. `angle` is the wheel's turn in eighths
// of a degree, `pixels` a touchpad's movement (null for a wheel); turning
// away from the user (positive) goes up (left). With Ctrl held the turn
// zooms, one step per notch; with Shift held a vertical turn scrolls
// sideways. A notch scrolls `linesPerNotch` cells; touchpad pixels scroll a
// cell per `cellWidth` (`cellHeight`) pixels.
WheelAction WheelMove(WheelState& state, QPoint angle, QPoint pixels,
                      Qt::KeyboardModifiers modifiers, int linesPerNotch, int cellWidth,
                      int cellHeight);

// A scroll bar's value after moving it by `delta`, within 0..max.
int ScrollBy(int value, int delta, int max);

// What a key pressed on the canvas does: the arrow keys move one cell,
// Page Up and Page Down `pageRows` rows. Only without modifier keys (see
// ModifierKeys); any other key is not the canvas's (`handled` false).
struct KeyAction {
    bool handled = false;
    int columns = 0;
    int rows = 0;
};
KeyAction KeyMove(int key, Qt::KeyboardModifiers modifiers, int pageRows);

} // namespace Navigation
