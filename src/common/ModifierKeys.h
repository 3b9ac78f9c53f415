#pragma once

#include <Qt>

namespace ModifierKeys {

// The modifier keys the editor tells apart: Shift, Ctrl and Alt. The other
// flags Qt reports (Meta, the keypad flag that comes with the keypad's
// arrows, the group switch of some layouts) count as not held, so that they
// change nothing a click, a drag or a key does.
inline Qt::KeyboardModifiers Held(Qt::KeyboardModifiers modifiers) {
    return modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}

} // namespace ModifierKeys
