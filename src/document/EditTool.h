#pragma once

#include "ModifierKeys.h"

#include <QRect>
#include <QRegion>

class QImage;
class Surface;
struct PreviewPlace;

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

    // The pointer shown over the canvas while `modifiers` are held: Ctrl
    // alone picks in every tool.
    Pointer PointerFor(Qt::KeyboardModifiers modifiers) const {
        return ToolEvent::Picks(modifiers) ? Pointer::Pick : Pointer::Default;
    }
    // The cells the tool's preview covers, empty for none; the canvas draws
    // them again through DrawPreview when they change.
    virtual QRect PreviewCells() const { return {}; }
    // Draws the preview over the canvas, with the sets, zoom and origin of
    // `place`.
    virtual void DrawPreview(Surface& /*dest*/, const PreviewPlace& /*place*/) const {}
    // As DrawPreview, into `dest` from `under`, the canvas's pixels it is
    // drawn over, which are not in `dest` (one pass over the pixels instead
    // of a copy and a mix): every pixel of `dest` is set. False, with
    // nothing drawn, where the tool cannot; the canvas then puts its pixels
    // into `dest` and calls DrawPreview.
    virtual bool DrawPreviewFrom(Surface& /*dest*/, const PreviewPlace& /*place*/,
                                 const QImage& /*under*/) const {
        return false;
    }
    // Whether DrawPreview sets every pixel of the preview's cells, so that
    // the canvas need not put its own pixels under them first.
    virtual bool PreviewOpaque() const { return false; }
    // The cells whose preview may look different from what the canvas last
    // showed, when it showed the preview over `shown`: the canvas shows
    // again only their pixels. By default all the cells covered then and
    // now.
    virtual QRegion PreviewChange(const QRect& shown) const {
        return QRegion(shown).united(PreviewCells());
    }
};
