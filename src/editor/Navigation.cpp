#include "Navigation.h"

#include "ModifierKeys.h"

#include <QtGlobal>

#include <algorithm>

namespace Navigation {

namespace {

// The wheel's movement with a vertical turn made sideways while Shift is
// held (a platform that already turned it gives it sideways).
QPoint Oriented(QPoint delta, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ShiftModifier)
        return QPoint(delta.x() + delta.y(), 0);
    return delta;
}

} // namespace

int TakeWholeSteps(int& remainder, int delta, int unit) {
    unit = std::max(1, unit);
    // Kept in 64 bits so that no run of events overflows the sum.
    const long long total = static_cast<long long>(remainder) + delta;
    const long long steps = total / unit; // toward zero: the rest keeps its sign
    remainder = static_cast<int>(total - steps * unit);
    return static_cast<int>(steps);
}

WheelAction WheelMove(WheelState& state, QPoint angle, QPoint pixels,
                      Qt::KeyboardModifiers modifiers, int linesPerNotch, int cellWidth,
                      int cellHeight) {
    WheelAction action;
    if (modifiers & Qt::ControlModifier) {
        const int turn = angle.y() != 0 ? angle.y() : angle.x();
        action.zoomSteps = TakeWholeSteps(state.zoom, turn, NotchAngle);
        return action;
    }
    if (!pixels.isNull()) {
        const QPoint move = Oriented(pixels, modifiers);
        action.columns = -TakeWholeSteps(state.pixelX, move.x(), cellWidth);
        action.rows = -TakeWholeSteps(state.pixelY, move.y(), cellHeight);
        return action;
    }
    const QPoint move = Oriented(angle, modifiers);
    const int lines = std::max(1, linesPerNotch);
    action.columns = -TakeWholeSteps(state.angleX, move.x() * lines, NotchAngle);
    action.rows = -TakeWholeSteps(state.angleY, move.y() * lines, NotchAngle);
    return action;
}

int ScrollBy(int value, int delta, int max) {
    const long long moved = static_cast<long long>(value) + delta;
    return static_cast<int>(std::clamp<long long>(moved, 0, std::max(0, max)));
}

KeyAction KeyMove(int key, Qt::KeyboardModifiers modifiers, int pageRows) {
    KeyAction action;
    if (ModifierKeys::Held(modifiers) != Qt::NoModifier)
        return action;
    action.handled = true;
    switch (key) {
    case Qt::Key_Left:
        action.columns = -1;
        break;
    case Qt::Key_Right:
        action.columns = 1;
        break;
    case Qt::Key_Up:
        action.rows = -1;
        break;
    case Qt::Key_Down:
        action.rows = 1;
        break;
    case Qt::Key_PageUp:
        action.rows = -std::max(1, pageRows);
        break;
    case Qt::Key_PageDown:
        action.rows = std::max(1, pageRows);
        break;
    default:
        action.handled = false;
        break;
    }
    return action;
}

} // namespace Navigation
