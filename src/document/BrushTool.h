#pragma once

#include "EditTool.h"

class BrushSelection;
class LevelDocument;

// The brush: in tile mode a button writes its tile into the cell under the
// pointer; in sprite mode the left button places the sprite (or the typed
// value) and the right button erases. With Ctrl alone held a button picks
// the cell's tile or sprite instead; with any other modifier it does
// nothing. A drag goes on with the buttons held: in sprite mode only the
// left or the right one alone places or erases. A press and the drag after it are one stroke, one
// undo step; the drag writes every cell on the line between successive pointer positions.
class BrushTool : public EditTool {
public:
    BrushTool(LevelDocument& document, BrushSelection& selection);

    void Press(const ToolEvent& event) override;
    void Move(const ToolEvent& event) override;
    void Release(const ToolEvent& event) override;
    void Cancel() override;
    // The drag ends with its stroke: an undo or another step in the middle
    // of it stops the brush until the next press.
    bool Dragging() const override;

private:
    void ActOnCell(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int cx, int cy);
    void ContinueDrag(const ToolEvent& to);
    void EditCell(Qt::MouseButtons buttons, int cx, int cy);
    void PickCell(Qt::MouseButtons buttons, int cx, int cy);

    LevelDocument& m_Document;
    BrushSelection& m_Selection;
    bool m_Dragging = false;
    // The cell under the pointer at the previous event.
    struct {
        long long x = 0;
        long long y = 0;
    } m_Last;
};
