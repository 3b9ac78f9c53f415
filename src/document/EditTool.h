#pragma once

#include "ModifierKeys.h"
#include "PreviewSource.h"

#include <QRect>
#include <QRegion>

// What the canvas tells a tool about one pointer event, in cells: the level
// cell under the pointer (which may lie outside the level), the button
// pressed or released (none on a move), the buttons held during a move
// (not filled on a press or release) and the modifier keys held.
struct ToolEvent {
    long long x = 0;
    long long y = 0;
    bool inside = false; // the cell lies inside the level
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons buttons = Qt::NoButton;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;

    // What the modifiers ask of every tool: nothing held edits, Ctrl alone
    // picks; other combinations (Shift with Ctrl, Alt) do neither.
    static bool Edits(Qt::KeyboardModifiers modifiers) {
        return ModifierKeys::Held(modifiers) == Qt::NoModifier;
    }
    static bool Picks(Qt::KeyboardModifiers modifiers) {
        return ModifierKeys::Held(modifiers) == Qt::ControlModifier;
    }
    // The brush slot a button, or the set held during a move, works on:
    // the right button's alone is 1, every other's 0.
    static int SlotOf(Qt::MouseButtons buttons) { return buttons == Qt::RightButton ? 1 : 0; }
};

// One way of editing with the mouse on the canvas. The canvas hands every
// press, move and release to the current tool and knows nothing of what
// they do; a tool changes the level only through the document.
class EditTool : public PreviewSource {
public:
    enum class Pointer { Default, Pick };

    virtual ~EditTool() = default;

    virtual void Press(const ToolEvent& event) = 0;
    virtual void Move(const ToolEvent& event) = 0;
    virtual void Release(const ToolEvent& event) = 0;
    // Ends whatever the tool has going (Undo during a drag, a new level).
    virtual void Cancel() = 0;
    // Whether a press-and-drag is in progress.
    virtual bool Dragging() const = 0;

    // The pointer shown over the canvas while `modifiers` are held: Ctrl
    // alone picks in every tool that picks.
    virtual Pointer PointerFor(Qt::KeyboardModifiers modifiers) const {
        return ToolEvent::Picks(modifiers) ? Pointer::Pick : Pointer::Default;
    }
    // Whether the tool's preview shows the selection itself; others get it
    // drawn under their preview (SelectionPreview).
    virtual bool ShowsSelection() const { return false; }
};
