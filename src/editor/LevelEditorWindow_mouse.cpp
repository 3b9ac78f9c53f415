// Editing with the mouse on the canvas: the canvas finds the cell under the
// pointer and the window hands the press, move or release to the current
// tool; the position label and the pointer's shape follow the pointer.
#include "LevelEditorWindow.h"

#include "LevelCanvas.h"
#include "PaletteGeometry.h"

#include <QLabel>

void LevelEditorWindow::canvasPressed(const ToolEvent& event) {
    m_PositionLabel->setText(PaletteGeometry::PositionText({event.x, event.y}));
    CurrentTool().Press(event);
    ToolActed();
}

void LevelEditorWindow::canvasMoved(const ToolEvent& event, bool newCell) {
    // The tool's pointer for the modifiers held: the pick pointer or the
    // default one.
    m_LevelCanvas->SetPickPointer(
        CurrentTool().PointerFor(event.modifiers) == EditTool::Pointer::Pick, m_PickPointer);
    m_PositionLabel->setText(event.inside ? PaletteGeometry::PositionText({event.x, event.y})
                                          : QString());
    // The tool follows the pointer outside the level too: a drag that
    // leaves it goes on where the line between two positions crosses it, a
    // pasted block hangs over the edge. Moves within one cell change nothing
    // a preview shows.
    CurrentTool().Move(event);
    if (newCell)
        ToolActed();
}

void LevelEditorWindow::canvasReleased(const ToolEvent& event) {
    CurrentTool().Release(event);
    ToolActed();
}
