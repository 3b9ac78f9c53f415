#pragma once

#include "BlockPicture.h"
#include "EditTool.h"

#include <optional>

class BrushSelection;
class LevelDocument;

// The brush: in tile mode a button writes its tile into the cell under the
// pointer; in sprite mode the left button places the sprite (or the typed
// value) and the right button erases. With Ctrl alone held a button picks
// the cell's tile or sprite instead; with any other modifier it does
// nothing. A drag goes on with the buttons held: in sprite mode only the
// left or the right one alone places or erases. A press and the drag after
// it are one stroke, one undo step; the drag writes every cell on the line
// between successive pointer positions.
//
// When the brush holds a stamp, the left button lays the stamp down instead,
// centred on the pointer, and a drag lays it side by side on a grid of its
// size from the first one, at every place of the grid the pointer's line
// passes. A Ctrl+drag over more than one cell, Ctrl held to the release,
// takes the cells spanned (both planes) as the stamp.
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
    // The stamp under the pointer, or the cells a Ctrl+drag spans.
    QRect PreviewCells() const override;
    // The stamp half see-through under the pointer, framed; the cells a
    // Ctrl+drag would take, framed.
    void DrawPreview(Surface& dest, const PreviewPlace& place) const override;

private:
    void ActOnCell(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int cx, int cy);
    void ContinueDrag(const ToolEvent& to);
    void EditCell(Qt::MouseButtons buttons, int cx, int cy);
    void PickCell(Qt::MouseButtons buttons, int cx, int cy);
    bool Stamping(Qt::MouseButtons buttons) const;
    void StampAt(QPoint topLeft);
    void ContinueStamping(const ToolEvent& to);
    QRect PickedArea() const;

    LevelDocument& m_Document;
    BrushSelection& m_Selection;
    bool m_Dragging = false;
    // The cell under the pointer at the previous event.
    struct {
        long long x = 0;
        long long y = 0;
    } m_Last;
    bool m_Hovering = false;
    // A stroke of the stamp: the cell it started at and the place it was
    // last laid at (none yet when Ctrl was let go during a drag).
    bool m_Stamping = false;
    QPoint m_StampStart;
    std::optional<QPoint> m_LastStamp;
    // A Ctrl+drag that may take a block: where it started, while Ctrl is
    // held throughout.
    bool m_BlockPick = false;
    QPoint m_PickStart;
    // The stamp's picture, made again when the stamp changes.
    mutable BlockPicture m_Picture;
};
