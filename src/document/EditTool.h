#pragma once

#include <QRect>

class Surface;
struct PreviewPlace;

// What the canvas tells a tool about one pointer event, in cells: the level
// cell under the pointer (which may lie outside the level), the button (on
// a press or release: 1 left, 2 right, 4 middle; on a move: the buttons
// held, as bits) and the modifiers (bits 1 Shift, 2 Ctrl, 4 Alt).
struct ToolEvent {
    static constexpr int LeftButton = 1;
    static constexpr int RightButton = 2;
    // The modifier sets tools tell apart: nothing held edits, Ctrl alone
    // picks; other combinations (Shift with Ctrl, Alt) do neither.
    static constexpr int NoModifier = 0;
    static constexpr int ShiftOnly = 1;
    static constexpr int CtrlOnly = 2;
    // The brush slot a button works on: the right button's is 1, every
    // other button's 0.
    static int SlotOf(int button) { return button == RightButton ? 1 : 0; }

    long long x = 0;
    long long y = 0;
    bool inside = false; // the cell lies inside the level
    int button = 0;
    int shift = 0;
};

// One way of editing with the mouse on the canvas. The canvas hands every
// press, move and release to the current tool and knows nothing of what
// they do; a tool changes the level only through the document.
class EditTool {
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

    // The pointer shown over the canvas while `shift` is held: Ctrl alone
    // picks in every tool.
    Pointer PointerFor(int shift) const {
        return shift == ToolEvent::CtrlOnly ? Pointer::Pick : Pointer::Default;
    }
    // The cells the tool's preview covers, empty for none; the canvas draws
    // them again through DrawPreview when they change.
    virtual QRect PreviewCells() const { return {}; }
    // Draws the preview over the canvas, with the sets, zoom and origin of
    // `place`.
    virtual void DrawPreview(Surface& /*dest*/, const PreviewPlace& /*place*/) const {}
};
